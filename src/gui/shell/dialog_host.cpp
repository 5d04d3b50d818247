#include "gui/shell/dialog_host.h"

#include <QMessageBox>

#include "core/scripted_host.h"
#include "gui/message_box.h"
#include "gui/qt_text.h"
#include "gui/shell/text_dialog.h"
#include "gui/shell/value_dialog.h"

namespace velmar::gui {

namespace {

QMessageBox::Icon iconOf(Box box) {
    switch (box) {
        case Box::Error: return QMessageBox::Critical;
        case Box::Information: return QMessageBox::Information;
        case Box::Warning: return QMessageBox::Warning;
        case Box::Plain: return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

bool DialogHost::askValues(std::string_view caption, std::vector<ValueRow>& rows, const RowCheck& check) {
    TGMenu21Form dialog(qText(caption), rows, check, *this, owner_);
    return dialog.exec() == QDialog::Accepted;
}

bool DialogHost::askText(std::string_view caption, std::string_view label, std::string& text,
                         const TextCheck& check) {
    TTextForm dialog(qText(caption), qText(label), text, check, *this, owner_);
    return dialog.exec() == QDialog::Accepted;
}

void DialogHost::message(Box box, std::string_view text) {
    QMessageBox m(iconOf(box), qText(say_(boxCaption(box))), qText(text), QMessageBox::Ok, owner_);
    fitTitle(m);
    m.exec();
}

Reply DialogHost::ask(std::string_view caption, std::string_view text, bool withCancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel) buttons |= QMessageBox::Cancel;
    // A carriage return in a question is its line break.
    QMessageBox m(QMessageBox::Question, qText(caption), qText(text).replace('\r', '\n'), buttons, owner_);
    fitTitle(m);
    switch (m.exec()) {
        case QMessageBox::Yes: return Reply::Yes;
        case QMessageBox::No: return Reply::No;
        default: return withCancel ? Reply::Cancel : Reply::No;
    }
}

int DialogHost::showGraph(const Diagrams& diagrams, int kind) {
    return showGraphWindow(owner_, diagrams, kind);
}

int DialogHost::showGraphWithTexts(const Diagrams& diagrams, int kind,
                                   const std::vector<std::string>& texts) {
    return showGraphWindow(owner_, diagrams, kind, texts);
}

}  // namespace velmar::gui
