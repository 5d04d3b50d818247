// The Run menu's harmonic linearisation and Popov commands on drawn, compiled loops:
// subtraction node -> nonlinear block -> linear link -> back to the node's subtracting
// input, with the analysis block reading the node's output (the nonlinearity's input).
#include "core/workbench/harmonic_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/analysis/harmonic.h"
#include "core/blocks/linear.h"
#include "core/blocks/nonlinear_describing.h"
#include "core/model/compile.h"
#include "core/scripted_host.h"
#include "core/workbench/dispatcher.h"
#include "core/workbench/workbench.h"
#include "support/scheme_builder.h"

namespace velmar {
namespace {

class HarmonicCommands : public ::testing::Test {
protected:
    // The loop with nonlinear block `code` and the link -k/(1 + s)^3 seen through the node.
    Element& loop(int code, Extended k = 2) {
        Element& node = draw.node(18, 12, 11);
        Element& nonlinear = draw.block(code, 16, 10);
        auto& link = dynamic_cast<PolynomialLink&>(draw.block(28, 22, 10));
        link.entry.A = Polynomial{k};
        link.entry.B = Polynomial{1, 3, 3, 1};
        draw.block(60, 16, 4);
        draw.connect(node, nonlinear);
        draw.connect(nonlinear, link);
        draw.wire({{25, 11}, {26, 11}, {26, 15}, {12, 15}, {12, 12}});
        draw.wire({{12, 10}, {12, 5}, {15, 5}});
        return nonlinear;
    }
    void run(int command) {
        ASSERT_TRUE(CompileScheme(wb));
        analysisMenuCommand(wb, command);
    }

    ScriptedHost host;
    Workbench wb{host};
    testing::SchemeBuilder draw{wb.scheme};
};

// -2/(1 + s)^3 is 1/4 at the crossover sqrt(3): A = 4 b W / pi for the ideal relay.
TEST_F(HarmonicCommands, OnePointOfTheIdealRelay) {
    loop(66);
    run(kCommandHarmonic);
    EXPECT_EQ(host.messagesOf(Box::Information), std::vector<std::string>{"W =  1.73E+0000,A =  3.18E-0001"});
}

// The saturation's level swept over 1, 1.5, 2 with -20/(1 + s)^3 (2.5 at the
// crossover): each amplitude balances q(A)·2.5 = 1, and the level is given back.
TEST_F(HarmonicCommands, SweepOfAMarkedParameter) {
    Element& saturation = loop(67, 20);
    saturation.Params[0].Varied = true;  // a
    host.setAnswer("a3(beg)", "1");
    host.setAnswer("a3(end)", "2");
    host.setAnswer("a3(step)", "0.5");
    host.methodCodes = {MethodCode::HarmonicAmplitude, MethodCode::HarmonicFrequency};
    run(kCommandHarmonic);
    EXPECT_EQ(saturation.param(0), 1);
    ASSERT_EQ(host.graphs.size(), 2u);
    const auto& amplitude = host.graphs[0].curves[0];
    EXPECT_EQ(amplitude.name, "Amlitude");
    ASSERT_EQ(amplitude.x.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(amplitude.x[k], 1 + 0.5L * k);
        EXPECT_NEAR(describing::saturation(amplitude.x[k], 1, amplitude.y[k]) * 2.5L, 1, 1e-4L);
    }
    EXPECT_NEAR(host.graphs[1].curves[0].y[0], std::sqrt(3.0L), 1e-9L);
    EXPECT_NE(std::find(host.lines.begin(), host.lines.end(), "list: W( a3 ) |  A( a3 )"), host.lines.end());
}

// Escape after the first value ends the sweep; its curves hold that one point.
TEST_F(HarmonicCommands, EscapeEndsTheSweep) {
    Element& saturation = loop(67, 20);
    saturation.Params[0].Varied = true;
    host.setAnswer("a3(beg)", "1");
    host.setAnswer("a3(end)", "2");
    host.setAnswer("a3(step)", "0.5");
    host.keys = {27};
    host.methodCodes = {MethodCode::HarmonicFrequency};
    run(kCommandHarmonic);
    ASSERT_EQ(host.graphs.size(), 1u);
    EXPECT_EQ(host.graphs[0].curves[0].x, std::vector<Extended>{1});
    EXPECT_EQ(saturation.param(0), 1);
}

TEST_F(HarmonicCommands, PopovOnTheSaturationLoop) {
    loop(67);
    run(kCommandPopov);
    // 2/(1 + s)^3 is stable in every sector below 8/2 = 4.
    EXPECT_EQ(host.messagesOf(Box::Information), std::vector<std::string>{"Kkrit =  4.000E+0000"});
}

TEST_F(HarmonicCommands, SchemesWithoutTheirBlocksSaySo) {
    draw.block(60, 16, 4);
    run(kCommandHarmonic);
    run(kCommandPopov);
    EXPECT_EQ(host.messagesOf(Box::Error), (std::vector<std::string>{kWhereIsNonlinear, kWhereIsNonlinear}));

    ScriptedHost other;
    Workbench bare{other};
    testing::SchemeBuilder(bare.scheme).block(66, 10, 10);
    ASSERT_TRUE(CompileScheme(bare));
    analysisMenuCommand(bare, kCommandHarmonic);
    EXPECT_EQ(other.messagesOf(Box::Error), std::vector<std::string>{kHarmonicImpossible});
}

// The user function, like the sine, is a static function without a describing function:
// neither command takes it for the loop's nonlinearity.
TEST_F(HarmonicCommands, TheUserFunctionIsNoNonlinearityOfTheirs) {
    Element& f = loop(144);
    f.ReadSideText("2*x");
    run(kCommandHarmonic);
    run(kCommandPopov);
    EXPECT_EQ(host.messagesOf(Box::Error), (std::vector<std::string>{kWhereIsNonlinear, kWhereIsNonlinear}));
}

}  // namespace
}  // namespace velmar
