#include <gtest/gtest.h>

#include "core/grid/parameter_grid.h"
#include "core/numtext.h"
#include "core/scripted_host.h"
#include "core/workbench/workbench.h"
#include "support/scheme_builder.h"

using namespace velmar;
using velmar::testing::SchemeBuilder;

namespace {

std::vector<std::string> numberColumn(const std::vector<GridRow>& rows) {
    std::vector<std::string> column;
    for (const GridRow& r : rows) column.push_back(r.number);
    return column;
}

}  // namespace

class ParameterGridTest : public ::testing::Test {
protected:
    ScriptedHost host;
    Workbench wb{host};
};

TEST_F(ParameterGridTest, ListsBlocksWithTheirParametersButNoNodes) {
    SchemeBuilder b(wb.scheme);
    b.block(22, 1, 1);   // three parameters
    b.node(17, 6, 2);    // a node: not listed
    b.block(62, 10, 1);  // a recorder: no parameters, still its own row
    b.block(26, 20, 1);
    const std::vector<GridRow> rows = parameterGridRows(wb.scheme, NameSet::Russian);
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0].number, "1");
    EXPECT_EQ(rows[0].name, "Апериодическое звено");
    EXPECT_EQ(rows[0].parameter, "K");
    EXPECT_EQ(rows[1].number, "");
    EXPECT_EQ(rows[2].parameter, "H y");  // the dialog's label, not the stored name "Nu"
    EXPECT_EQ(rows[3].number, "3");
    EXPECT_EQ(rows[3].name, "Блок временных характеристик");
    EXPECT_EQ(rows[3].parameter, "");
    EXPECT_EQ(rows[4].number, "4");
    EXPECT_EQ(rows[6].parameter, "b");
    EXPECT_EQ(parameterGridRows(wb.scheme, NameSet::Romanian)[4].name, "Element oscilator");
}

TEST_F(ParameterGridTest, EditedRowFindsItsElementAndParameter) {
    SchemeBuilder b(wb.scheme);
    b.block(22, 1, 1);
    b.block(26, 10, 1);
    b.block(22, 20, 1);
    b.block(22, 30, 1);
    b.block(26, 40, 1);  // element 5
    const std::vector<GridRow> rows = parameterGridRows(wb.scheme, NameSet::Russian);
    const auto column = numberColumn(rows);
    const auto target = locateGridEdit(column, 14);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->element, 5);
    EXPECT_EQ(target->index, 3);
    EXPECT_FALSE(locateGridEdit(column, -1));
    EXPECT_FALSE(locateGridEdit({"", "1"}, 0));  // nothing above: the grid is reset

    const Extended before1 = wb.scheme.element(5).param(0);
    EXPECT_TRUE(commitGridValue(wb, *target, "2.5"));
    EXPECT_EQ(wb.scheme.element(5).param(2), 2.5L);
    EXPECT_EQ(wb.scheme.element(5).param(0), before1);
    EXPECT_EQ(wb.gridEdit.index, 0);
    EXPECT_TRUE(host.dialogs.empty());  // no dialog was shown
}

TEST_F(ParameterGridTest, TextsThatAreNotNumbersChangeNothing) {
    SchemeBuilder b(wb.scheme);
    b.block(22, 1, 1);
    const Extended before = wb.scheme.element(1).param(0);
    for (const char* text : {"", "-", "1..2", "3.142x"})
        EXPECT_FALSE(commitGridValue(wb, {1, 1}, text)) << text;
    EXPECT_FALSE(commitGridValue(wb, {2, 1}, "1"));
    EXPECT_EQ(wb.scheme.element(1).param(0), before);
    EXPECT_TRUE(commitGridValue(wb, {1, 1}, kGridPiText));
    EXPECT_EQ(wb.scheme.element(1).param(0), Real48(3.142L).get());
}

// A cell reads what a value dialog reads; what no stored value holds changes nothing.
TEST_F(ParameterGridTest, CellsReadExponentsAndRefuseWhatCannotBeStored) {
    SchemeBuilder b(wb.scheme);
    b.block(22, 1, 1);
    for (const auto& [text, value] : {std::pair{"2e3", 2000.0L}, {"-1.5E-2", -0.015L}, {"+4", 4.0L}, {"2pi", 2 * kPi}}) {
        EXPECT_TRUE(commitGridValue(wb, {1, 1}, text)) << text;
        EXPECT_EQ(wb.scheme.element(1).Params[0].Value, Real48(value)) << text;
    }
    for (const char* text : {"1e400", "-1e400", "2e", "xyz"}) EXPECT_FALSE(commitGridValue(wb, {1, 1}, text)) << text;
    EXPECT_EQ(wb.scheme.element(1).Params[0].Value, Real48(2 * kPi));
}
