#include "core/scripted_host.h"

#include <algorithm>
#include <cctype>

namespace velmar {

namespace {

std::string trimmed(std::string_view s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
    return std::string(s.substr(b, e - b));
}

bool sameRows(const std::vector<ValueRow>& a, const std::vector<ValueRow>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].name() != b[i].name() || a[i].text != b[i].text) return false;
    return true;
}

}  // namespace

std::string_view boxCaption(Box box) {
    switch (box) {
        case Box::Error: return "Ошибка";
        case Box::Information: return "Сообщение";
        case Box::Warning: return "Предупреждение";
        case Box::Plain: return "";
    }
    return "";
}

bool ScriptedHost::addAnswer(std::string_view answer) {
    const size_t eq = answer.find('=');
    if (eq == std::string_view::npos) return false;
    answers_[trimmed(answer.substr(0, eq))] = std::string(answer.substr(eq + 1));
    return true;
}

void ScriptedHost::say(std::string line) {
    if (echo) echo(line);
    lines.push_back(std::move(line));
}

bool ScriptedHost::askValues(std::string_view caption, std::vector<ValueRow>& rows, const RowCheck& check) {
    Dialog d{std::string(caption), rows, false};
    for (ValueRow& row : d.rows) {
        const auto it = answers_.find(trimmed(row.name()));
        if (it != answers_.end() && row.editable) row.text = it->second;
    }
    // The same dialog with the same answers again would loop forever: cancel it.
    const bool repeated =
        lastDialogSet_ && lastDialog_.caption == d.caption && sameRows(lastDialog_.rows, d.rows);
    lastDialog_ = d;
    lastDialogSet_ = true;
    if (repeated) {
        dialogs.push_back(d);
        return false;
    }
    if (check) {
        const std::string problem = check(d.rows);
        if (!problem.empty()) {
            message(Box::Error, problem);
            d.refusal = problem;
            dialogs.push_back(d);
            return false;
        }
    }
    d.confirmed = true;
    rows = d.rows;
    dialogs.push_back(std::move(d));
    return true;
}

void ScriptedHost::message(Box box, std::string_view text) {
    messages.emplace_back(box, std::string(text));
    const std::string_view caption = boxCaption(box);
    say((caption.empty() ? std::string("message") : std::string(caption)) + ": " + std::string(text));
}

void ScriptedHost::warning(std::string_view text) {
    warnings.emplace_back(text);
    say("Warning: " + std::string(text));
}

Reply ScriptedHost::ask(std::string_view caption, std::string_view text, bool withCancel) {
    (void)withCancel;
    say(std::string(caption) + ": " + std::string(text));
    return reply;
}

int ScriptedHost::showGraph(const Diagrams& diagrams, int kind) {
    Graph g;
    g.kind = kind;
    for (int s = 0; s < 5; ++s) {
        const Diagram& d = diagrams[static_cast<size_t>(s)];
        if (!d.present()) continue;
        Graph::Curve c{s + 1, d.name, {}, {}};
        for (int i = 0; i < d.count; ++i) {
            c.x.push_back(d.x[i]);
            c.y.push_back(d.y[i]);
        }
        g.curves.push_back(std::move(c));
    }
    graphs.push_back(std::move(g));
    return kGraphEsc;
}

int ScriptedHost::readKey() {
    if (keys.empty()) return kEscapeKey;
    const int k = keys.front();
    keys.erase(keys.begin());
    return k;
}

MethodCode ScriptedHost::chooseMethod(MethodList) {
    if (methodCodes.empty()) return MethodCode::Leave;
    const MethodCode code = methodCodes.front();
    methodCodes.erase(methodCodes.begin());
    return code;
}

void ScriptedHost::showTransferFunction(const std::vector<std::string>& numeratorLines,
                                        const std::vector<std::string>& denominatorLines) {
    for (const auto& l : numeratorLines) say("tf: " + l);
    for (const auto& l : denominatorLines) say("tf: " + l);
}

void ScriptedHost::statusMessage(std::string_view text) { say("status: " + std::string(text)); }

void ScriptedHost::canvasText(int, int, std::string_view text) { say("canvas: " + std::string(text)); }

void ScriptedHost::report(std::string_view line) { say("report: " + std::string(line)); }

std::vector<std::string> ScriptedHost::askedLabels() const {
    std::vector<std::string> labels;
    for (const Dialog& d : dialogs)
        for (const ValueRow& row : d.rows) {
            std::string label = trimmed(row.name());
            if (row.editable && std::find(labels.begin(), labels.end(), label) == labels.end())
                labels.push_back(std::move(label));
        }
    return labels;
}

std::vector<std::string> ScriptedHost::unusedAnswers() const {
    const std::vector<std::string> asked = askedLabels();
    std::vector<std::string> unused;
    for (const auto& [label, value] : answers_)
        if (std::find(asked.begin(), asked.end(), label) == asked.end()) unused.push_back(label);
    return unused;
}

int ScriptedHost::showGraphWithTexts(const Diagrams& diagrams, int kind,
                                     const std::vector<std::string>& texts) {
    for (const std::string& t : texts) say("text: " + t);
    const int key = showGraph(diagrams, kind);
    graphs.back().texts = texts;
    return key;
}

MethodCode ScriptedHost::chooseRelabelled(MethodList list, const std::vector<std::string>& captions) {
    std::string line;
    for (const std::string& c : captions) line += (line.empty() ? "" : " | ") + c;
    say("list: " + line);
    return chooseMethod(list);
}

void ScriptedHost::showCounter(std::string_view caption, std::string_view label, int count) {
    if (count >= 0) {
        counter_ = count;
        return;
    }
    counterCounts.push_back(counter_);
    say("counter: " + std::string(caption) + " " + std::string(label) + " " + std::to_string(counter_));
    counter_ = -1;
}

bool ScriptedHost::showTable(const ResultTable& table) {
    tables.push_back(table);
    for (const auto& row : table.rows) {
        std::string line;
        for (const std::string& c : row) line += (line.empty() ? "" : "  ") + c;
        say("table: " + line);
    }
    return pressTableButtons && !table.button.empty();
}

std::vector<std::string> ScriptedHost::messagesOf(Box box) const {
    std::vector<std::string> out;
    for (const auto& [b, text] : messages)
        if (b == box) out.push_back(text);
    return out;
}

}  // namespace velmar
