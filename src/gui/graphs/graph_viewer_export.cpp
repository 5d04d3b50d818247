// The viewer's export: the graph as a PNG picture or an SVG drawing, the shown curves as
// CSV. Every file is written whole beside its name and then renamed over it.
#include <QBuffer>
#include <QFileInfo>
#include <QPainter>

#include "core/errors.h"
#include "core/file_io.h"
#include "core/graphs/shown_curves_csv.h"
#include "gui/comments/text_windows.h"
#include "gui/graphs/graph_canvas.h"
#include "gui/graphs/graph_painter.h"
#include "gui/graphs/graph_viewer.h"
#include "gui/print/print_compose.h"
#include "gui/viewer_dialogs.h"

#ifdef VELMAR_HAVE_SVG
#include <QSvgGenerator>
#endif

namespace velmar::gui {

namespace {

QStringList exportFormats() {
    QStringList formats{"png"};
    if (TFormGraphPg::svgAvailable()) formats << "svg";
    return formats << "csv";
}

QByteArray pngBytes(const QImage& picture) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return buffer.data();
}

// The comment labels as text at their places on the plot.
void paintLabels(QPainter& p, const std::vector<CommentLabel*>& labels, const QColor& colour) {
    for (const CommentLabel* label : labels) {
        if (label->isHidden()) continue;
        p.setFont(label->font());
        p.setPen(colour);
        p.drawText(label->contentsRect().translated(label->pos()), static_cast<int>(label->alignment()),
                   label->text());
    }
}

}  // namespace

void TFormGraphPg::paintPrinted(QPainter& p) {
    paintGraph(p, canvas_->size(), slots_, scale_, area_, printColours());
    paintLabels(p, commentLabels(), printColours().text);
}

QImage TFormGraphPg::printPicture() {
    selectLabel(nullptr);
    QImage graph(canvas_->size(), QImage::Format_RGB32);
    QPainter p(&graph);
    p.setFont(canvas_->font());
    paintPrinted(p);
    p.end();
    return composeGraphPrint(graph, topComments_->text(), topComments_->textFont(), textPad_->text(),
                             textPad_->textFont());
}

bool TFormGraphPg::svgAvailable() {
#ifdef VELMAR_HAVE_SVG
    return true;
#else
    return false;
#endif
}

QByteArray TFormGraphPg::svgDrawing() {
    QBuffer buffer;
#ifdef VELMAR_HAVE_SVG
    selectLabel(nullptr);
    const QSize graph = canvas_->size();
    const QString top = topComments_->text(), bottom = textPad_->text();
    const QFont topFont = topComments_->textFont(), bottomFont = textPad_->textFont();
    const QSize page = graphPrintSize(graph, top, topFont, bottom, bottomFont);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(page);
    svg.setViewBox(QRect(QPoint(0, 0), page));
    svg.setResolution(canvas_->logicalDpiX());  // fonts come out as large as on the screen
    svg.setTitle(QString::fromStdString(slots_.heading().title).trimmed());
    svg.setDescription(windowTitle());
    QPainter p(&svg);
    paintGraphPrint(
        p, graph, [&](QPainter& q) { paintPrinted(q); }, top, topFont, bottom, bottomFont);
    p.end();
#endif
    return buffer.data();
}

bool TFormGraphPg::exportGraph(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (!exportFormats().contains(suffix)) {
        showError(QString("Export writes %1 files, not \"%2\"").arg(exportFormats().join(", "), path));
        return false;
    }
    try {
        if (suffix == "csv") {
            writeShownCurvesCsv(path.toStdString(), slots_);
            return true;
        }
        const QByteArray bytes = suffix == "png" ? pngBytes(printPicture()) : svgDrawing();
        PendingFile file(path.toStdString(),
                         std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
        file.commit();
    } catch (const FileError& e) {
        showError(QString::fromStdString(e.what()));
        return false;
    }
    return true;
}

void TFormGraphPg::ExportGraphClick() {
    const QString path = viewerDialogs().exportFileName(this, exportFormats(), QString());
    if (!path.isEmpty()) exportGraph(path);
}

}  // namespace velmar::gui
