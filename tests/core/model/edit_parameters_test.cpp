#include <gtest/gtest.h>

#include "core/blocks/linear.h"
#include "core/blocks/sources.h"
#include "core/numtext.h"
#include "core/scripted_host.h"
#include "core/workbench/workbench.h"

using namespace velmar;

namespace {

// Ticks every "Mark" box of the dialogs it confirms.
class MarkingHost : public ScriptedHost {
public:
    bool askValues(std::string_view caption, std::vector<ValueRow>& rows, const RowCheck& check) override {
        if (!ScriptedHost::askValues(caption, rows, check)) return false;
        for (ValueRow& r : rows) r.marked = true;
        return true;
    }
};

struct Edit : ::testing::Test {
    ScriptedHost host;
    Workbench wb{host};

    std::unique_ptr<Element> edited(int code, std::initializer_list<const char*> answers) {
        for (const char* a : answers) host.addAnswer(a);
        auto e = CreateElement(static_cast<std::uint8_t>(code));
        e->EditParameters(wb);
        return e;
    }
    std::vector<std::string> labels(size_t dialog) const {
        std::vector<std::string> out;
        for (const ValueRow& r : host.dialogs.at(dialog).rows) out.push_back(r.label);
        return out;
    }
};

}  // namespace

TEST_F(Edit, CatalogueDialogShowsRowsAndStoresAnswers) {
    const auto e = edited(22, {"K=2", "H y = 0.5pi"});
    ASSERT_EQ(host.dialogs.size(), 1u);
    const auto& d = host.dialogs[0];
    EXPECT_EQ(labels(0), (std::vector<std::string>{"K", "T", "H y"}));
    EXPECT_EQ(d.rows[1].text, "1");  // unanswered rows keep their values
    EXPECT_TRUE(d.rows[0].markEnabled);
    EXPECT_EQ(e->param(0), 2);
    EXPECT_EQ(e->param(1), 1);
    EXPECT_EQ(e->Params[2].Value, Real48(0.5L * kPi));
    // No pending grid edit: the first value is left in the pending cell.
    EXPECT_EQ(wb.gridEdit.value, Real48(1));
}

TEST_F(Edit, LongLabelsAreCutButAnsweredByTheirFullText) {
    const auto e = edited(64, {"Delay   always   <0=3"});
    EXPECT_EQ(labels(0), (std::vector<std::string>{"   Delay  ", " OperEntr "}));
    EXPECT_FALSE(host.dialogs[0].rows[1].editable);
    EXPECT_EQ(e->param(0), 3);
}

TEST_F(Edit, NonNumbersAreRefusedAndNothingIsStored) {
    const auto e = edited(22, {"K=5", "T=abc"});
    EXPECT_FALSE(host.dialogs[0].confirmed);
    ASSERT_EQ(host.messagesOf(Box::Error).size(), 1u);
    EXPECT_NE(host.messagesOf(Box::Error)[0].find("abc"), std::string::npos);
    EXPECT_EQ(e->param(0), 1);
    EXPECT_EQ(e->param(1), 1);
}

// A number no stored value holds is refused like a non-number, before anything is
// stored: the dialog does not close on an overflow and drop the other rows' edits.
TEST_F(Edit, ValuesTooLargeToStoreAreRefusedInTheDialog) {
    const auto e = edited(22, {"K=5", "T=1e400"});
    EXPECT_FALSE(host.dialogs[0].confirmed);
    EXPECT_EQ(host.messagesOf(Box::Error), (std::vector<std::string>{"Floating point overflow: \"1e400\" (T)"}));
    EXPECT_EQ(e->param(0), 1);
    EXPECT_EQ(e->param(1), 1);
}

TEST_F(Edit, MarkIsTakenOnlyWhereEnabled) {
    MarkingHost marking;
    Workbench mwb{marking};
    for (int code : {22, 35, 37, 39, 44}) {
        auto e = CreateElement(static_cast<std::uint8_t>(code));
        e->Params[0].Value = 2;  // differs from the dialogs before, so none is a repeat
        e->EditParameters(mwb);
        ASSERT_TRUE(marking.dialogs.back().confirmed) << code;
        const bool enabled = code == 22;
        for (const ValueRow& r : marking.dialogs.back().rows) EXPECT_EQ(r.markEnabled, enabled) << code;
        EXPECT_EQ(e->Params[0].Varied, enabled) << code;
    }
}

