#include "gui/shell/parameter_panel.h"

#include <QElapsedTimer>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QSlider>
#include <QVBoxLayout>

#include "core/errors.h"
#include "core/grid/parameter_grid.h"
#include "core/numtext.h"
#include "gui/graphs/graph_viewer.h"
#include "gui/shell/dialog_host.h"
#include "gui/shell/form_main.h"

namespace velmar::gui {

namespace {

QString qText(const std::string& s) { return QString::fromStdString(s); }
QString shownValue(Extended x) { return qText(valueText(Real48(x))); }

// The panel's fields and sliders keep the keys a person types into them: without this
// the main window's key items (arrows, digits, Enter) would move the scheme's cursor.
// Esc, Tab, the function keys and anything with Ctrl or Alt stay the window's.
class KeepTypedKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto* k = static_cast<QKeyEvent*>(event);
            const bool windowKey = (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) ||
                                   k->key() == Qt::Key_Escape || k->key() == Qt::Key_Tab ||
                                   (k->key() >= Qt::Key_F1 && k->key() <= Qt::Key_F35);
            if (!windowKey) event->accept();
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

TParameterPanel::TParameterPanel(TFormMain& form) : QDockWidget(&form), form_(form) {
    setObjectName("LiveParametersDock");
    setWindowTitle("Live Parameters");
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    auto* scroll = new QScrollArea(body);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    rowsBox_ = new QWidget(scroll);
    grid_ = new QGridLayout(rowsBox_);
    grid_->setAlignment(Qt::AlignTop);
    scroll->setWidget(rowsBox_);
    layout->addWidget(scroll, 1);
    status_ = new QLabel(body);
    status_->setObjectName("LiveStatus");
    status_->setWordWrap(true);
    layout->addWidget(status_);
    setWidget(body);
    setMinimumWidth(330);
    keyFilter_ = new KeepTypedKeys(this);

    coalesce_.setSingleShot(true);
    coalesce_.setInterval(0);
    connect(&coalesce_, &QTimer::timeout, this, &TParameterPanel::runWaiting);
    retry_.setSingleShot(true);
    retry_.setInterval(100);
    connect(&retry_, &QTimer::timeout, this, &TParameterPanel::runWaiting);
    poll_.setInterval(300);
    connect(&poll_, &QTimer::timeout, this, &TParameterPanel::sync);
    // Only timers here: the signal also comes while the window is being taken down.
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool shown) {
        if (!shown) return poll_.stop();
        poll_.start();
        QTimer::singleShot(0, this, &TParameterPanel::sync);
    });
}

TParameterPanel::~TParameterPanel() = default;

QString TParameterPanel::statusText() const { return status_->text(); }

void TParameterPanel::setStatus(const QString& text) {
    status_->setText(QString::fromStdString(form_.say(text.toStdString())));
}

bool TParameterPanel::live() const {
    return form_.editorState().regime == editor::Regime::Run && form_.workbench().compiled != nullptr;
}

void TParameterPanel::sync() {
    // Values offered but not yet run are the panel's, not the scheme's.
    if (!idle()) return;
    const Workbench& wb = form_.workbench();
    const std::vector<LiveParameter> list = markedParameters(wb.scheme, wb.names);
    const bool same = list.size() == rows_.size() &&
                      std::equal(list.begin(), list.end(), rows_.begin(),
                                 [](const LiveParameter& p, const Row& r) { return p.sameTarget(r.param); });
    if (!same) {
        rebuild(list);
    } else {
        for (std::size_t i = 0; i < list.size(); ++i) {
            Row& row = rows_[i];
            const bool changed = !(row.param.value == list[i].value) || row.param.block != list[i].block;
            if (!changed || row.value->hasFocus()) continue;
            row.param = list[i];
            row.range = rangeFor(row.range, row.param.value);
            showRow(row);
        }
    }
    const bool on = live();
    rowsBox_->setEnabled(on);
    if (!on) setStatus("Enter the Run regime (Ctrl+R) to vary the marked parameters.");
    else if (rows_.empty())
        setStatus("No parameter is marked: tick \"Mark\" in a block's parameters (Enter on the block).");
    else if (runs_ == 0 || !same) setStatus("Move a slider or type a value: the scheme runs again.");
}

