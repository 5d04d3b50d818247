// Print composition, the preview's zooms, dragging, clipboard and image program, and
// printing into a PDF that is rendered back to check the picture is on the page.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "core/model/scheme.h"
#include "gui/print/preview_form.h"
#include "gui/print/print_compose.h"
#include "gui/print/print_page.h"
#include "gui/print/print_prompts.h"

using namespace velmar;
using namespace velmar::gui;

namespace {

// A picture with a red block filling it and a green corner mark.
QImage testPicture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter(&image).fillRect(0, 0, w / 4, h / 4, Qt::green);
    return image;
}

// Renders the first page of a PDF at `dpi` with pdftoppm.
QImage renderPdf(const QString& pdf, int dpi) {
    const QString prefix = pdf + "-page";
    QProcess::execute("pdftoppm",
                      {"-png", "-r", QString::number(dpi), "-f", "1", "-l", "1", "-singlefile", pdf, prefix});
    return QImage(prefix + ".png");
}

int countNear(const QImage& image, QColor colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) < 40 && std::abs(c.green() - colour.green()) < 40 &&
                std::abs(c.blue() - colour.blue()) < 40)
                ++n;
        }
    return n;
}

}  // namespace

class PrintPreviewTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<TPrePrnForm> form;

private slots:
    void init() {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(dir.filePath("out.pdf"));
        form = std::make_unique<TPrePrnForm>(*printer);
        form->resize(700, 600);
        form->setPrintImage(testPicture(200, 100));
        form->show();
        form->showPreview();
    }
    void cleanup() {
        form.reset();
        printer.reset();
    }

    void schemePictureIsCutToTheUsedCellsAndWhatIsDrawnBeyond() {
        Scheme scheme;
        QImage picture(1890, 990, QImage::Format_RGB32);  // the canvas drawn for print
        picture.fill(Qt::white);
        QCOMPARE(composeSchemePrint(picture, scheme).size(), QSize(0, 0));
        scheme.PutCell(1, 1, 17);  // a node in the first drawn cell: canvas pixels from (0, 0)
        picture.setPixelColor(5, 5, Qt::black);
        picture.setPixelColor(7, 5, QColor(128, 128, 128));  // anti-aliased text keeps its grey
        QImage print = composeSchemePrint(picture, scheme);
        QCOMPARE(print.size(), QSize(93, 45));
        QCOMPARE(print.pixelColor(5, 5), QColor(Qt::black));
        QCOMPARE(print.pixelColor(7, 5), QColor(128, 128, 128));
        QCOMPARE(countNear(print, Qt::black), 1);
        // A label written below the cells widens the picture down to it.
        picture.setPixelColor(30, 60, Qt::black);
        print = composeSchemePrint(picture, scheme);
        QCOMPARE(print.size(), QSize(93, 63));
        QCOMPARE(print.pixelColor(30, 60), QColor(Qt::black));
    }

    void graphPictureCarriesBothTexts() {
        const QImage graph = testPicture(300, 200);
        QFont font;
        font.setPixelSize(12);
        const QImage print = composeGraphPrint(graph, "above\nsecond line", font, "below", font);
        const int line = QFontMetrics(font).lineSpacing();
        QCOMPARE(print.height(), 200 + 3 * line);
        QCOMPARE(print.pixelColor(299, 2 * line + 199), QColor(Qt::red));  // the graph sits under two lines
        QVERIFY(countNear(print.copy(0, 0, 300, 2 * line), Qt::black) > 20);
        QVERIFY(countNear(print.copy(0, 2 * line + 200, 300, line), Qt::black) > 10);
        QCOMPARE(composeGraphPrint(graph, "", font, "", font).size(), graph.size());
    }

    void pageZoomTyping() {
        QComboBox* box = form->zoomBox();
        const auto type = [&](const QString& keys) {
            box->lineEdit()->clear();
            QTest::keyClicks(box->lineEdit(), keys);
            QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        };
        type("200");
        QCOMPARE(box->currentText(), QString("150%"));
        QCOMPARE(form->pageZoom(), 150);
        type("0");
        QCOMPARE(form->pageZoom(), 10);
        QCOMPARE(box->currentText(), QString("10%"));
        type("a5x0");  // letters never reach the box
        QCOMPARE(form->pageZoom(), 50);
        const QSize at50 = form->pageImage()->size();
        QCOMPARE(at50.width(), qRound(form->pageSize().width() / 2));
        box->setCurrentText("Whole Page");
        form->ZoomComboBoxCommit();
        QCOMPARE(box->currentText(), QString("Whole Page"));
        QVERIFY(form->pageImage()->height() <= form->findChild<QWidget*>("ScrollBox1")->height());
    }

    void objectZoomAndDragging() {
        const double left = form->placement().left;
        QCOMPARE(form->placement().top, 2.0);
        QCOMPARE(left, (form->pageSize().width() - 200) / 2);
        form->objectZoomBox()->setCurrentText("50");
        form->ComboBox1Commit();
        QCOMPARE(form->objectZoomBox()->currentText(), QString("50%"));
        QCOMPARE(form->placement().width, 100.0);
        form->objectZoomBox()->setCurrentText("x");
        form->ComboBox1Commit();
        QCOMPARE(form->objectZoom(), 50);

        QWidget* page = form->pageImage();
        const QRect shown = form->pageImage()->pictureRect();
        QTest::mousePress(page, Qt::LeftButton, {}, shown.center());
        QMouseEvent move(QEvent::MouseMove, QPointF(shown.center() + QPoint(30, 40)),
                         page->mapToGlobal(QPointF(shown.center() + QPoint(30, 40))), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(page, &move);
        QTest::mouseRelease(page, Qt::LeftButton, {}, shown.center() + QPoint(30, 40));
        QCOMPARE(form->placement().left, shown.left() + 30.0);
        QCOMPARE(form->placement().top, shown.top() + 40.0);
        // Dropped beyond the page it is pulled back in.
        form->dropPicture(QPoint(100000, 100000));
        QCOMPARE(form->placement().left, form->pageSize().width() - 100);
    }

    void clipboardAndImageProgram() {
        form->CopyBtnClick();
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(200, 100));
        QApplication::clipboard()->setImage(testPicture(60, 30));
        form->PasteBtnClick();
        QCOMPARE(form->printImage().size(), QSize(60, 30));
        QCOMPARE(form->objectZoom(), 100);

        QString opened;
        const auto keep = printPrompts().openPicture;
        printPrompts().openPicture = [&](const QString& path) {
            opened = path;
            return true;
        };
        QVERIFY(form->SpeedButton1Click());
        printPrompts().openPicture = keep;
        QCOMPARE(QImage(opened).size(), QSize(60, 30));
    }

    // The Print button opens the print dialog first (here a stand-in): cancelled, nothing
    // is written; confirmed, the page goes to the printer and the button says where.
    void printsThePictureIntoAPdf() {
        const PrintPrompts keep = printPrompts();
        int asked = 0;
        bool confirm = false;
        QStringList told;
        printPrompts().print = [&](QPrinter&, QWidget*) { return ++asked, confirm; };
        printPrompts().tell = [&](QWidget*, const QString& text) { told << text; };
        QFile::remove(printer->outputFileName());
        QVERIFY(!form->PrintBtnClick());
        QCOMPARE(asked, 1);
        QVERIFY(!QFile::exists(printer->outputFileName()));
        QVERIFY(told.isEmpty());
        confirm = true;
        form->objectZoomBox()->setCurrentText("200%");
        form->ComboBox1Commit();
        QVERIFY(form->PrintBtnClick());
        printPrompts() = keep;
        QCOMPARE(asked, 2);
        QCOMPARE(told, QStringList{"Printed to " + QDir::toNativeSeparators(printer->outputFileName())});
        const QImage page = renderPdf(printer->outputFileName(), 96);
        QVERIFY(!page.isNull());
        // At 96 dpi the page holds the picture at its placement, twice its size.
        const velmar::Placement& p = form->placement();
        const QPoint margin =
            printer->pageRect(QPrinter::DevicePixel).topLeft().toPoint() * 96 / printer->resolution();
        const QPoint redSpot = margin + QPoint(int(p.left + 300), int(p.top + 150));
        QCOMPARE(page.pixelColor(redSpot).red() > 200 && page.pixelColor(redSpot).green() < 60, true);
        const int reds = countNear(page, Qt::red);
        QVERIFY2(reds > 400 * 200 * 0.8 && reds < 400 * 200 * 1.2, qPrintable(QString::number(reds)));
        QVERIFY(countNear(page, Qt::green) > 100 * 50 * 0.8);
    }

    void printsCentredOnOnePage() {
        QVERIFY(printCentred(*printer, testPicture(200, 100)));
        const QImage page = renderPdf(printer->outputFileName(), 96);
        const int reds = countNear(page, Qt::red);
        QVERIFY2(reds > 200 * 100 * 0.8 && reds < 200 * 100 * 1.2, qPrintable(QString::number(reds)));
        // Centred across the page.
        int minX = page.width(), maxX = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (page.pixelColor(x, y).red() > 200 && page.pixelColor(x, y).blue() < 60) {
                    minX = std::min(minX, x);
                    maxX = std::max(maxX, x);
                }
        QVERIFY2(std::abs((minX + maxX) / 2 - page.width() / 2) < 12,
                 qPrintable(QString("%1 %2 %3").arg(minX).arg(maxX).arg(page.width())));
    }
};

QTEST_MAIN(PrintPreviewTest)
#include "print_preview_test.moc"
