// Undo and redo through whole copies of the scheme kept as numbered scheme files,
// "~VelTmp1.tmp" ... "~VelTmp9.tmp", each with its labels file beside it. Before every
// undoable change the scheme as it is becomes the newest snapshot; a tenth snapshot
// drops the oldest by renaming 2..9 down to 1..8. The first Undo after a change keeps
// the scheme as it was then in "~VelTmp0.tmp", where the last Redo finds it again.
//
// Undo steps back one snapshot at a time, Redo forwards. A change made while stepping
// drops the snapshots after the one shown. The window takes a snapshot before the
// changes it knows in advance (a put-down by mouse, Open, the mouse editor's commands)
// and records every other edit (keys, the marked-block commands, dialogs) afterwards,
// when it found the scheme changed; so every change is a step, and after Open the
// scheme as opened is the first step back. Edits that still reach the scheme unseen
// are never lost: an Undo or a change that finds the scheme different from the
// snapshot last shown keeps that snapshot as a step of its own first.
//
// A snapshot also keeps the name of the scheme's file, so that an Undo after Open gives
// the scheme back with its own name and a Save cannot write it over the file opened.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/scheme.h"
#include "core/model/scheme_file.h"

namespace velmar::editor {

// A folder of this process's own inside the system's temporary folder, made unique by
// a random suffix after `stem` (e.g. "velmar-1234"), and removed with everything in it
// when the object goes. Throws FileError when it cannot be made.
class SnapshotFolder {
public:
    explicit SnapshotFolder(std::string_view stem);
    SnapshotFolder(const SnapshotFolder&) = delete;
    SnapshotFolder& operator=(const SnapshotFolder&) = delete;
    ~SnapshotFolder();

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline constexpr int kMaxSnapshots = 9;

class UndoHistory {
public:
    // Without a folder nothing is recorded.
    explicit UndoHistory(std::filesystem::path folder) : folder_(std::move(folder)) {}

    // "~VelTmp" + the digit + ".tmp".
    static std::string snapshotName(int number);
    std::filesystem::path snapshotFile(int number) const { return folder_ / snapshotName(number); }

    // What a step holds of a scheme: everything its files hold.
    using State = StoredScheme;
    static State stateOf(const Scheme& s) { return storedForm(s); }

    // Before an undoable change: `present`, whose file is `fileName`, becomes the newest
    // snapshot. Throws FileError when it cannot be written.
    void take(const Scheme& present, const std::string& fileName);
    // After an edit: when `present` is no longer `before`, the scheme as it was before
    // the edit becomes the newest snapshot. Throws FileError.
    void recordEdit(const State& before, const Scheme& present, const std::string& fileName);

    // The scheme one step back (or forward), read into the fresh scheme `into`; the file
    // name it had comes back. Nothing when there is no such step (a missing snapshot
    // file counts as none); `present` is then left as it is. Throws FileError.
    std::optional<std::string> undo(const Scheme& present, const std::string& fileName, Scheme& into);
    std::optional<std::string> redo(const Scheme& present, Scheme& into);

    // Whether an Undo or a Redo would find a step from `present`.
    bool canUndo(const Scheme& present) const;
    bool canRedo(const Scheme& present) const;

private:
    bool exists(int number) const;
    void write(int number, const State& s, const std::string& fileName);
    std::string read(int number, Scheme& into);
    void remove(int number);
    void rename(int from, int to);
    // Makes room and writes the newest snapshot, from a state or from snapshot 0.
    void push(const State* s, const std::string& fileName);
    void takeState(const State& before, const std::string& fileName);
    // Stepping ends: the snapshots after the one shown are dropped and the one shown
    // becomes the newest (from "~VelTmp0.tmp" when it is the state of the first Undo).
    void settle();
    bool editedSinceShown(const Scheme& present) const { return !(storedForm(present) == shownState_); }

    std::filesystem::path folder_;
    int newest_ = 0;         // the highest snapshot number in use, 0 for none
    bool stepping_ = false;  // Undo or Redo was used since the last change
    int shown_ = 0;          // while stepping: the snapshot shown, 0 for "~VelTmp0.tmp"
    StoredScheme shownState_;  // while stepping: the scheme as it was loaded
    std::array<std::string, kMaxSnapshots + 1> fileNames_;
};

}  // namespace velmar::editor