void TParameterPanel::rebuild(const std::vector<LiveParameter>& list) {
    for (Row& row : rows_)
        for (QWidget* w : {static_cast<QWidget*>(row.name), static_cast<QWidget*>(row.slider),
                           static_cast<QWidget*>(row.value), static_cast<QWidget*>(row.low),
                           static_cast<QWidget*>(row.high)})
            delete w;
    rows_.clear();
    // A change begun on the rows that go belongs to the scheme they showed.
    before_.reset();
    dragging_ = false;
    for (const LiveParameter& p : list) {
        const std::size_t i = rows_.size();
        Row row{p, rangeAround(p.value)};
        row.name = new QLabel(rowsBox_);
        row.slider = new QSlider(Qt::Horizontal, rowsBox_);
        row.slider->setRange(0, kSliderSteps);
        row.value = new QLineEdit(rowsBox_);
        row.low = new QLineEdit(rowsBox_);
        row.high = new QLineEdit(rowsBox_);
        row.value->setToolTip(QString::fromStdString(form_.say("The value: typed, or read off the slider")));
        QFont bold = row.value->font();
        bold.setBold(true);
        row.value->setFont(bold);
        row.value->setAlignment(Qt::AlignCenter);
        row.high->setAlignment(Qt::AlignRight);
        for (QLineEdit* end : {row.low, row.high})
            end->setToolTip(QString::fromStdString(
                form_.say("An end of the slider's range; the value must lie within it")));
        for (QWidget* w : {static_cast<QWidget*>(row.slider), static_cast<QWidget*>(row.value),
                           static_cast<QWidget*>(row.low), static_cast<QWidget*>(row.high)})
            w->installEventFilter(keyFilter_);
        // The name, the slider across, and under it the range's ends with the value between.
        const int line = static_cast<int>(i) * 3;
        grid_->addWidget(row.name, line, 0, 1, 3);
        grid_->addWidget(row.slider, line + 1, 0, 1, 3);
        grid_->addWidget(row.low, line + 2, 0);
        grid_->addWidget(row.value, line + 2, 1);
        grid_->addWidget(row.high, line + 2, 2);
        connect(row.slider, &QSlider::valueChanged, this,
                [this, i](int position) { sliderMoved(i, position); });
        connect(row.slider, &QSlider::sliderPressed, this, [this] { dragging_ = true; });
        connect(row.slider, &QSlider::sliderReleased, this, [this] {
            dragging_ = false;
            endStep();
        });
        connect(row.value, &QLineEdit::editingFinished, this, [this, i] { valueTyped(i); });
        connect(row.low, &QLineEdit::editingFinished, this, [this, i] { rangeTyped(i); });
        connect(row.high, &QLineEdit::editingFinished, this, [this, i] { rangeTyped(i); });
        rows_.push_back(row);
        showRow(rows_.back());
    }
}

void TParameterPanel::showRow(Row& row) {
    row.name->setText(
        QString("<b>%1</b>&nbsp;&nbsp;%2")
            .arg(qText(row.param.name()).toHtmlEscaped(), qText(row.param.block).toHtmlEscaped()));
    const QSignalBlocker quiet(row.slider);
    row.slider->setValue(sliderPosition(row.range, row.param.value));
    row.value->setText(qText(valueText(row.param.value)));
    row.low->setText(shownValue(row.range.low));
    row.high->setText(shownValue(row.range.high));
}

void TParameterPanel::sliderMoved(std::size_t row, int position) {
    const Real48 value = sliderValue(rows_[row].range, position);
    rows_[row].value->setText(qText(valueText(value)));
    offer(row, value);
}

void TParameterPanel::valueTyped(std::size_t row) {
    Row& r = rows_[row];
    const std::string text = r.value->text().toStdString();
    if (text == valueText(r.param.value)) return;  // focus left without a change
    const auto typed = parseValueText(text);
    std::optional<Real48> value;
    try {
        if (typed) value = Real48(*typed);
    } catch (const MathError& e) { setStatus(e.what()); }
    if (!value) {
        if (!typed) setStatus(qText(notANumberMessage(r.param.label, text)));
        r.value->setText(qText(valueText(r.param.value)));
        return;
    }
    r.range = rangeFor(r.range, *value);
    r.param.value = *value;
    showRow(r);
    offer(row, *value);
}

void TParameterPanel::rangeTyped(std::size_t row) {
    Row& r = rows_[row];
    const auto low = parseValueText(r.low->text().toStdString());
    const auto high = parseValueText(r.high->text().toStdString());
    const auto range = low && high ? editedRange(*low, *high, r.param.value) : std::nullopt;
    if (range) r.range = *range;
    else
        setStatus("A range runs from a lower to a higher number and holds the value " +
                  qText(valueText(r.param.value)) + ".");
    showRow(r);
}

