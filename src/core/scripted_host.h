// A host without a person: value dialogs are answered from "LABEL=VALUE" answers,
// questions get a fixed reply, and everything the core says is recorded (and, when an
// echo is set, passed on line by line). The command-line tool and the tests use it.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/host.h"

namespace velmar {

// The caption a message box shows: "Ошибка", "Сообщение", "Предупреждение", or none.
std::string_view boxCaption(Box box);

class ScriptedHost : public Host {
public:
    // "LABEL=VALUE": the first "=" separates them; the label is compared after trimming
    // surrounding blanks against the row's full label. Returns false for a text
    // without "=".
    bool addAnswer(std::string_view answer);
    void setAnswer(const std::string& label, const std::string& value) { answers_[label] = value; }

    Reply reply = Reply::Yes;             // the answer to every question
    bool pressTableButtons = true;        // whether a result table's button is pressed
    std::vector<MethodCode> methodCodes;  // answers of chooseMethod, in turn; then Leave
    std::vector<int> keys;                // the key queue, in turn

    struct Graph {
        int kind = 0;
        struct Curve {
            int slot;
            std::string name;
            std::vector<Extended> x, y;
        };
        std::vector<Curve> curves;
        std::vector<std::string> texts;  // shown beside the curves
    };
    struct Dialog {
        std::string caption;
        std::vector<ValueRow> rows;  // as answered
        bool confirmed = false;
        std::string refusal;  // why the dialog's check refused the answers; empty when it did not
    };

    // What the core said, in order, one line each: "CAPTION: TEXT" for message boxes
    // ("message: TEXT" without caption), "report: LINE", "canvas: LINE", "tf: LINE",
    // "status: TEXT", "Warning: TEXT", "text: LINE" beside a graph, "list: CAPTION | CAPTION" for a
    // relabelled list, "table: CELL  CELL" per result-table row, "counter: CAPTION LABEL N"
    // when a waiting counter closes at N, "optimisation: BLOCK" (Enter on an
    // optimisation block).
    std::vector<std::string> lines;
    std::vector<std::pair<Box, std::string>> messages;
    std::vector<std::string> warnings;
    std::vector<Dialog> dialogs;
    std::vector<Graph> graphs;
    std::vector<Thumbnail> thumbnails;
    std::vector<ResultTable> tables;
    std::vector<int> counterCounts;            // the last count of every waiting counter, when closed
    std::vector<ScanProgress> scanProgresses;  // every update of the "Progress" window
    std::vector<DDecompositionMap> dDecompositions;
    std::vector<std::pair<int, Extended>> optimisationSteps;  // (count, value) per evaluation
    std::function<void(const std::string&)> echo;

    bool askValues(std::string_view caption, std::vector<ValueRow>& rows, const RowCheck& check) override;
    void message(Box box, std::string_view text) override;
    Reply ask(std::string_view caption, std::string_view text, bool withCancel) override;
    int showGraph(const Diagrams& diagrams, int kind) override;
    bool keyWaiting() override { return !keys.empty(); }
    int readKey() override;
    MethodCode chooseMethod(MethodList list) override;
    void showTransferFunction(const std::vector<std::string>& numeratorLines,
                              const std::vector<std::string>& denominatorLines) override;
    void statusMessage(std::string_view text) override;
    void showThumbnail(const Thumbnail& thumbnail) override { thumbnails.push_back(thumbnail); }
    void canvasText(int x, int y, std::string_view text) override;
    void report(std::string_view line) override;
    void warning(std::string_view text) override;
    int showGraphWithTexts(const Diagrams& diagrams, int kind,
                           const std::vector<std::string>& texts) override;
    MethodCode chooseRelabelled(MethodList list, const std::vector<std::string>& captions) override;
    void showCounter(std::string_view caption, std::string_view label, int count) override;
    bool showTable(const ResultTable& table) override;
    void scanProgress(const ScanProgress& progress) override { scanProgresses.push_back(progress); }
    void showDDecomposition(const DDecompositionMap& map) override { dDecompositions.push_back(map); }
    void openOptimisation(int block) override { say("optimisation: " + std::to_string(block)); }
    void optimisationProgress(int evaluations, Extended value) override {
        optimisationSteps.emplace_back(evaluations, value);
    }

    // The messages of one box kind, in order.
    std::vector<std::string> messagesOf(Box box) const;

    // The labels of the editable rows of every dialog asked so far, each once, in the
    // order first asked; and the labels of the answers none of them took, sorted.
    std::vector<std::string> askedLabels() const;
    std::vector<std::string> unusedAnswers() const;

private:
    void say(std::string line);

    std::map<std::string, std::string> answers_;
    int counter_ = -1;
    bool lastDialogSet_ = false;
    Dialog lastDialog_;
};

}  // namespace velmar
