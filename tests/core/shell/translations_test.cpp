#include "core/shell/translations.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

namespace velmar {
namespace {

struct Quoted {
    std::string_view window, component;
    TextProperty property;
    const char *english, *russian, *romanian;
};

// The texts every user of the three sets knows them by.
// clang-format off
const Quoted kQuoted[] = {
    {"", "ScaleX", TextProperty::Text, "Scale(X) = X * ", "Масштаб(X) = X * ", "Scara(X) = X * "},
    {"", "FirstPoint", TextProperty::Text, "Select 1-st Point", "Выберите первую точку", "Alegeti primul punct"},
    {"", "ExitQuestion", TextProperty::Text, "Save Scheme Before Exit ?", "Сохранить схему перед выходм?",
     "De salvat schema inainte de iesire?"},
    {"", "GraphCaption", TextProperty::Text, "Graph viewer", "Просмотр графиков", "Privirea diagramelor"},
    {"FormMain", "File1", TextProperty::Caption, "&File", "&Файл", "&Fisier"},
    {"FormMain", "New1", TextProperty::Caption, "&New", "&Новый", "&Fisier Nou"},
    {"FormMain", "PrintPrew1", TextProperty::Caption, "Print Preview...", "Предварительный просмотр...", "&Previzualizare tipar"},
    {"FormMain", "Edit1", TextProperty::Caption, "&Edit", "Р&едактор", "&Redactor"},
    {"FormMain", "Edit2", TextProperty::Caption, "&Edit", "&Редактор", "&Editare"},
    {"FormMain", "Banck1", TextProperty::Caption, "&Banck of Blocks", "&Банк Блоков", "&Bancul Elementelor"},
    {"FormMain", "MarkBegin1", TextProperty::Caption, "MarkBe&gin", "Отметить &Начало", "&MarcareInceput"},
    {"FormMain", "Cut1", TextProperty::Caption, "Dele&te", "&Удалить Блок", "&Stergere"},
    {"FormMain", "Paste1", TextProperty::Caption, "&Move", "&Переместить Блок", "&Mutare"},
    {"FormMain", "Zoom1", TextProperty::Caption, "&Zoom", "&Лупа", "&Dimensionare"},
    {"FormMain", "Delete1", TextProperty::Caption, "Clear &Screen", "&Очистить Экран", "Curatirea &Ecranului"},
    {"FormMain", "Run1", TextProperty::Caption, "&Run", "&Расчет", "&Calculare"},
    {"FormMain", "Run2", TextProperty::Caption, "&Run", "&Расчет", "&Calculare"},
    {"FormMain", "Solve1", TextProperty::Caption, "&Solve", "&Решение", "&Solutie"},
    {"FormMain", "OptimMethods1", TextProperty::Caption, "Optim. Methods: Poisk 2", "Оптим. Мето&д: Поиск 2", "Metoda Optim.: Poisk 2"},
    {"FormMain", "Characteristics1", TextProperty::Caption, "C&haracteristics", "&Характеристики", "C&haracteristicile"},
    {"FormMain", "Stability1", TextProperty::Caption, "S&tability", "&Устойчивость", "S&tabilitatea"},
    {"FormMain", "Sintez1", TextProperty::Caption, "S&ynthesis", "&Синтез", "S&inteza"},
    {"FormMain", "TimeOfProgress1", TextProperty::Caption, "Time of &Progress", "Процесс &Расчета", "Timpul &Procesului"},
    {"FormMain", "ShowHints1", TextProperty::Caption, "&Hints", "Подска&зка", "&Sfaturi"},
    {"FormMain", "Lang1", TextProperty::Caption, "&Language", "&Язык", "&Limba"},
    {"FormMain", "RussianLang", TextProperty::Caption, "&Russian", "Русский", "&Rusa"},
    {"FormMain", "NewBtn", TextProperty::Hint, "New", "Новая схема (Ctrl+N)", "Nou"},
    {"FormMain", "CopyBtn", TextProperty::Hint, "Copy", "Копировать в буфер (Ctrl+C)", "Copiere"},
    {"FormMain", "ExitBtn", TextProperty::Hint, "Exit", "Выход (Alt+X)", "Iesire"},
    {"PrePrnForm", "", TextProperty::Caption, "Preview", "Предварительный просмотр", "Previzualizare"},
    {"PrePrnForm", "ZoomComboBox", TextProperty::Hint, "Page Zoom", "Масштаб листа", "Scara pagina"},
    {"PrePrnForm", "ComboBox1", TextProperty::Hint, "Object Zoom", "Масштаб объекта", "Scara obiect"},
    {"FormGraphPg", "MagnifierBtn", TextProperty::Text, "&Magnifier", "&Лупа", "&Lupa"},
    {"FormGraphPg", "SpeedButton9", TextProperty::Text, "&Esc", "&Возврат", "I&esire"},
    {"GMenu21Form", "", TextProperty::Caption, "Input Parameters:", "Введите значения параметров", "Introduceti valoarea parametrilor"},
    {"GMenu21Form", "LabelMark", TextProperty::Caption, "Mark", "Маркер", "Flag"},
    {"MethodForm", "LabelRF", TextProperty::Caption, "Gear function", "Передаточная функция", "Functia de transfer"},
    {"FormMain", "Run2", TextProperty::Hint, "Check the scheme and enter the Run regime (Ctrl+R)",
     "Проверка ошибок и задание параметров (Ctrl+R)", "Verificarea schemei si trecerea la calcul (Ctrl+R)"},
    {"FormMain", "N20", TextProperty::Hint, "Scheme Editor: selection with the mouse (Ctrl+A)", "Редактор Схем (Ctrl+A)",
     "Editorul schemei: selectare cu mouse-ul (Ctrl+A)"},
};
// clang-format on

std::string shown(std::optional<std::string_view> t) { return t ? std::string(*t) : "(untouched)"; }
std::string shown(const char* t) { return t ? t : "(untouched)"; }

TEST(Translations, EachLanguageGivesTheQuotedTexts) {
    for (const Language language : {Language::English, Language::Russian, Language::Romanian}) {
        Localisation l;
        l.apply(language);
        for (const Quoted& q : kQuoted) {
            const char* expected = language == Language::English   ? q.english
                                   : language == Language::Russian ? q.russian
                                                                   : q.romanian;
            EXPECT_EQ(shown(l.text(q.window, q.component, q.property)), shown(expected))
                << q.window << "/" << q.component << " in language " << int(language);
        }
    }
}

TEST(Translations, EveryTargetHasOneRowAndEveryRowIsTouchedBySomeSet) {
    std::set<std::tuple<std::string_view, std::string_view, TextProperty>> targets;
    std::size_t english = 0, russian = 0, romanian = 0;
    for (const TranslationRow& r : translationTable()) {
        EXPECT_TRUE(targets.insert({r.window, r.component, r.property}).second)
            << r.window << "/" << r.component;
        EXPECT_TRUE(r.english || r.russian || r.romanian) << r.component;
        english += r.english != nullptr;
        russian += r.russian != nullptr;
        romanian += r.romanian != nullptr;
    }
    EXPECT_GE(targets.size(), 130u);
    // Every set gives every target its text: no window keeps a text of the language
    // before (the Russian-only hints and the preview's caption included).
    EXPECT_EQ(russian, targets.size());
    EXPECT_EQ(english, targets.size());
    EXPECT_EQ(romanian, targets.size());
}

TEST(Translations, MessagesAreSaidInTheLanguageInForce) {
    Localisation l;
    const std::string question = "Схема не была сохранена. Сохранить схему?";
    EXPECT_EQ(l.say(question), question);  // no set applied: the window's own text
    l.apply(Language::English);
    EXPECT_EQ(l.say(question), "The scheme has not been saved. Save it?");
    l.apply(Language::Romanian);
    EXPECT_EQ(l.say("The scheme has not been saved. Save it?"),
              "Schema nu a fost salvata. De salvat schema?");
    // The parts a message names are carried over, line by line; an unknown line stays.
    l.apply(Language::Russian);
    EXPECT_EQ(
        l.say(" Attention! A fault in the scheme \nThe line at column 12, row 9 has no arrow\nfree text"),
        " Внимание! Ошибка в схеме \nУ линии в столбце 12, строке 9 нет стрелки\nfree text");
    EXPECT_EQ(l.say("Cannot open the file \"a.shm\", try again."),
              "Cannot open the file \"a.shm\", попробуйте снова.");
    // A hole is never empty: the bare ending is not the message.
    EXPECT_EQ(l.say(", try again."), ", try again.");
}

TEST(Translations, SetsApplyInTheirFixedOrderAndLeaveWhatTheyDoNotTouch) {
    Localisation l;
    EXPECT_EQ(shown(l.text("FormMain", "File1", TextProperty::Caption)), "(untouched)");
    const std::vector<std::size_t> rows = l.apply(Language::Russian);
    ASSERT_FALSE(rows.empty());
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
    EXPECT_EQ(translationTable()[rows.front()].window, kGlobalStrings);
    EXPECT_EQ(translationTable()[rows.back()].window, "HelpForm");
    EXPECT_EQ(l.blockNames(), NameSet::Russian);
    EXPECT_EQ(l.helpFolder(), "ru");

    // English after Russian: the hints the Russian set gave are English again.
    l.apply(Language::English);
    EXPECT_EQ(shown(l.text("FormMain", "N20", TextProperty::Hint)),
              "Scheme Editor: selection with the mouse (Ctrl+A)");
    EXPECT_EQ(shown(l.text("FormMain", "File1", TextProperty::Caption)), "&File");
    EXPECT_EQ(l.blockNames(), NameSet::Russian);  // English shows the Russian block names
    EXPECT_EQ(l.helpFolder(), "en");

    // Romanian gives the preview its own caption too.
    l.apply(Language::Romanian);
    EXPECT_EQ(shown(l.text("PrePrnForm", "", TextProperty::Caption)), "Previzualizare");
    EXPECT_EQ(l.blockNames(), NameSet::Romanian);
    EXPECT_EQ(l.language(), Language::Romanian);
    const std::vector<std::size_t> preview = l.rowsInForce("PrePrnForm");
    EXPECT_EQ(preview.size(), 8u);
    EXPECT_STREQ(l.textOf(preview.front()), "Previzualizare");
}

}  // namespace
}  // namespace velmar
