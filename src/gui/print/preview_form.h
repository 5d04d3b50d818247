// TPrePrnForm, the print preview ("Preview"): the print picture on a page of the
// printer's size, with a page zoom and an object zoom, dragging of the picture on the
// page, the clipboard, the user's image program and printing.
#pragma once

#include <QDialog>
#include <QImage>

#include "core/print/print_layout.h"
#include "gui/print/print_prompts.h"

class QComboBox;
class QPrinter;
class QScrollArea;

namespace velmar::gui {

class PreviewPage;

class TPrePrnForm : public QDialog {
    Q_OBJECT
public:
    explicit TPrePrnForm(QPrinter& printer, QWidget* parent = nullptr);

    // Shows the picture modally, then forgets it.
    void preview(const QImage& picture);

    void setPrintImage(const QImage& picture);
    const QImage& printImage() const { return ImagePrn; }
    // Lays the page out afresh: both zooms 100 %, the picture centred at the top.
    void showPreview();

    int pageZoom() const { return pageZoom_; }
    int objectZoom() const { return objectZoom_; }
    const velmar::Placement& placement() const { return placement_; }
    QSizeF pageSize() const { return page_; }
    QComboBox* zoomBox() const { return ZoomComboBox; }
    QComboBox* objectZoomBox() const { return ComboBox1; }
    PreviewPage* pageImage() const { return PrePrnImage; }

    // The picture moved to a new top-left corner, in displayed pixels.
    void dropPicture(QPoint displayedTopLeft);

public slots:
    // The print dialog, then the picture as placed; says where it went. True when printed.
    bool PrintBtnClick();
    void PrintSetBtnClick();
    void CopyBtnClick();
    void PasteBtnClick();
    bool SpeedButton1Click();
    void ZoomComboBoxCommit();
    void ComboBox1Commit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyPageZoom();
    void applyObjectZoom(int percent);
    void drawPage();

    QPrinter& printer_;
    QImage ImagePrn;
    QImage scaled_;  // the picture at the object zoom
    QSizeF page_;
    int pageZoom_ = 100;
    int objectZoom_ = 100;
    velmar::PageZoomChoice::Kind pageFit_ = velmar::PageZoomChoice::Kind::Percent;
    velmar::Placement placement_;

    QComboBox* ZoomComboBox = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    QWidget* PrePrnPanel = nullptr;
    PreviewPage* PrePrnImage = nullptr;
};

// The page image: paints the page with the picture and lets the picture be dragged.
class PreviewPage : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPage(TPrePrnForm& form, QWidget* parent);
    QImage& image() { return image_; }
    void setPictureRect(const QRect& r) { picture_ = r; }
    QRect pictureRect() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TPrePrnForm& form_;
    QImage image_;
    QRect picture_;
    bool dragging_ = false;
    QPoint grip_;
    QRect focus_;  // the focus rectangle that follows the mouse
};

// The preview the program's print commands share; made on first use.
TPrePrnForm& printPreviewForm();

// The main window's print commands on the scheme canvas.
void PrintPreviewScheme(QWidget* parent, const QImage& printPicture, const velmar::Scheme& scheme);
void PrinterSetup(QWidget* parent);
// Runs the print dialog and prints the scheme picture centred on one page.
PrintOutcome PrintScheme(QWidget* parent, const QImage& printPicture, const velmar::Scheme& scheme);

}  // namespace velmar::gui
