// The three interface languages. A language is not a switch of resources: each
// language's set assigns its texts to a fixed list of targets (a window, a component
// in it and the property: caption, hint, text or a grid's column titles), in a fixed
// order. Every set gives every target a text, so that no window shows a text of the
// language before; a target no set has touched yet keeps the window's own text.
//
// The table is data: one row per target with its English, Russian and Romanian text
// (null where that set would leave the target alone), in the order the sets apply
// them: the global strings, the main window's menus top to bottom, its speed buttons,
// menu hints and popup menus, the print preview, the graph viewer, the value dialog,
// the method chooser, the parameter grid, the point list, the Path dialog, the
// messages, and the help window.
//
// The messages the core and the windows say (the save question, the file faults, the
// status texts) are rows too, recognised by any of their three texts: `say` gives the
// text of the language in force.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/catalogue.h"

namespace velmar {

enum class Language { English, Russian, Romanian };

enum class TextProperty {
    Caption,  // a window's title, a menu item's or label's caption
    Hint,     // a speed button's tooltip, a menu item's status-line hint
    Text,     // a button's text
    Columns,  // a grid's column titles, separated by '|'
};

// The window of the global message strings (the viewer's prompts and caption, the
// question before exit); their components name the string.
inline constexpr std::string_view kGlobalStrings = "";
// The window of the messages, recognised by their texts.
inline constexpr std::string_view kMessages = "Messages";

struct TranslationRow {
    std::string_view window;     // "FormMain", "FormGraphPg", ...; kGlobalStrings
    std::string_view component;  // the component's name; "" for the window itself
    TextProperty property;
    const char* english;  // null: that set leaves the target alone
    const char* russian;
    const char* romanian;

    const char* text(Language language) const;
};

std::span<const TranslationRow> translationTable();
// The first row of a target, null when no set names it.
const TranslationRow* translationRow(std::string_view window, std::string_view component,
                                     TextProperty property);

// The block names the language shows: the Russian set for English and Russian.
NameSet blockNamesOf(Language language);
// The folder of the language's help pages: "en", "ru", "ro".
std::string_view helpFolderOf(Language language);

// The texts in force after the languages applied so far.
class Localisation {
public:
    Localisation();

    // Applies a language's set; returns the rows it assigned, in order.
    std::vector<std::size_t> apply(Language language);

    // The language last applied (English before any).
    Language language() const { return language_; }
    NameSet blockNames() const { return blockNamesOf(language_); }
    std::string_view helpFolder() const { return helpFolderOf(language_); }

    // The text in force for a row, null when no set applied so far has touched it.
    const char* textOf(std::size_t row) const;
    // The text in force for a target; nullopt when none is.
    std::optional<std::string_view> text(std::string_view window, std::string_view component,
                                         TextProperty property) const;
    // The rows of one window that carry a text now, in table order.
    std::vector<std::size_t> rowsInForce(std::string_view window) const;
    // A message in the language in force, line by line: a line that is one of the
    // messages' texts in any language (its %1 and %2 filled from the line) is given in
    // the language last applied; other lines, and every line before any set was
    // applied, stay as they are.
    std::string say(std::string_view message) const;

private:
    Language language_ = Language::English;
    std::vector<std::optional<Language>> setBy_;  // per row, the set whose text is in force
};

}  // namespace velmar
