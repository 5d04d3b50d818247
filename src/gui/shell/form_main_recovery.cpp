// Crash recovery: while the scheme is unsaved, the main window keeps a copy of it every
// minute and before every run or analysis (the moments a workbench is most likely to
// be stopped by force); the next workbench offers the copy of one that did not close.
#include <QDateTime>
#include <QTimer>

#include "core/errors.h"
#include "gui/shell/form_main.h"
#include "gui/shell/shell_state.h"

namespace velmar::gui {

namespace {

constexpr int kRecoveryInterval = 60 * 1000;

std::string recoveryQuestion(const RecoveredScheme& orphan) {
    const QString when = QDateTime::fromSecsSinceEpoch(orphan.keptAt).toString("yyyy-MM-dd HH:mm:ss");
    return "A workbench that did not close kept its unsaved scheme \"" + orphan.fileName + "\" at " +
           when.toStdString() + ". Reopen it?\n\nNo deletes the copy, Cancel keeps it for the next start.";
}

}  // namespace

void TFormMain::startRecovery(const ShellPlaces& places) {
    ShellState& s = *shell_;
    std::error_code ec;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(ec);
    try {
        if (!ec) s.presence.emplace(temporary);
    } catch (const FileError&) {
        // Unmarked, this workbench is not seen by others: it then keeps the shared
        // temporary files at exit, as if others ran.
    }
    if (places.userStateFolder.empty()) return;
    s.recovery = std::make_unique<RecoveryStore>(places.userStateFolder / "recovery");
    recoveryTimer_ = new QTimer(this);
    connect(recoveryTimer_, &QTimer::timeout, this, &TFormMain::keepRecovery);
    recoveryTimer_->start(kRecoveryInterval);
}

void TFormMain::setRecoveryInterval(int milliseconds) {
    if (recoveryTimer_) recoveryTimer_->start(milliseconds);
}

void TFormMain::keepRecovery() {
    RecoveryStore* store = shell_->recovery.get();
    if (!store) return;
    if (files_.isSaved()) {
        store->drop();
        return;
    }
    try {
        store->keep(wb_.scheme, files_.fileName());
    } catch (const FileError& e) {
        status_->message(QString::fromStdString("The recovery copy cannot be kept: " + std::string(e.what())));
    }
}

bool TFormMain::offerRecovery() {
    RecoveryStore* store = shell_->recovery.get();
    if (!store) return false;
    for (const RecoveredScheme& orphan : store->orphans()) {
        const Reply reply = host_.ask("Recovery", recoveryQuestion(orphan), true);
        if (reply == Reply::No) RecoveryStore::discard(orphan);
        if (reply != Reply::Yes) continue;
        Scheme recovered;
        try {
            RecoveryStore::reopen(orphan, recovered);
        } catch (const FileError& e) {
            host_.message(Box::Error, std::string(e.what()) + ": the copy is kept for the next start.");
            continue;
        }
        files_.takeRecovered(recovered, orphan.fileName);
        // The orphan goes only once this workbench holds a copy of its own.
        keepRecovery();
        if (store->holdsCopy()) RecoveryStore::discard(orphan);
        return true;
    }
    return false;
}

}  // namespace velmar::gui
