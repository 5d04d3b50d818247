// Crash recovery: while the scheme has changes that are not saved, the workbench keeps
// a copy of it in a folder of the user's (e.g. ~/.local/state/velmar/recovery), so that
// a workbench that crashed or was killed loses nothing. Several workbenches may run, so
// each keeps its own copy under its process's id and start time: "ID-START.shm" with
// its labels file "ID-START.sdf", and "ID-START.run" with the process's stamp, the time
// of the copy and the scheme's own file name (a later process given the same id keeps
// its copy beside the orphan, not over it). A copy whose process no longer runs is an orphan, offered at the next start; a
// workbench that ends normally removes its own.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/model/scheme.h"
#include "core/process_table.h"

namespace velmar {

struct RecoveredScheme {
    std::filesystem::path copy;  // the scheme file of the copy
    std::string fileName;        // the file the scheme had in the workbench that kept it
    std::int64_t keptAt = 0;     // when it was kept, in seconds since 1970 (UTC)
};

class RecoveryStore {
public:
    // The copies of `process` in `folder`, which is made when the first copy is kept.
    explicit RecoveryStore(std::filesystem::path folder, ProcessStamp process = thisProcess());
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;
    // A normal end removes the copy.
    ~RecoveryStore() { drop(); }

    const std::filesystem::path& folder() const { return folder_; }

    // Keeps `scheme`, whose file is `fileName`, replacing the previous copy; a scheme
    // equal to the copy kept last is not written again. Throws FileError (the previous
    // copy then stays whole).
    void keep(const Scheme& scheme, const std::string& fileName);
    // Removes this process's copy (the scheme was saved, or the workbench ends).
    void drop();
    bool holdsCopy() const;

    // The copies of processes that no longer run, the newest first. Copies that are
    // not whole (a process killed while writing its first one) are not offered.
    std::vector<RecoveredScheme> orphans() const;
    // Reads an orphan into `into`. Throws FileError.
    static void reopen(const RecoveredScheme& orphan, Scheme& into);
    // Removes an orphan's files.
    static void discard(const RecoveredScheme& orphan);

private:
    std::filesystem::path schemeFile() const;

    std::filesystem::path folder_;
    ProcessStamp process_;
    bool kept_ = false;
    std::vector<std::uint8_t> keptBytes_;
    std::string keptLabels_, keptName_;
};

}  // namespace velmar