void TParameterPanel::offer(std::size_t row, Real48 value) {
    if (!before_) before_ = editor::UndoHistory::stateOf(form_.workbench().scheme);
    Row& r = rows_[row];
    r.param.value = value;
    if (!changes_.offer({r.param.element, r.param.row, value})) {
        coalesce_.start();
        return;
    }
    // A newer value supersedes the run in progress. A stopped variable-step run counts
    // as failed and leaves Run, so that one is left to finish.
    Workbench& wb = form_.workbench();
    if (wb.settings.VariableStep == 0) wb.run.UserStop = true;
}

std::string TParameterPanel::write(const LiveChange& change) {
    Workbench& wb = form_.workbench();
    const auto row = std::find_if(rows_.begin(), rows_.end(), [&](const Row& r) {
        return r.param.element == change.element && r.param.row == change.row;
    });
    try {
        if (row == rows_.end() || !writeParameter(wb, {change.element, change.row}, change.value))
            return "The scheme has no element " + std::to_string(change.element) + ".";
    } catch (const MathError& e) { return e.what(); }
    // A block with a dialog of its own may number its rows otherwise: say so rather than
    // run with a value that did not arrive.
    const ParameterRef kept = parameterByLabel(wb.scheme.element(change.element), row->param.label);
    if (!kept.param || !(kept.param->Value == change.value))
        return "Element " + row->param.name() + " does not take a value from the panel.";
    return {};
}

void TParameterPanel::runWaiting() {
    if (changes_.running() || !changes_.waiting()) return;
    const TFormGraphPg* viewer = analysisViewer();
    if (!liveRunAllowed(form_.busy(), viewer ? viewer->showDepth() : 0)) {
        setStatus("Waiting until the window's command ends...");
        retry_.start();
        return;
    }
    if (!live()) {
        changes_.drop();
        endStep();
        sync();
        return;
    }
    struct Busy {
        TFormMain& form;
        bool was = form.busy();
        ~Busy() { form.setBusy(was); }
    } busy{form_};
    form_.setBusy(true);
    Workbench& wb = form_.workbench();
    for (std::vector<LiveChange> batch = changes_.take(); !batch.empty(); batch = changes_.take()) {
        QElapsedTimer clock;
        clock.start();
        std::string problem;
        for (const LiveChange& change : batch)
            if (std::string p = write(change); !p.empty()) problem = std::move(p);
        wb.run.UserStop = false;
        const LiveRunResult result = runWithoutDialogs(wb);
        ++runs_;
        // A run that ended without results has nothing to draw in the recorders.
        if (result.outcome != RunOutcome::Completed) {
            form_.canvas().clearThumbnails();
            form_.redrawAll();
        }
        refreshViewers();
        if (problem.empty()) problem = result.problem;
        setStatus(problem.empty() ? QString("Run %1 took %2 ms.").arg(runs_).arg(clock.elapsed())
                                  : qText(problem));
    }
    endStep();
}

void TParameterPanel::endStep() {
    if (!before_ || dragging_ || !idle()) return;
    form_.recordChange(*before_);
    before_.reset();
}

TFormGraphPg* TParameterPanel::analysisViewer() const {
    for (TFormGraphPg* viewer : form_.findChildren<TFormGraphPg*>())
        if (viewer->recorder() == 0 && viewer->isVisible()) return viewer;
    return nullptr;
}

void TParameterPanel::refreshViewers() {
    // The recorders' viewers hold copies of their curves: they take the new ones.
    followRecorders(form_);
    TFormGraphPg* viewer = analysisViewer();
    if (viewer == nullptr) return;
    if (auto shown = recomputeFrequency(form_.workbench(), viewer->diagramSlots().kind())) {
        Diagrams diagrams;
        diagrams[0] = {shown->curve.x.data(), shown->curve.y.data(), static_cast<int>(shown->curve.x.size()),
                       "Indicator"};
        viewer->open(diagrams, shown->kind);
        viewerCurve_ = std::move(shown->curve);
    }
}

TParameterPanel* installParameterPanel(TFormMain& form) {
    auto* panel = new TParameterPanel(form);
    form.addDockWidget(Qt::RightDockWidgetArea, panel);
    panel->hide();
    QAction* toggle = panel->toggleViewAction();
    toggle->setObjectName("LiveParameters1");
    toggle->setText("&Live Parameters");
    toggle->setStatusTip("Sliders for the marked parameters: the scheme runs again as they move");
    if (QMenu* tools = form.findChild<QMenu*>("Tools1Menu")) {
        tools->addSeparator();
        tools->addAction(toggle);
    }
    return panel;
}

}  // namespace velmar::gui
