// The viewer's point files and printing.
#include <QPrinter>

#include "core/errors.h"
#include "core/graphs/point_file.h"
#include "gui/comments/text_windows.h"
#include "gui/graphs/graph_canvas.h"
#include "gui/graphs/graph_viewer.h"
#include "gui/print/preview_form.h"
#include "gui/print/print_compose.h"
#include "gui/print/print_page.h"
#include "gui/print/print_prompts.h"
#include "gui/viewer_dialogs.h"

namespace velmar::gui {

void TFormGraphPg::loadPointFile(const QString& path) {
    PointFileContent content;
    try {
        content = readPointFile(path.toStdString());
    } catch (const FileError& e) {
        showError(QString::fromStdString(e.what()));
        return;
    }
    Slot& current = slots_.currentSlot();
    switch (content.kind) {
        case PointFileContent::Kind::NotPointFile: return;
        case PointFileContent::Kind::Foreign: current.diagram.name.clear(); break;
        case PointFileContent::Kind::Loaded: {
            const int count = static_cast<int>(content.x.size());
            slots_.put(slots_.current(),
                       ownedSlot(std::move(content.x), std::move(content.y), count, content.name));
            slots_.pointFileName = path.toStdString();
            break;
        }
    }
    reading_ = false;
    syncSlotButtons();
    slotsChanged();
}

bool TFormGraphPg::writePointFile(const QString& path) {
    const Slot& current = slots_.currentSlot();
    if (!current.present()) return false;
    try {
        velmar::writePointFile(path.toStdString(), slots_.heading().title, current.diagram, variableStep_);
    } catch (const FileError& e) {
        showError(QString::fromStdString(e.what()));
        return false;
    }
    slots_.pointFileName = path.toStdString();
    return true;
}

void TFormGraphPg::OpenPNTClick() {
    const QString path =
        viewerDialogs().pointFileName(this, false, QString::fromStdString(slots_.pointFileName));
    if (!path.isEmpty()) loadPointFile(path);
}

void TFormGraphPg::SavePNTClick() {
    if (slots_.pointFileName.empty()) SaveAsPNTClick();
    else writePointFile(QString::fromStdString(slots_.pointFileName));
}

void TFormGraphPg::SaveAsPNTClick() {
    if (!slots_.currentSlot().present()) return;
    const QString path =
        viewerDialogs().pointFileName(this, true, QString::fromStdString(slots_.pointFileName));
    if (!path.isEmpty()) writePointFile(path);
}

void TFormGraphPg::PrintPreview1Click() { printPreviewForm().preview(printPicture()); }

void TFormGraphPg::PrintSetupPNTClick() { printPrompts().setup(sharedPrinter(), this); }

void TFormGraphPg::PrintPNTClick() {
    const QImage picture = printPicture();
    printAndTell(sharedPrinter(), this, [&](QPrinter& printer) { return printCentred(printer, picture); });
}

}  // namespace velmar::gui
