// The marks of the workbenches running over one temporary folder: "velmar-ID.run",
// holding the stamp of the process (its id and start time). The folder's shared files
// (the clipboard "~VelTmpC.tmp") may only go when no other workbench is left to use
// them. A killed workbench leaves its mark behind; a mark whose process no longer runs
// counts for nothing, and the next look removes it.
#pragma once

#include <filesystem>

#include "core/process_table.h"

namespace velmar {

class PresenceMark {
public:
    // Puts down the mark of `process` (this one by default) in `folder`. Throws
    // FileError when it cannot be written.
    explicit PresenceMark(std::filesystem::path folder, ProcessStamp process = thisProcess());
    PresenceMark(const PresenceMark&) = delete;
    PresenceMark& operator=(const PresenceMark&) = delete;
    ~PresenceMark();

    // Whether a mark of another running process is in the folder.
    bool othersRun() const;

private:
    std::filesystem::path folder_;
    std::filesystem::path file_;
};

}  // namespace velmar
