// Until the graph viewer is part of the window, the curves are listed point by point.
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialog_host.h"
#include "numtext.h"

namespace velmar::gui {

int showGraphWindow(QWidget* owner, const Diagrams& diagrams, int kind) {
    QDialog window(owner);
    window.setObjectName("FormGraphPg");
    window.setWindowTitle("Graph viewer");
    auto* layout = new QVBoxLayout(&window);
    auto* table = new QTableWidget(&window);
    int rows = 0;
    QStringList headers;
    std::vector<const Diagram*> present;
    for (const Diagram& d : diagrams)
        if (d.present()) {
            present.push_back(&d);
            rows = std::max(rows, d.count);
            headers << QString::fromStdString(d.name) + " X" << QString::fromStdString(d.name) + " Y";
        }
    table->setColumnCount(static_cast<int>(present.size()) * 2);
    table->setRowCount(rows);
    table->setHorizontalHeaderLabels(headers);
    for (std::size_t k = 0; k < present.size(); ++k)
        for (int i = 0; i < present[k]->count; ++i) {
            const int column = static_cast<int>(k) * 2;
            table->setItem(i, column, new QTableWidgetItem(QString::fromStdString(generalText(present[k]->x[i], 9, 4))));
            table->setItem(i, column + 1, new QTableWidgetItem(QString::fromStdString(generalText(present[k]->y[i], 9, 4))));
        }
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    layout->addWidget(table);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    layout->addWidget(buttons);
    window.setProperty("kind", kind);
    window.resize(520, 480);
    window.exec();
    return kGraphEsc;
}

}  // namespace velmar::gui
