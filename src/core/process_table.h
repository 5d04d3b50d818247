// The processes of this machine as /proc shows them, for the files a process keeps
// beside those of other processes (temporary copies, marks of a running workbench,
// recovery copies) and for telling which of those a process that ended left behind.
//
// A process is named by its id and the time it started: once a process has ended, the
// system may give its id to a newer one, which must not pass for it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmar {

struct ProcessStamp {
    std::string id;       // the decimal process id; empty without /proc
    std::string started;  // the start time in clock ticks after boot; empty when unknown
    bool operator==(const ProcessStamp&) const = default;
};

// This process; an empty id where /proc cannot tell.
ProcessStamp thisProcess();
// The process running under `id` now; nothing when none does.
std::optional<ProcessStamp> runningProcess(std::string_view id);
// Whether a process with this id runs (whichever started it).
bool processRuns(std::string_view id);
// Whether this very process still runs: its id runs and started when the stamp says (a
// stamp without a start time only asks for the id).
bool stillRuns(const ProcessStamp& process);

// "ID START" and back; nothing for a text that is not one.
std::string stampText(const ProcessStamp& process);
std::optional<ProcessStamp> readStamp(std::string_view text);

}  // namespace velmar
