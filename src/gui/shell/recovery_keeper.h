// Crash recovery of the main window: while the scheme is unsaved, a copy of it is kept
// every minute and before every run or analysis (the moments a workbench is most
// likely to be stopped by force); the next workbench offers the copy of one that did
// not close.
#pragma once

#include <QObject>
#include <filesystem>

class QTimer;

namespace velmar {
class Host;
class Scheme;
namespace editor {
class FileSession;
}
}  // namespace velmar

namespace velmar::gui {

class StatusLine;
struct ShellState;

class RecoveryKeeper : public QObject {
public:
    RecoveryKeeper(QObject* parent, ShellState& shell, editor::FileSession& files, Scheme& scheme, Host& host,
                   StatusLine& status);

    // Marks this workbench as running in the temporary folder and keeps its copies in
    // the user's state folder, when there is one.
    void start(const std::filesystem::path& userStateFolder);
    // How often an unsaved scheme is kept, 60 s by default.
    void setInterval(int milliseconds);
    // Keeps the scheme while it is unsaved, drops the copy once it is saved.
    void keep();
    // Offers, newest first, the copies of workbenches that ended without closing; true
    // when one was reopened.
    bool offer();
    // The end of the workbench: no more copies.
    void stop();

private:
    ShellState& shell_;
    editor::FileSession& files_;
    Scheme& scheme_;
    Host& host_;
    StatusLine& status_;
    QTimer* timer_ = nullptr;
};

}  // namespace velmar::gui
