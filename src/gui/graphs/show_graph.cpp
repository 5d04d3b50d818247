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

namespace {

std::vector<TFormGraphPg*> recorderViewers(QWidget* parent) {
    std::vector<TFormGraphPg*> found;
    for (TFormGraphPg* v : parent->findChildren<TFormGraphPg*>(QString(), Qt::FindDirectChildrenOnly))
        if (v->recorder() != 0) found.push_back(v);
    return found;
}

}  // namespace

TFormGraphPg& recorderViewer(QWidget* parent, int recorder) {
    for (TFormGraphPg* v : recorderViewers(parent))
        if (v->recorder() == recorder) return *v;
    return *new TFormGraphPg(parent, recorder);
}

std::vector<TFormGraphPg*> openRecorderViewers(QWidget* parent) {
    std::vector<TFormGraphPg*> open = recorderViewers(parent);
    std::erase_if(open, [](const TFormGraphPg* v) { return !v->isVisible(); });
    return open;
}

int ShowGraph(const velmar::Diagrams& diagrams, int kind, QWidget* parent, bool variableStep,
              const velmar::RunNote& note, const std::vector<std::string>& texts) {
    TFormGraphPg& viewer = graphViewer(parent);
    viewer.setStepIsVariable(variableStep);
    viewer.setRunNote(note);
    return viewer.ShowGraph(diagrams, kind, texts);
}

}  // namespace velmar::gui
