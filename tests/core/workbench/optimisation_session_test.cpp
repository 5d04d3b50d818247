// The optimisation session over real schemes: what the window decides, the marked
// parameters it varies, its refusals and Escape; and the roots animation.
#include "core/workbench/optimisation_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/blocks/analysis_block.h"
#include "core/model/compile.h"
#include "core/model/scheme_drawing.h"
#include "core/scripted_host.h"
#include "core/workbench/dispatcher.h"
#include "core/workbench/roots_animation.h"
#include "core/workbench/workbench.h"

namespace velmar {
namespace {

class SessionTest : public ::testing::Test {
protected:
    // `count` unconnected amplifiers (30) in a row, each with its K marked, and an
    // optimisation block after them.
    int amplifiers(int count, bool marked = true) {
        for (int i = 0; i < count; ++i) {
            Element& e = draw.block(30, 2 + 4 * i, 2);
            e.Params[0].Value = 1.0L + i;
            e.Params[0].Varied = marked;
        }
        draw.block(47, 2, 8);
        return wb.scheme.ElementAt(2, 8)->Number;
    }
    void compile() { ASSERT_TRUE(CompileScheme(wb)); }
    int count(const std::string& line) const {
        return static_cast<int>(std::count(host.lines.begin(), host.lines.end(), line));
    }

