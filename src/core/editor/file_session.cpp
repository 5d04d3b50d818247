#include "core/editor/file_session.h"

#include <cctype>
#include <filesystem>
#include <optional>

#include "core/errors.h"
#include "core/model/scheme_file.h"

namespace velmar::editor {

namespace {

const char* const kSaveQuestion = "Схема не была сохранена. Сохранить схему?";

// The save question offers Cancel, and Cancel (or Esc) stops the command and keeps the
// scheme.
constexpr bool kNewOffersCancel = true;
constexpr bool kOpenOffersCancel = true;
constexpr bool kCloseOffersCancel = true;

const char* const kTestQuestion =
    "  Внимание! При загрузке тестовой схемы\rтекущая схема будет утеряна.   Продолжить?";

std::filesystem::path pathOf(const std::string& name) { return std::filesystem::path(name); }

std::string baseName(const std::string& name) { return pathOf(name).filename().string(); }

bool isSchemeFile(const std::string& ext) { return ext == "SHM" || ext == "SHT"; }

bool isPicture(const std::string& ext) { return ext == "BMP" || ext == "ICO" || ext == "WMF"; }

// A picture the canvas cannot show; a scheme file's fault is named in its own words.
std::string pictureFault(const std::string& name) {
    return "Ошибка при попытке открыть файл " + name + ". Попробуйте снова. Возможно файл поврежден.";
}

}  // namespace

std::string fileExtension(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) return {};
    std::string ext = name.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ext;
}

FileSession::FileSession(Workbench& wb, EditorState& state, FileSessionView& view)
    : wb_(wb), state_(state), view_(view) {
    markSaved();
}

bool FileSession::isSaved() const {
    return saved_ && storedForm(wb_.scheme) == *saved_;
}

void FileSession::markSaved() {
    saved_ = storedForm(wb_.scheme);
}

void FileSession::setFileName(const std::string& name) {
    fileName_ = name;
    view_.showTitle("VELMAR For Windows : " + baseName(name));
}

bool FileSession::tryFile(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const FileError& e) {
        wb_.ui().message(Box::Error, std::string(e.what()) + ", try again.");
        return false;
    }
    return true;
}

std::optional<SchemeRead> FileSession::readScheme(Scheme& fresh, const std::string& path) {
    std::optional<SchemeRead> read;
    tryFile([&] { read = LoadScheme(fresh, pathOf(path), labelsFileFor(pathOf(path))); });
    return read;
}

bool FileSession::settleUnsaved(bool offerCancel) {
    if (isSaved()) return true;
    switch (wb_.ui().ask("Предупреждение", kSaveQuestion, offerCancel)) {
        case Reply::Cancel: return false;
        case Reply::No: return true;
        case Reply::Yes: break;
    }
    save();
    return isSaved();
}

bool FileSession::saveTo(const std::string& path) {
    if (!tryFile([&] { SaveScheme(wb_.scheme, pathOf(path), labelsFileFor(pathOf(path))); })) return false;
    markSaved();
    wb_.ui().statusMessage("Сохранен.");
    return true;
}

// The scheme was replaced: the results of the last run, the held code and the cursor
// belong to the old one.
void FileSession::replaced() {
    wb_.run.ResultsAllocated = false;
    state_.held = 0;
    state_.cursor = {};
    view_.schemeReplaced();
    markSaved();
}

// A scheme whose file ended early is not what the file says: it is shown as loaded, with
// a warning, and counts as unsaved until it is saved.
void FileSession::warnIfIncomplete(const SchemeRead& read) {
    if (read.whole()) return;
    wb_.ui().message(Box::Warning, read.warning());
    saved_.reset();
}

void FileSession::newScheme() {
    if (!settleUnsaved(kNewOffersCancel)) return;
    view_.leaveAdvRed();
    wb_.scheme.ClearLabels();
    wb_.scheme.SchemeComment.clear();
    view_.enterFile();
    setFileName(kNoName);
    wb_.scheme.NewScheme();
    replaced();
    wb_.ui().statusMessage("Создан.");
    view_.enterEdit();
}