TEST_F(Edit, PendingGridEditReplacesTheDialog) {
    auto e = CreateElement(22);
    wb.gridEdit = {2, Real48(5)};
    e->EditParameters(wb);
    EXPECT_TRUE(host.dialogs.empty());
    EXPECT_EQ(e->param(1), 5);
    EXPECT_EQ(wb.gridEdit.index, 0);
    // An index beyond the rows changes nothing but is cleared all the same.
    wb.gridEdit = {4, Real48(9)};
    e->EditParameters(wb);
    EXPECT_TRUE(host.dialogs.empty());
    EXPECT_EQ(wb.gridEdit.index, 0);
    EXPECT_EQ(e->param(0), 1);
    EXPECT_EQ(e->param(2), 0);
}

TEST_F(Edit, BandFiltersInsistOnW1BelowW2) {
    const auto bad = edited(142, {"W1=2", "W2=1"});
    EXPECT_EQ(host.messagesOf(Box::Error), (std::vector<std::string>{"Error in input data"}));
    EXPECT_EQ(bad->param(1), 2);  // the values stay as entered
    EXPECT_EQ(bad->param(2), 1);
    host.addAnswer("W1=0.5");
    host.addAnswer("W2=3");
    CreateElement(143)->EditParameters(wb);
    EXPECT_EQ(host.messagesOf(Box::Error).size(), 1u);
}

TEST_F(Edit, RandomInputReseedsAndRescales) {
    struct Probe : RandomInput {
        using RandomInput::RandomInput;
        std::mt19937& generator() { return generator_; }
    } probe(35);
    probe.SetDefaults();
    const std::mt19937 before = probe.generator();
    host.addAnswer("R=3");
    probe.EditParameters(wb);
    EXPECT_NE(probe.generator(), before);
    EXPECT_EQ(probe.Scale(), Real48(3.0L / 65535).get());
    EXPECT_EQ(labels(0), (std::vector<std::string>{"R"}));  // the scale is not shown
}

TEST_F(Edit, PolynomialLinkAsksDegreesThenCoefficientPairs) {
    for (int code : {28, 46}) {
        host.dialogs.clear();
        auto e = edited(code, {"m=1", "n=2", "a1=4", "b0=5", "b2=7", "H.y.1=0.5"});
        const auto& entry = dynamic_cast<PolynomialLink&>(*e).entry;
        EXPECT_EQ(entry.A, (Polynomial{1, 4}));
        EXPECT_EQ(entry.B, (Polynomial{5, 1, 7}));  // added powers start at 1
        EXPECT_EQ(entry.initialA[1], Real48(0.5L));
        ASSERT_EQ(host.dialogs.size(), 6u);
        EXPECT_EQ(labels(0), (std::vector<std::string>{"m", "n"}));
        EXPECT_EQ(labels(2), (std::vector<std::string>{"a1", "H.y.1"}));
        EXPECT_EQ(labels(5), (std::vector<std::string>{"b2", "H.y.2"}));
        for (const auto& d : host.dialogs)
            for (const ValueRow& r : d.rows) EXPECT_FALSE(r.markEnabled);
    }
}

TEST_F(Edit, PolynomialLinkChangesNothingUnlessEveryDialogIsConfirmed) {
    auto e = edited(28, {"m=1", "n=0", "a1=x"});
    EXPECT_EQ(dynamic_cast<PolynomialLink&>(*e).entry.A, Polynomial{1});
    // A degree out of range is refused and keeps the polynomials; -0.5 would round to -1.
    for (const char* answer : {"m=256", "n=-0.5"}) {
        ScriptedHost other;
        Workbench owb{other};
        other.addAnswer(answer);
        e->EditParameters(owb);
        EXPECT_EQ(dynamic_cast<PolynomialLink&>(*e).entry.A, Polynomial{1}) << answer;
        EXPECT_EQ(dynamic_cast<PolynomialLink&>(*e).entry.B, Polynomial{1}) << answer;
        EXPECT_EQ(other.messagesOf(Box::Error).size(), 1u) << answer;
    }
}

TEST_F(Edit, PolynomialSignalAsksCoefficientsSevenRowsAtATime) {
    auto e = edited(118, {"n=8", "a0=2", "a8=3"});
    ASSERT_EQ(host.dialogs.size(), 3u);
    EXPECT_EQ(host.dialogs[0].caption, "Function");
    EXPECT_TRUE(host.dialogs[0].rows[0].markEnabled);
    EXPECT_EQ(host.dialogs[1].rows.size(), 7u);
    EXPECT_EQ(labels(2), (std::vector<std::string>{"a7", "a8"}));
    for (size_t d = 1; d < 3; ++d)
        for (const ValueRow& r : host.dialogs[d].rows) EXPECT_FALSE(r.markEnabled);
    const auto& s = dynamic_cast<PolynomialSignal&>(*e);
    ASSERT_EQ(s.degree(), 8);
    EXPECT_EQ(s.param(1), 2);  // a0
    EXPECT_EQ(s.param(2), 0);  // added coefficients start at 0
    EXPECT_EQ(s.param(9), 3);  // a8
}
