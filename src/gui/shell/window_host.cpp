#include "gui/shell/window_host.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <QMenuBar>

#include "core/analysis/synthesis.h"
#include "core/editor/key_codes.h"
#include "core/workbench/optimisation_session.h"
#include "gui/analysis/dcom_form.h"
#include "gui/analysis/method_form.h"
#include "gui/analysis/optimization_form.h"
#include "gui/analysis/progress_form.h"
#include "gui/analysis/regulator_forms.h"
#include "gui/analysis/value_pages_form.h"
#include "gui/qt_text.h"
#include "gui/shell/form_main.h"

namespace velmar::gui {

namespace {

QStringList qLines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& l : lines) list << QString::fromStdString(l);
    return list;
}

}  // namespace

WindowHost::WindowHost(TFormMain& form, Host& dialogs, bool person)
    : form_(form), dialogs_(&dialogs), person_(person) {}

// The chooser is a child window of the main window; deleted here, before the main
// window's own children go, it takes itself out of their list.
WindowHost::~WindowHost() = default;

void WindowHost::escape() { form_.typeKey(editor::kKeyEsc, false); }

TMethodForm& WindowHost::methods() {
    if (!methods_) methods_ = std::make_unique<TMethodForm>(*this, &form_);
    // The selection panel follows the "S&ynthesis" command's flag.
    methods_->setSelectionShown(form_.workbench().analysis.synthesisShown);
    return *methods_;
}

bool WindowHost::askValues(std::string_view caption, std::vector<ValueRow>& rows, const RowCheck& check) {
    return dialogs_->askValues(caption, rows, check);
}

bool WindowHost::askText(std::string_view caption, std::string_view label, std::string& text,
                         const TextCheck& check) {
    return dialogs_->askText(caption, label, text, check);
}

void WindowHost::message(Box box, std::string_view text) { dialogs_->message(box, form_.say(text)); }

Reply WindowHost::ask(std::string_view caption, std::string_view text, bool withCancel) {
    return dialogs_->ask(form_.say(caption), form_.say(text), withCancel);
}

int WindowHost::showGraph(const Diagrams& diagrams, int kind) { return dialogs_->showGraph(diagrams, kind); }

bool WindowHost::keyWaiting() {
    QCoreApplication::processEvents();
    return form_.keyQueued() || (!person_ && dialogs_->keyWaiting());
}

int WindowHost::readKey() {
    if (!person_ && !form_.keyQueued()) return dialogs_->readKey();
    while (!form_.keyQueued()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return form_.takeKey();
}

MethodCode WindowHost::chooseMethod(MethodList list) { return methods().choose(list); }

MethodCode WindowHost::chooseRelabelled(MethodList list, const std::vector<std::string>& captions) {
    return methods().choose(list, qLines(captions));
}

// The viewer with the texts is the dialog host's, as the plain graph hand-over is.
int WindowHost::showGraphWithTexts(const Diagrams& diagrams, int kind,
                                   const std::vector<std::string>& texts) {
    return dialogs_->showGraphWithTexts(diagrams, kind, texts);
}

void WindowHost::showTransferFunction(const std::vector<std::string>& numeratorLines,
                                      const std::vector<std::string>& denominatorLines) {
    methods().showTransferFunction(qLines(numeratorLines), qLines(denominatorLines));
    dialogs_->showTransferFunction(numeratorLines, denominatorLines);
}

void WindowHost::statusMessage(std::string_view text) {
    const std::string said = form_.say(text);
    form_.statusMessage(QString::fromStdString(said));
    dialogs_->statusMessage(said);
}

void WindowHost::progress(const ProgressInfo& info) {
    form_.statusLine().progress(info);
    dialogs_->progress(info);
}

void WindowHost::showThumbnail(const Thumbnail& thumbnail) {
    form_.canvas().setThumbnail(thumbnail);
    dialogs_->showThumbnail(thumbnail);
}

void WindowHost::clearCanvas() {
    form_.redrawAll();
    dialogs_->clearCanvas();
}

void WindowHost::canvasText(int x, int y, std::string_view text) {
    form_.canvas().drawText(x, y, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    dialogs_->canvasText(x, y, text);
}

// A warning is written across the top of the canvas, where it stays until the next
// redraw, and in the status line.
void WindowHost::warning(std::string_view text) {
    canvasText(4, 2, text);
    statusMessage(text);
}

void WindowHost::clearReport() {
    methods().clearReport();
    dialogs_->clearReport();
}

void WindowHost::report(std::string_view line) {
    methods().report(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
    dialogs_->report(line);
}

void WindowHost::scanProgress(const ScanProgress& progress) {
    if (!progress_) progress_ = std::make_unique<TPrgBarForm>([this] { escape(); }, &form_);
    progress_->showProgress(progress);
    dialogs_->scanProgress(progress);
}

void WindowHost::showDDecomposition(const DDecompositionMap& map) {
    dialogs_->showDDecomposition(map);
    TDComForm window(map, form_.action("RussianLang")->isChecked(), &form_);
    window.exec();
}

void WindowHost::openOptimisation(int block) {
    dialogs_->openOptimisation(block);
    OptimisationSession session(form_.workbench(), block);
    TOptimizationForm window(
        session, *this, [this] { escape(); }, &form_);
    // While the window is open the main window has no menu.
    form_.menuBar()->hide();
    optimization_ = &window;
    window.exec();
    optimization_ = nullptr;
    form_.menuBar()->show();
    form_.activateWindow();
    form_.redrawAll();
}

void WindowHost::optimisationProgress(int evaluations, Extended value) {
    if (optimization_) optimization_->showProgress(evaluations, value);
    dialogs_->optimisationProgress(evaluations, value);
}

void WindowHost::showCounter(std::string_view caption, std::string_view label, int count) {
    if (!tuning_) tuning_ = std::make_unique<TuningProgressForm>([this] { escape(); }, &form_);
    tuning_->showCount(qText(caption), qText(label), count);
    dialogs_->showCounter(caption, label, count);
}

// The Ti values window is the one page set with its caption; any other is "System
// Parameters".
bool WindowHost::askValuePages(std::vector<ValueList>& pages, const RowCheck& check) {
    if (pages.size() == 1 && pages.front().caption == kTiValuesCaption) {
        TiValuesForm window(pages, check, *this, &form_);
        return window.exec() == QDialog::Accepted;
    }
    TformSysP window(pages, check, *this, &form_);
    return window.exec() == QDialog::Accepted;
}

bool WindowHost::askChoices(std::string_view caption, std::vector<ChoiceRow>& rows) {
    TFormRegMain window(qText(caption), rows, &form_);
    if (window.exec() != QDialog::Accepted) return false;
    const std::vector<int> chosen = window.chosen();
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i].index = chosen[i];
    return true;
}

bool WindowHost::showTable(const ResultTable& table) {
    dialogs_->showTable(table);
    TForm2 window(table, &form_);
    window.exec();
    return window.pressed();
}

}  // namespace velmar::gui
