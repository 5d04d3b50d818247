#include "core/shell/own_texts.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

std::string_view english(std::string_view component, TextProperty property) {
    return translationRow(kMainWindow, component, property)->english;
}

TEST(OwnTexts, MostItemsStartWithTheEnglishSetsText) {
    for (const char* item : {"File1", "New1", "Banck1", "Characteristics1", "About1"})
        EXPECT_EQ(mainWindowText(item, TextProperty::Caption), english(item, TextProperty::Caption)) << item;
    EXPECT_EQ(mainWindowText("NewBtn", TextProperty::Text), "New");
    EXPECT_EQ(mainWindowText("RunBtn", TextProperty::Hint), "Check the scheme and set parameters (Ctrl+R)");
}

TEST(OwnTexts, TheItemsLeftInRussianStartWithTheRussianSetsText) {
    EXPECT_EQ(mainWindowText("N20", TextProperty::Caption), "Редактор схем");
    EXPECT_EQ(mainWindowText("N7", TextProperty::Caption), "Обновить экран");
    EXPECT_EQ(mainWindowText("G", TextProperty::Caption), "Копировать ");
    EXPECT_EQ(mainWindowText("SpeedButton1", TextProperty::Text), "Параметры");
    EXPECT_EQ(mainWindowText("UndoBtn", TextProperty::Hint), "Отменить действие");
}

// The window's own texts differ from every set's where the system shows them so: the
// Edit item's "Clear &screen" against the English set's "Clear &Screen", menu hints
// without their keys, the Step submenu naming the step.
TEST(OwnTexts, TheWindowsOwnTextsStandWhereTheSystemShowsThem) {
    EXPECT_EQ(mainWindowText("Delete1", TextProperty::Caption), "Clear &screen");
    EXPECT_EQ(english("Delete1", TextProperty::Caption), "Clear &Screen");
    EXPECT_EQ(mainWindowText("Print1", TextProperty::Hint), "Print the scheme");
    EXPECT_EQ(english("Print1", TextProperty::Hint), "Print the scheme (Ctrl+P)");
    EXPECT_EQ(mainWindowText("Step1", TextProperty::Caption), "Шаг: Постоянный");
    EXPECT_EQ(mainWindowText("HelpContext1", TextProperty::Caption), "Help");
}

TEST(OwnTexts, TheOptimisationMethodsKeepTheSystemsSpellingInEnglish) {
    EXPECT_EQ(mainWindowText("NelderMid1", TextProperty::Caption), "&Nelder-Mid");
    EXPECT_EQ(mainWindowText("HukJivs1", TextProperty::Caption), "&Huk-Jivs");
}

TEST(OwnTexts, ATargetNoSetNamesHasNoText) {
    EXPECT_EQ(mainWindowText("ChangeParameters1", TextProperty::Hint), "");
    EXPECT_EQ(mainWindowText("DescriptionSeparator", TextProperty::Caption), "");
    EXPECT_EQ(translationRow(kMainWindow, "NoSuchItem", TextProperty::Caption), nullptr);
}

}  // namespace
}  // namespace velmar
