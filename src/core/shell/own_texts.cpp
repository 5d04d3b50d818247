#include "core/shell/own_texts.h"

namespace velmar {

namespace {

constexpr TextProperty C = TextProperty::Caption;
constexpr TextProperty H = TextProperty::Hint;
constexpr TextProperty T = TextProperty::Text;

struct Target {
    std::string_view component;
    TextProperty property;
};

// The targets that show the Russian set's text from the start.
// clang-format off
constexpr Target kRussianTargets[] = {
    {"N20", C}, {"N7", C}, {"N23", C}, {"N24", C}, {"N25", C}, {"N26", C}, {"N27", C}, {"N27", H},
    {"NumLock1", C}, {"NumLock1", H}, {"ScrollLock1", C}, {"ScrollLock1", H},
    {"UndoBtn", H}, {"RedoBtn", H}, {"editor", H}, {"SpeedButton1", T},
    {"G05", C}, {"G", C}, {"N10", C}, {"G03", C}, {"N16", C}, {"N17", C}, {"N19", C},
    {"N11", C}, {"N12", C}, {"N14", C}, {"Tests", C}, {"Description1", C},
};
// clang-format on

struct OwnText {
    Target target;
    const char* text;
};

// clang-format off
constexpr OwnText kOwnTexts[] = {
    {{"Print1", H}, "Print the scheme"},
    {{"Exit1", H}, "Leave the program"},
    {{"Edit2", H}, "Edit the scheme"},
    {{"Banck1", H}, "Show or hide the Bank of Blocks"},
    {{"N20", H}, "Mouse selection of the scheme"},
    {{"N7", H}, "Redraw the scheme"},
    {{"Delete1", C}, "Clear &screen"},
    {{"Run2", H}, "Check the scheme and enter the Run regime"},
    {{"Solve1", H}, "Run the simulation"},
    {{"Step1", C}, "Шаг: Постоянный"},
    {{"Calcul1", H}, "Start the calculator"},
    {{"CurrentTime1", H}, "The clock shows the current time"},
    {{"TimeOfWork1", H}, "The clock shows the time of work"},
    {{"HelpContext1", C}, "Help"},
};
// clang-format on

bool is(const Target& t, std::string_view component, TextProperty property) {
    return t.component == component && t.property == property;
}

std::string_view setText(std::string_view component, TextProperty property, Language language) {
    const TranslationRow* row = translationRow(kMainWindow, component, property);
    const char* text = row ? row->text(language) : nullptr;
    return text ? text : "";
}

}  // namespace

std::string_view mainWindowText(std::string_view component, TextProperty property) {
    for (const OwnText& own : kOwnTexts)
        if (is(own.target, component, property)) return own.text;
    for (const Target& t : kRussianTargets)
        if (is(t, component, property)) return setText(component, property, Language::Russian);
    return setText(component, property, Language::English);
}

}  // namespace velmar
