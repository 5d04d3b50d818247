// The shipped test schemes: one scheme file per group of block types, loaded from a
// block's popup, and the descriptions shown for them in the "Description" window.
//
// Descriptions are initialisation files in the tests folder with one section per test
// file name: "TF1" the heading, "TF" the text, "Prm" the height of the text panel in
// percent. "Descript.dts" serves the English and Russian interfaces, "Descriere.dts"
// the Romanian one; both are UTF-8.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/catalogue.h"
#include "core/shell/ini_file.h"

namespace velmar {

struct TestScheme {
    std::string_view file;            // in the tests folder
    std::vector<std::uint8_t> types;  // the block types it demonstrates
};

// Every test scheme, in the order of their first type.
std::span<const TestScheme> testSchemes();
// The test scheme of a block type; null for a type without one.
const TestScheme* testSchemeFor(int code);
// Whether a block's popup offers "&Загрузить тестовую схему": for the types the
// shipped schemes were planned for and for every type that has one.
bool offersTestScheme(int code);

// The description file of the name set's interfaces, and the message shown when it is
// not in the tests folder.
std::string_view descriptionFile(NameSet names);
std::string_view descriptionMissingText(NameSet names);

struct TestDescription {
    std::string heading;  // "TF1"; empty when missing
    std::string text;     // "TF"; empty when missing
    int percent = 100;    // "Prm"; 100 when missing or not a whole number
    // What the window's label shows: the heading on a line of its own, then the text.
    std::string label() const { return heading.empty() ? text : heading + "\n" + text; }
};

TestDescription describeTest(const IniFile& descriptions, std::string_view testFile);

}  // namespace velmar