    ScriptedHost host;
    Workbench wb{host};
    SchemeDrawing draw{wb.scheme};
};

TEST_F(SessionTest, TheFirstTenMarkedParametersAreVariedWithTheirLetters) {
    const int block = amplifiers(11);
    compile();
    OptimisationSession session(wb, block);
    const auto vars = session.variables();
    ASSERT_EQ(vars.size(), 10u);
    const std::vector<std::string> letters = {"a", "b", "c", "d", "f", "g", "h", "i", "j", "k"};
    for (std::size_t i = 0; i < vars.size(); ++i) {
        EXPECT_EQ(vars[i].letter, letters[i]);
        EXPECT_EQ(vars[i].parameter,
                  "k" + std::to_string(wb.scheme.ElementAt(2 + 4 * static_cast<int>(i), 2)->Number));
    }
    session.setCriterion(kCriterionUser);
    session.setMethod(static_cast<int>(SearchMethod::HookeJeeves));
    EXPECT_EQ(session.setExpression("(a-2)^2 + (k-3)^2 + 1"), kNoError);
    host.setAnswer("Time", "0.05");
    ASSERT_EQ(session.optimise(), OptimisationSession::Outcome::Finished);
    EXPECT_NEAR(wb.scheme.ElementAt(2, 2)->param(0), 2, 1e-4);
    EXPECT_NEAR(wb.scheme.ElementAt(38, 2)->param(0), 3, 1e-4);
    EXPECT_EQ(wb.scheme.ElementAt(42, 2)->param(0), 11);  // the eleventh keeps its value
    EXPECT_EQ(session.evaluations(), static_cast<int>(host.optimisationSteps.size()));
    EXPECT_EQ(host.optimisationSteps.back(),
              (std::pair<int, Extended>{session.evaluations(), session.lastValue()}));
    EXPECT_EQ(host.messages.back(),
              (std::pair<Box, std::string>{Box::Information, " Optimization is finished "}));
}

TEST_F(SessionTest, CriteriaFromTheTransferFunctionDisableTheMethods) {
    const int block = amplifiers(6);
    compile();
    OptimisationSession session(wb, block);
    EXPECT_EQ(criterionLetters(6), (std::vector<std::string>{"a", "b", "c", "d", "f", "g"}));
    session.setCriterion(4);
    session.setMethod(3);
    session.setCriterion(1);
    EXPECT_FALSE(session.methodsEnabled());
    EXPECT_FALSE(session.method());
    session.setCriterion(0);
    session.setCriterion(kCriterionUser);
    EXPECT_TRUE(session.methodsEnabled());
    EXPECT_TRUE(session.userPageVisible());
    EXPECT_EQ(session.method(), 3);  // given back
    EXPECT_EQ(session.expression(), "a^2");
    EXPECT_NE(session.setExpression("a^"), kNoError);
    EXPECT_EQ(session.expressionError(), session.setExpression("a^"));
    EXPECT_EQ(session.setExpression("a*g"), kNoError);
    EXPECT_NE(session.setExpression("a*h"), kNoError);  // only six letters
    // The settings outlive the session.
    EXPECT_EQ(OptimisationSession(wb, block).criterion(), kCriterionUser);
    EXPECT_FALSE(OptimisationSession(wb, block).maxAmplitude());
    wb.analysis.methodGroup = MethodGroup::OptMaxAw;
    EXPECT_TRUE(OptimisationSession(wb, block).maxAmplitude());
}

TEST_F(SessionTest, RefusalsEscapeAndTheNegativeGuard) {
    const int block = amplifiers(1, false);
    compile();
    OptimisationSession none(wb, block);
    none.setCriterion(2);
    EXPECT_EQ(none.optimise(), OptimisationSession::Outcome::Refused);
    EXPECT_EQ(count("Ошибка:  Какой параметр? "), 1);

    wb.scheme.ElementAt(2, 2)->Params[0].Varied = true;
    OptimisationSession noSource(wb, block);
    noSource.setCriterion(0);
    EXPECT_EQ(noSource.optimise(), OptimisationSession::Outcome::Refused);

    // Escape waiting before the first evaluation: nothing is evaluated, the end follows.
    OptimisationSession escaped(wb, block);
    escaped.setCriterion(kCriterionUser);
    escaped.setMethod(static_cast<int>(SearchMethod::HookeJeeves));
    host.keys = {27};
    EXPECT_EQ(escaped.optimise(), OptimisationSession::Outcome::Finished);
    EXPECT_EQ(escaped.evaluations(), 0);
    EXPECT_EQ(wb.scheme.ElementAt(2, 2)->param(0), 1);

    // A criterion falling towards negative values: the parameter is never written below 0.
    OptimisationSession falling(wb, block);
    falling.setExpression("a + 5");
    host.setAnswer("Time", "0.05");
    ASSERT_EQ(falling.optimise(), OptimisationSession::Outcome::Finished);
    EXPECT_GE(wb.scheme.ElementAt(2, 2)->param(0), 0);
    EXPECT_LT(wb.scheme.ElementAt(2, 2)->param(0), 0.01);
    EXPECT_TRUE(std::any_of(host.optimisationSteps.begin(), host.optimisationSteps.end(),
                            [](const auto& s) { return s.second == penaltyValue(); }));
}

// A criterion that is never finite is a failure, not a finished optimisation, and the
// parameters keep their start values; a search whose last probe is worse than its start
// ends at the best point it evaluated.
TEST_F(SessionTest, NoFiniteCriterionFailsAndTheEndIsNeverWorseThanTheStart) {
    const int block = amplifiers(1);
    compile();
    for (const char* never : {"1/0", "ln(0)", "sqrt(-a)"}) {
        OptimisationSession session(wb, block);
        session.setCriterion(kCriterionUser);
        session.setMethod(static_cast<int>(SearchMethod::HookeJeeves));
        session.setExpression(never);
        host.setAnswer("Time", "0.05");
        EXPECT_EQ(session.optimise(), OptimisationSession::Outcome::Failed) << never;
        EXPECT_GT(session.evaluations(), 0) << never;
        EXPECT_EQ(wb.scheme.ElementAt(2, 2)->param(0), 1) << never;
        EXPECT_EQ(host.messages.back(),
                  (std::pair<Box, std::string>{Box::Error, std::string(kNoCriterionFound)}));
    }

    // The start is the minimum: every probe of Hooke-Jeeves around it is worse.
    OptimisationSession atMinimum(wb, block);
    atMinimum.setCriterion(kCriterionUser);
    atMinimum.setMethod(static_cast<int>(SearchMethod::HookeJeeves));
    atMinimum.setExpression("(a-1)^2 + 1");
    host.setAnswer("Time", "0.05");
    ASSERT_EQ(atMinimum.optimise(), OptimisationSession::Outcome::Finished);
    ASSERT_GT(host.optimisationSteps.back().second, 1);  // the last probe was worse
    EXPECT_EQ(wb.scheme.ElementAt(2, 2)->param(0), 1);
    EXPECT_EQ(atMinimum.lastValue(), 1);
}

TEST_F(SessionTest, EnterOnTheOptimisationBlockOpensTheWindow) {
    const int block = amplifiers(1);
    compile();
    ChangeParameters(wb, 3, 9, false);
    EXPECT_EQ(host.lines.back(), "optimisation: " + std::to_string(block));
}

// The analysis block behind an aperiodic link with T marked: B(s) = 1 + T s, one root
// -1/T per step.
class RootsAnimationTest : public SessionTest {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("velmar-animation-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder);
        wb.analysis.workingFolder = folder;
        Element& step = draw.block(33, 2, 2);
        lag = &draw.block(22, 7, 2);
        Element& out = draw.block(60, 12, 2);
        draw.connect(step, *lag);
        draw.connect(*lag, out);
        lag->Params[1].Varied = true;
        compile();
        block = dynamic_cast<AnalysisBlock*>(&out);
        block->Entry = static_cast<std::uint8_t>(step.Number);
        host.setAnswer("T2(begin)", "1");
        host.setAnswer("T2(end)", "2");
        host.setAnswer("Steps count", "3");
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder;
    Element* lag = nullptr;
    AnalysisBlock* block = nullptr;
};

TEST_F(RootsAnimationTest, StepsTheParameterAndShowsEachDisplay) {
    host.methodCodes = {MethodCode::RootsFullPage, MethodCode::RootsOneByOne, MethodCode::RootsOverlaid};
    rootsAnimation(wb, *block);
    EXPECT_EQ(lag->param(1), 1);  // given back
    std::ifstream file(folder / "tmpfile.txt");
    std::vector<Extended> roots;
    for (std::string line; std::getline(file, line);)
        if (line.rfind(" Num: 1 ", 0) == 0) roots.push_back(std::stold(line.substr(8)));
    ASSERT_EQ(roots.size(), 3u);
    const Extended expected[] = {-1, -1 / 1.5L, -0.5L};
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(roots[static_cast<std::size_t>(k)], expected[k], 1e-9);
    ASSERT_EQ(host.graphs.size(), 1u + 3u + 3u);
    EXPECT_EQ(host.graphs[0].curves.size(), 3u);
    EXPECT_EQ(host.graphs[0].curves[2].name, "Step N 3");
    EXPECT_EQ(host.graphs[0].kind, 12);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(host.graphs[1 + static_cast<std::size_t>(k)].curves.size(), 1u);
        EXPECT_EQ(host.graphs[4 + static_cast<std::size_t>(k)].curves.size(),
                  static_cast<std::size_t>(k) + 1);
    }
    EXPECT_NEAR(host.graphs[2].curves[0].x[0], expected[1], 1e-9);
}

TEST_F(RootsAnimationTest, LimitsAndTheirMessages) {
    struct Case {
        const char* label;
        const char* value;
        const char* message;
    } cases[] = {{"Steps count", "6", "Сообщение:  Maximum points may be 5 "},
                 {"Steps count", "1", "Сообщение:  Minimum points may be 2 "},
                 {"Polinom order:", "6", "Сообщение:  Maximum points may be 5 "}};
    for (const Case& c : cases) {
        ScriptedHost h;
        wb.host = &h;
        for (const char* a : {"T2(begin)=1", "T2(end)=2", "Steps count=3"}) h.addAnswer(a);
        h.setAnswer(c.label, c.value);
        rootsAnimation(wb, *block);
        EXPECT_EQ(h.lines.back(), c.message) << c.label << "=" << c.value;
        EXPECT_TRUE(h.graphs.empty());
    }
    lag->Params[0].Varied = lag->Params[2].Varied = true;
    ScriptedHost many;
    wb.host = &many;
    rootsAnimation(wb, *block);
    EXPECT_EQ(many.lines.back(), "Сообщение:  Too many variable parameters ");
    lag->Params[0].Varied = lag->Params[1].Varied = lag->Params[2].Varied = false;
    ScriptedHost none;
    wb.host = &none;
    rootsAnimation(wb, *block);
    EXPECT_EQ(none.lines.back(), "Сообщение:  Variable paramter not choised ");
    wb.host = &host;
}

}  // namespace
}  // namespace velmar
