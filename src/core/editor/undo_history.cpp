#include "core/editor/undo_history.h"

#include <optional>
#include <random>
#include <string_view>
#include <system_error>

#include "core/errors.h"
#include "core/file_io.h"
#include "core/model/scheme_file.h"

namespace velmar::editor {

namespace fs = std::filesystem;

SnapshotFolder::SnapshotFolder(std::string_view stem) {
    std::random_device seed;
    std::error_code ec;
    const fs::path base = fs::temp_directory_path(ec);
    if (ec) throw FileError("The temporary folder cannot be found (" + ec.message() + ")");
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = base / (std::string(stem) + "-" + std::to_string(seed() % 100000000));
        if (fs::create_directory(candidate, ec)) {
            path_ = candidate;
            return;
        }
        if (ec) throw FileError(describeFile(candidate, "Cannot create the folder (" + ec.message() + ")"));
    }
    throw FileError(describeFile(base, "Cannot create a folder of its own in"));
}

SnapshotFolder::~SnapshotFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string UndoHistory::snapshotName(int number) { return "~VelTmp" + std::to_string(number) + ".tmp"; }

bool UndoHistory::exists(int number) const {
    std::error_code ec;
    return fs::is_regular_file(snapshotFile(number), ec);
}

void UndoHistory::write(int number, const State& s, const std::string& fileName) {
    const fs::path file = snapshotFile(number);
    const std::string_view bytes(reinterpret_cast<const char*>(s.bytes.data()), s.bytes.size());
    auto present = [](const std::string& text) {
        return text.empty() ? std::nullopt : std::optional<std::string_view>(text);
    };
    replaceFiles({{file, bytes}, {labelsFileFor(file), present(s.labels)}, {functionsFileFor(file), present(s.functions)}});
    fileNames_[static_cast<std::size_t>(number)] = fileName;
}

std::string UndoHistory::read(int number, Scheme& into) {
    const fs::path file = snapshotFile(number);
    LoadScheme(into, file, labelsFileFor(file));
    return fileNames_[static_cast<std::size_t>(number)];
}

// A failed delete or rename only leaves a gap: the step that needed the file is then
// missing, and Undo or Redo stops there.
void UndoHistory::remove(int number) {
    const fs::path file = snapshotFile(number);
    std::error_code ec;
    fs::remove(file, ec);
    fs::remove(labelsFileFor(file), ec);
    fs::remove(functionsFileFor(file), ec);
    fileNames_[static_cast<std::size_t>(number)].clear();
}

void UndoHistory::rename(int from, int to) {
    remove(to);
    const fs::path source = snapshotFile(from), target = snapshotFile(to);
    std::error_code ec;
    fs::rename(source, target, ec);
    fs::rename(labelsFileFor(source), labelsFileFor(target), ec);  // absent without labels
    fs::rename(functionsFileFor(source), functionsFileFor(target), ec);  // and without functions
    fileNames_[static_cast<std::size_t>(to)] = fileNames_[static_cast<std::size_t>(from)];
    fileNames_[static_cast<std::size_t>(from)].clear();
}

void UndoHistory::push(const State* s, const std::string& fileName) {
    if (newest_ >= kMaxSnapshots) {
        for (int k = 2; k <= kMaxSnapshots; ++k) rename(k, k - 1);
        newest_ = kMaxSnapshots - 1;
    }
    const int number = newest_ + 1;
    if (s != nullptr) write(number, *s, fileName);
    else rename(0, number);
    newest_ = number;
}

void UndoHistory::settle() {
    if (shown_ > 0) {
        for (int k = shown_ + 1; k <= kMaxSnapshots; ++k) remove(k);
        remove(0);
        newest_ = shown_;
    } else {
        push(nullptr, fileNames_[0]);
    }
    stepping_ = false;
    shown_ = 0;
}

void UndoHistory::take(const Scheme& present, const std::string& fileName) {
    if (!folder_.empty()) takeState(stateOf(present), fileName);
}

void UndoHistory::recordEdit(const State& before, const Scheme& present, const std::string& fileName) {
    if (!folder_.empty() && !(stateOf(present) == before)) takeState(before, fileName);
}

void UndoHistory::takeState(const State& before, const std::string& fileName) {
    // Unchanged since the snapshot shown, the scheme needs no snapshot of its own.
    const bool keepPresent = !stepping_ || !(before == shownState_);
    if (stepping_) settle();
    if (keepPresent) push(&before, fileName);
    else fileNames_[static_cast<std::size_t>(newest_)] = fileName;  // saved under a new name meanwhile
}

std::optional<std::string> UndoHistory::undo(const Scheme& present, const std::string& fileName,
                                             Scheme& into) {
    if (stepping_ && editedSinceShown(present)) settle();
    if (!stepping_) {
        if (newest_ < 1 || !exists(newest_)) return std::nullopt;
        write(0, stateOf(present), fileName);
        stepping_ = true;
        shown_ = 0;
    }
    const int target = shown_ == 0 ? newest_ : shown_ - 1;
    if (target < 1 || !exists(target)) return std::nullopt;
    std::string name = read(target, into);
    shown_ = target;
    shownState_ = storedForm(into);
    return name;
}

std::optional<std::string> UndoHistory::redo(const Scheme& present, Scheme& into) {
    if (!canRedo(present)) {
        // Edits made since the Undo end the stepping like any change.
        if (stepping_ && editedSinceShown(present)) settle();
        return std::nullopt;
    }
    const int target = shown_ + 1 <= newest_ && exists(shown_ + 1) ? shown_ + 1 : 0;
    if (!exists(target)) return std::nullopt;
    std::string name = read(target, into);
    shown_ = target;
    shownState_ = storedForm(into);
    return name;
}

bool UndoHistory::canUndo(const Scheme& present) const {
    if (!stepping_) return newest_ >= 1;
    if (editedSinceShown(present)) return true;
    return shown_ == 0 ? newest_ >= 1 : shown_ > 1;
}

bool UndoHistory::canRedo(const Scheme& present) const {
    return stepping_ && shown_ != 0 && !editedSinceShown(present);
}

}  // namespace velmar::editor
