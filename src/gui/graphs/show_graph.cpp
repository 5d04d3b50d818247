#include "gui/graphs/show_graph.h"

#include <QApplication>
#include <QPointer>

#include "gui/graphs/graph_viewer.h"

namespace velmar::gui {

TFormGraphPg& graphViewer(QWidget* parent) {
    static QPointer<TFormGraphPg> viewer;
    if (viewer.isNull()) {
        viewer = new TFormGraphPg(parent);
        if (parent == nullptr)
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, viewer.data(), &QObject::deleteLater);
    }
    return *viewer;
}

int ShowGraph(const velmar::Diagrams& diagrams, int kind, QWidget* parent, bool variableStep,
              const velmar::RunNote& note, const std::vector<std::string>& texts) {
    TFormGraphPg& viewer = graphViewer(parent);
    viewer.setStepIsVariable(variableStep);
    viewer.setRunNote(note);
    return viewer.ShowGraph(diagrams, kind, texts);
}

}  // namespace velmar::gui