void FileSession::open() {
    if (!settleUnsaved(kOpenOffersCancel)) return;
    view_.leaveAdvRed();
    view_.enterFile();
    const std::string name = view_.pickFile(FileDialogKind::OpenScheme, baseName(fileName_));
    const std::string ext = fileExtension(name);
    if (!name.empty() && isPicture(ext)) {
        if (view_.showBackground(name)) {
            setFileName(name);
            wb_.ui().statusMessage("Открыт.");
        } else {
            wb_.ui().message(Box::Error, pictureFault(name));
        }
    } else if (!name.empty() && isSchemeFile(ext)) {
        // The old scheme and its labels go only once the new one has been read whole.
        Scheme fresh;
        if (const std::optional<SchemeRead> read = readScheme(fresh, name)) {
            view_.takeSnapshot();
            wb_.scheme.swap(fresh);
            setFileName(name);
            replaced();
            wb_.ui().statusMessage("Открыт.");
            warnIfIncomplete(*read);
        } else {
            view_.redraw();
        }
    }
    view_.enterEdit();
}

void FileSession::openAtStart(const std::string& path) {
    if (!isSchemeFile(fileExtension(path))) return;
    Scheme fresh;
    const std::optional<SchemeRead> read = readScheme(fresh, path);
    if (!read) return;
    view_.enterFile();
    wb_.scheme.swap(fresh);
    setFileName(path);
    replaced();
    wb_.ui().statusMessage("Opened.");
    warnIfIncomplete(*read);
    view_.enterEdit();
}

void FileSession::takeRecovered(Scheme& recovered, const std::string& fileName) {
    view_.enterFile();
    wb_.scheme.swap(recovered);
    setFileName(fileName);
    replaced();
    saved_.reset();
    wb_.ui().statusMessage("Recovered.");
    view_.enterEdit();
}

void FileSession::save() {
    view_.leaveAdvRed();
    const std::string ext = fileExtension(fileName_);
    if (isTestScheme()) {
        wb_.ui().message(
            Box::Warning,
            "Это тестовая схема, ее изменять нельзя. Для редактирования запомните ее под другим именем");
        return;
    }
    // A name that is not a scheme's (a picture opened as the background) is asked anew.
    if (ext != "SHM" || baseName(fileName_) == kNoName) {
        saveAs();
        return;
    }
    saveTo(fileName_);
}

void FileSession::saveAs() {
    view_.leaveAdvRed();
    const std::string name = view_.pickFile(FileDialogKind::SaveScheme, kNoName);
    if (name.empty() || fileExtension(name) != "SHM") return;
    if (saveTo(name)) setFileName(name);
}

bool FileSession::isTestScheme() const {
    return fileExtension(fileName_) == "SHT" || (!testScheme_.empty() && fileName_ == testScheme_);
}

bool FileSession::loadTestScheme(const std::string& path) {
    if (wb_.ui().ask("Предупреждение", kTestQuestion, false) != Reply::Yes) return false;
    view_.leaveAdvRed();
    view_.enterFile();
    Scheme fresh;
    const std::optional<SchemeRead> read = readScheme(fresh, path);
    if (read) {
        view_.takeSnapshot();  // Undo brings back the scheme the warning said would be lost
        wb_.scheme.swap(fresh);
        fileName_ = path;
        testScheme_ = path;
        view_.showTitle("VELMAR For Windows : Test scheme.");
        replaced();
        wb_.ui().statusMessage("Test scheme loaded.");
        warnIfIncomplete(*read);
    } else {
        view_.redraw();
    }
    view_.enterEdit();
    return read.has_value();
}

bool FileSession::mayClose() { return settleUnsaved(kCloseOffersCancel); }

std::string FileSession::chooseBlockFile(FileDialogKind kind) {
    const std::string name = view_.pickFile(kind, kind == FileDialogKind::OpenScheme ? "" : kNoName);
    return fileExtension(name) == "SHM" ? name : std::string();
}

}  // namespace velmar::editor
