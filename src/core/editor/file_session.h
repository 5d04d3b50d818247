// The scheme's file as the main window works with it: the file name, the snapshot that
// tells whether the scheme is saved, and the New / Open / Save / Save As / close
// sequences with their questions, messages and status texts. It speaks to the person
// through the host and takes the window's part through FileSessionView.
//
// The scheme counts as saved while its file bytes and labels equal what was last
// opened, saved or created. A command that would drop an unsaved scheme first asks
// "Схема не была сохранена. Сохранить схему?": No goes on, Yes saves and goes on only
// if the save succeeded, Cancel (and Esc) stops and keeps the scheme.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/editor/editor_state.h"
#include "core/model/scheme_file.h"
#include "core/workbench/workbench.h"

namespace velmar::editor {

// Which file the file dialog is asked for.
enum class FileDialogKind { OpenScheme, SaveScheme };

// The name of a scheme not yet saved.
inline constexpr const char* kNoName = "NoName.shm";

// The text after the last dot of a file name, in capitals ("" without a dot).
std::string fileExtension(const std::string& name);

class FileSessionView {
public:
    virtual ~FileSessionView() = default;
    // The file dialog, suggesting a file name; an empty answer cancels.
    virtual std::string pickFile(FileDialogKind kind, const std::string& suggested) = 0;
    // Before a save and before the scheme is replaced the mouse editor is left.
    virtual void leaveAdvRed() = 0;
    // The regime "File": Run or the bank is left before the scheme is replaced.
    virtual void enterFile() = 0;
    // The scheme was replaced: the run's thumbnails and the background picture go, the
    // canvas is redrawn.
    virtual void schemeReplaced() = 0;
    // Shows a picture file as the canvas background; false when it cannot be read.
    virtual bool showBackground(const std::string& path) = 0;
    virtual void redraw() = 0;
    // Every file command ends in "Edit".
    virtual void enterEdit() = 0;
    virtual void showTitle(const std::string& title) = 0;
    // An opened scheme or a test scheme is about to replace the present one: the undo
    // snapshot.
    virtual void takeSnapshot() {}
};

class FileSession {
public:
    // The scheme as it is now counts as saved.
    FileSession(Workbench& wb, EditorState& state, FileSessionView& view);

    const std::string& fileName() const { return fileName_; }
    bool isSaved() const;

    void newScheme();
    void open();
    // A scheme named on the command line; anything but a scheme file is ignored.
    void openAtStart(const std::string& path);
    // The recovery copy a workbench that ended without closing kept, in place of the
    // scheme: under the file name it had there, and unsaved, as it was there.
    void takeRecovered(Scheme& recovered, const std::string& fileName);
    void save();
    void saveAs();
    // A shipped test scheme in place of the scheme, after a warning that the scheme
    // will be lost; any file name (one test scheme has no extension). True when it was
    // loaded; a file that cannot be read leaves the scheme as it was.
    bool loadTestScheme(const std::string& path);
    // A test scheme is never written over: a ".sht" file or one loaded as a test.
    bool isTestScheme() const;
    // The close query; false keeps the window.
    bool mayClose();

    // The file name a scheme brought back by Undo or Redo had.
    void restoreFileName(const std::string& name) { setFileName(name); }

    // The file of a block command: the chosen name if it is a scheme file, else "".
    std::string chooseBlockFile(FileDialogKind kind);
    // Runs a file operation; a file fault is shown ("<fault>, try again.") and false
    // returned.
    bool tryFile(const std::function<void()>& operation);

private:
    // Settles an unsaved scheme before it is dropped; true when the command may go on.
    bool settleUnsaved(bool offerCancel);
    bool saveTo(const std::string& path);
    // Reads a scheme file into `fresh`; a fault is shown as tryFile shows it, the same
    // words whichever command opened the file.
    std::optional<SchemeRead> readScheme(Scheme& fresh, const std::string& path);
    void markSaved();
    void warnIfIncomplete(const SchemeRead& read);
    void setFileName(const std::string& name);
    void replaced();

    Workbench& wb_;
    EditorState& state_;
    FileSessionView& view_;
    std::string fileName_ = kNoName;  // the save dialog's file name
    std::string testScheme_;          // the test scheme last loaded
    std::optional<StoredScheme> saved_;  // the scheme as saved; none when no file holds it
};

}  // namespace velmar::editor
