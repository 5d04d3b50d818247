// The host the core talks to while the main window runs: the person-facing dialogs
// (value dialogs, message boxes, questions, the graph viewer) go to the dialog host,
// which is a scripted host in tests; progress, thumbnails, canvas texts, status
// messages, the key queue and the method chooser with its memos belong to the window,
// and what they show is passed on to the dialog host as well so that a test sees it.
// A method is always chosen in the chooser window, a relabelled list too (the
// harmonic sweep's "W( K3 )"); a graph with texts beside its curves goes to the dialog
// host's viewer as a plain graph does. The optimisation, the D-decomposition and its
// "Progress" window, and the regulator synthesis windows are always real windows.
#pragma once

#include <memory>

#include "core/host.h"

namespace velmar::gui {

class TFormMain;
class TMethodForm;
class TOptimizationForm;
class TPrgBarForm;
class TuningProgressForm;

class WindowHost : public Host {
public:
    WindowHost(TFormMain& form, Host& dialogs, bool person);
    ~WindowHost() override;

    bool askValues(std::string_view caption, std::vector<ValueRow>& rows, const RowCheck& check) override;
    bool askText(std::string_view caption, std::string_view label, std::string& text,
                 const TextCheck& check) override;
    void message(Box box, std::string_view text) override;
    Reply ask(std::string_view caption, std::string_view text, bool withCancel) override;
    int showGraph(const Diagrams& diagrams, int kind) override;
    bool keyWaiting() override;
    int readKey() override;
    MethodCode chooseMethod(MethodList list) override;
    void showTransferFunction(const std::vector<std::string>& numeratorLines,
                              const std::vector<std::string>& denominatorLines) override;
    void statusMessage(std::string_view text) override;
    void progress(const ProgressInfo& info) override;
    void showThumbnail(const Thumbnail& thumbnail) override;
    void clearCanvas() override;
    void canvasText(int x, int y, std::string_view text) override;
    void warning(std::string_view text) override;
    void clearReport() override;
    void report(std::string_view line) override;
    int showGraphWithTexts(const Diagrams& diagrams, int kind,
                           const std::vector<std::string>& texts) override;
    MethodCode chooseRelabelled(MethodList list, const std::vector<std::string>& captions) override;
    void scanProgress(const ScanProgress& progress) override;
    void showDDecomposition(const DDecompositionMap& map) override;
    void openOptimisation(int block) override;
    void optimisationProgress(int evaluations, Extended value) override;
    void showCounter(std::string_view caption, std::string_view label, int count) override;
    bool askValuePages(std::vector<ValueList>& pages, const RowCheck& check) override;
    bool askChoices(std::string_view caption, std::vector<ChoiceRow>& rows) override;
    bool showTable(const ResultTable& table) override;

    // The method chooser, made when first needed (null before).
    TMethodForm* methodForm() const { return methods_.get(); }
    // The optimisation window while it is open (null otherwise) and the scan's
    // "Progress" window, made when first needed.
    TOptimizationForm* optimizationForm() const { return optimization_; }
    TPrgBarForm* progressForm() const { return progress_.get(); }

private:
    TMethodForm& methods();
    // Escape into the main window's key queue: stops a search or a scan.
    void escape();

    TFormMain& form_;
    Host* dialogs_;
    bool person_;  // real dialogs: readKey waits for the keyboard
    std::unique_ptr<TMethodForm> methods_;
    std::unique_ptr<TPrgBarForm> progress_;
    std::unique_ptr<TuningProgressForm> tuning_;
    TOptimizationForm* optimization_ = nullptr;
};

}  // namespace velmar::gui
