// The user function (144): its expression over the input x and the time t in a run, its
// window, and an expression that cannot be used.
#include <gtest/gtest.h>

#include <cmath>

#include "core/blocks/signal_bench.h"
#include "core/expression.h"

namespace velmar::testing {
namespace {

constexpr Extended kTolerance = 1e-9L;  // the output is a 6-byte real: ~12 digits

Element& userFunction(SignalBench& bench, const char* expression) {
    Element& f = bench.block(144);
    f.ReadSideText(expression);
    return f;
}

TEST(UserFunction, ComputesItsExpressionOfTheInputAndTheTime) {
    const Extended h = SignalBench::kExactStep;
    SignalBench square;
    userFunction(square, "x^2");
    const Trace ramp = {0, 0.5L, 1, 1.5L, -2};
    square.signal(0, ramp, 0);
    const Trace y = square.run(static_cast<int>(ramp.size()));
    ASSERT_EQ(y.size(), ramp.size());
    for (std::size_t n = 0; n < y.size(); ++n) EXPECT_EQ(y[n], ramp[n] * ramp[n]) << "point " << n;

    // t is the time of the point, as a source reads it.
    SignalBench timed;
    userFunction(timed, "x + sin(t)");
    timed.signal(0, {1}, 0);
    const Trace z = timed.run(40, h);
    ASSERT_EQ(z.size(), 40u);
    for (std::size_t n = 0; n < z.size(); ++n)
        EXPECT_NEAR(z[n], 1 + std::sin(static_cast<Extended>(n) * h), kTolerance) << "point " << n;
}

TEST(UserFunction, WithoutAnInputKeepsItsOutput) {
    SignalBench bench;
    userFunction(bench, "5 + t");
    const Trace y = bench.run(3);
    EXPECT_EQ(y, (Trace{0, 0, 0}));
}

// A value that is no number stops the run as it does for the other static functions;
// an expression read from a file that cannot be parsed is refused when the run starts,
// naming the block, and kept as it was written.
TEST(UserFunction, AnExpressionThatCannotBeUsedStopsTheRun) {
    SignalBench domain;
    userFunction(domain, "ln(x)");
    domain.signal(0, {1, -1}, 0);
    domain.run(3);
    EXPECT_EQ(domain.outcome, RunOutcome::Failed);
    EXPECT_EQ(domain.host.messagesOf(Box::Error), std::vector<std::string>{"Invalid floating point operation"});

    SignalBench unparsed;
    Element& f = userFunction(unparsed, "sin(x");
    unparsed.signal(0, {1}, 0);
    unparsed.run(3);
    EXPECT_EQ(unparsed.outcome, RunOutcome::Failed);
    const std::vector<std::string> errors = unparsed.host.messagesOf(Box::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Block " + std::to_string(f.Number) + ", f (x)=sin(x: ", 0), 0u) << errors[0];
    EXPECT_EQ(f.SideText(), "sin(x");
}

// The window "Input function y=f(x)" with its field "f (x)=": a text the parser refuses
// is shown with the parser's message and the expression stays; a good one is taken.
TEST(UserFunction, ItsWindowRefusesWhatTheParserRefuses) {
    SignalBench bench;
    Element& f = userFunction(bench, "x");
    bench.host = ScriptedHost{};
    ASSERT_TRUE(bench.host.addAnswer("f (x)=x*(2"));
    f.EditParameters(bench.wb);
    ASSERT_EQ(bench.host.dialogs.size(), 1u);
    EXPECT_EQ(bench.host.dialogs[0].caption, "Input function y=f(x)");
    EXPECT_EQ(bench.host.dialogs[0].rows.at(0).label, "f (x)=");
    EXPECT_FALSE(bench.host.dialogs[0].confirmed);
    Expression parser;
    const std::string message = parser.compile("x*(2", {"x", "t"});
    ASSERT_FALSE(message.empty());
    EXPECT_EQ(bench.host.messagesOf(Box::Error), std::vector<std::string>{message});
    EXPECT_EQ(f.SideText(), "x");

    ASSERT_TRUE(bench.host.addAnswer("f (x)=3*x - t"));
    f.EditParameters(bench.wb);
    EXPECT_TRUE(bench.host.dialogs.back().confirmed);
    EXPECT_EQ(f.SideText(), "3*x - t");
}

}  // namespace
}  // namespace velmar::testing
