#include "gui/shell/recovery_keeper.h"

#include <QTimer>

#include "core/editor/file_session.h"
#include "core/errors.h"
#include "core/shell/shell_texts.h"
#include "gui/shell/shell_state.h"
#include "gui/shell/status_line.h"

namespace velmar::gui {

namespace {

constexpr int kRecoveryInterval = 60 * 1000;

}  // namespace

RecoveryKeeper::RecoveryKeeper(QObject* parent, ShellState& shell, editor::FileSession& files, Scheme& scheme,
                               Host& host, StatusLine& status)
    : QObject(parent), shell_(shell), files_(files), scheme_(scheme), host_(host), status_(status) {}

void RecoveryKeeper::start(const std::filesystem::path& userStateFolder) {
    std::error_code ec;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(ec);
    try {
        if (!ec) shell_.presence.emplace(temporary);
    } catch (const FileError&) {
        // Unmarked, this workbench is not seen by others: it then keeps the shared
        // temporary files at exit, as if others ran.
    }
    if (userStateFolder.empty()) return;
    shell_.recovery = std::make_unique<RecoveryStore>(userStateFolder / "recovery");
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &RecoveryKeeper::keep);
    timer_->start(kRecoveryInterval);
}

void RecoveryKeeper::setInterval(int milliseconds) {
    if (timer_) timer_->start(milliseconds);
}

void RecoveryKeeper::stop() {
    if (timer_) timer_->stop();
    shell_.recovery.reset();
}

void RecoveryKeeper::keep() {
    RecoveryStore* store = shell_.recovery.get();
    if (!store) return;
    if (files_.isSaved()) {
        store->drop();
        return;
    }
    try {
        store->keep(scheme_, files_.fileName());
    } catch (const FileError& e) {
        status_.message(QString::fromStdString("The recovery copy cannot be kept: " + std::string(e.what())));
    }
}

bool RecoveryKeeper::offer() {
    RecoveryStore* store = shell_.recovery.get();
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
        keep();
        if (store->holdsCopy()) RecoveryStore::discard(orphan);
        return true;
    }
    return false;
}

}  // namespace velmar::gui
