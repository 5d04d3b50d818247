#include "gui/graphs/point_grid.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QScreen>
#include <QTableWidget>

#include "core/numtext.h"

namespace velmar::gui {

namespace {

constexpr int kNormalWidth = 360, kNormalHeight = 420;

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

QString pointText(Extended v) { return QString::fromStdString(generalText(v, 9, 4)); }

}  // namespace

TPntGridForm::TPntGridForm(QWidget* parent) : QMainWindow(parent), StringGrid1(new QTableWidget(1, 3, this)) {
    setObjectName("PntGridForm");
    setWindowTitle("Points");
    setWindowFlag(Qt::Window);
    StringGrid1->setObjectName("StringGrid1");
    StringGrid1->setHorizontalHeaderLabels({"NN", "X", "Y"});
    StringGrid1->verticalHeader()->setVisible(false);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    setCentralWidget(StringGrid1);

    QMenu* options = menuBar()->addMenu("&Опции");
    options->menuAction()->setObjectName("Options1");
    QAction* onTop = options->addAction("Всегда &сверху");
    onTop->setObjectName("OnTop1");
    onTop->setCheckable(true);
    connect(onTop, &QAction::toggled, this, &TPntGridForm::OnTopClick);
    options->addAction("Вверху справа", this, &TPntGridForm::TopRightClick)->setObjectName("TopRight1");
    options->addAction("Вверху слева", this, &TPntGridForm::TopLeftClick)->setObjectName("TopLeft1");
    options->addSeparator();
    options->addAction("&Нормальная", this, &TPntGridForm::NormalSizeClick)->setObjectName("Normal1");
    options->addAction("&Большая", this, &TPntGridForm::LargeSizeClick)->setObjectName("Large1");
    QAction* back = menuBar()->addAction("&Окно просмотра графиков");
    back->setObjectName("GraphWindow1");
    connect(back, &QAction::triggered, this, &TPntGridForm::backToViewer);
    resize(kNormalWidth, kNormalHeight);
}

void TPntGridForm::showSlot(const Slot& slot) {
    StringGrid1->clearContents();
    const int n = slot.count();
    StringGrid1->setRowCount(std::max(n, 1));
    for (int i = 0; i < n; ++i) {
        StringGrid1->setItem(i, 0, cell(QString::number(i)));
        StringGrid1->setItem(i, 1, cell(pointText(slot.x(i))));
        StringGrid1->setItem(i, 2, cell(pointText(slot.y(i))));
    }
}

void TPntGridForm::selectPoint(int index) {
    if (index < 0 || index >= StringGrid1->rowCount()) return;
    StringGrid1->selectRow(index);
    StringGrid1->scrollToItem(StringGrid1->item(index, 0));
}

void TPntGridForm::OnTopClick(bool on) {
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    show();
}

void TPntGridForm::TopRightClick() {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    move(screen.right() - frameGeometry().width() + 1, screen.top());
}

void TPntGridForm::TopLeftClick() { move(QGuiApplication::primaryScreen()->availableGeometry().topLeft()); }

void TPntGridForm::NormalSizeClick() { resize(kNormalWidth, kNormalHeight); }

void TPntGridForm::LargeSizeClick() {
    resize(kNormalWidth * 3 / 2, QGuiApplication::primaryScreen()->availableGeometry().height() - 60);
}

}  // namespace velmar::gui
