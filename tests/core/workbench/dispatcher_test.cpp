#include "core/workbench/dispatcher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/analysis/method_lists.h"
#include "core/blocks/analysis_block.h"
#include "core/errors.h"
#include "core/model/compiled.h"
#include "core/scripted_host.h"
#include "core/workbench/analysis_names.h"
#include "core/workbench/workbench.h"

namespace velmar {
namespace {

class DispatcherTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("velmar-dispatch-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(folder);
        wb.analysis.workingFolder = folder;
        ASSERT_TRUE(wb.scheme.PutCell(10, 10, 60));
        block = dynamic_cast<AnalysisBlock*>(wb.scheme.ElementAt(10, 10));
        ASSERT_NE(block, nullptr);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // Hand entry of W(s) = (2 + s) / (1 + 2s + s^2).
    void answerHandEntry() {
        for (const char* a : {"Entry=0", "m=1", "n=2", "a0=2", "a1=1", "b0=1", "b1=2", "b2=1"})
            host.addAnswer(a);
    }
    std::vector<std::string> linesStartingWith(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& l : host.lines)
            if (l.rfind(prefix, 0) == 0) out.push_back(l);
        return out;
    }

    std::filesystem::path folder;
    ScriptedHost host;
    Workbench wb{host};
    AnalysisBlock* block = nullptr;
};

TEST_F(DispatcherTest, HandEntryShowsMemosWritesFileAndRunsPickedMethods) {
    answerHandEntry();
    host.setAnswer("w(begin)", "1");
    host.setAnswer("w(end)", "2");
    host.setAnswer("step", "0.5");
    host.methodCodes = {MethodCode::Amplitude, MethodCode::RootsNumerator};
    ASSERT_TRUE(groupCommand(wb, kCommandCharacteristics));
    EXPECT_EQ(linesStartingWith("tf: "),
              (std::vector<std::string>{"tf: a 0 =   2.00000", "tf: a 1 =   1.00000", "tf: b 0 =   1.00000",
                                        "tf: b 1 =   2.00000", "tf: b 2 =   1.00000"}));
    ASSERT_EQ(host.graphs.size(), 1u);
    EXPECT_EQ(host.graphs[0].kind, 5);
    // The list is offered again after each method: the numerator's single root follows.
    EXPECT_EQ(linesStartingWith("canvas: "), (std::vector<std::string>{"canvas: Re1 =-2", "canvas: Im1 =0"}));
    EXPECT_TRUE(host.messagesOf(Box::Error).empty());
    EXPECT_EQ(wb.analysis.lastBlock, block->Number);
    EXPECT_FALSE(wb.analysis.running);
    EXPECT_TRUE(std::filesystem::exists(folder / "CfFile.txt"));
    EXPECT_EQ(block->W.B, (Polynomial{1, 2, 1}));
}

TEST_F(DispatcherTest, StabilityListRunsCriteriaAndNyquistQuestion) {
    answerHandEntry();
    host.methodCodes = {MethodCode::Routh, MethodCode::Nyquist};
    host.reply = Reply::No;
    groupCommand(wb, kCommandStability);
    EXPECT_EQ(host.messagesOf(Box::Information), std::vector<std::string>{"Sistem is stable"});
    EXPECT_TRUE(host.graphs.empty());  // Nyquist refused
    EXPECT_EQ(wb.analysis.methodGroup, MethodGroup::Stability);

    host.reply = Reply::Yes;
    host.methodCodes = {MethodCode::Nyquist};
    host.setAnswer("w(begin)", "1");
    host.setAnswer("w(end)", "2");
    host.setAnswer("step", "0.5");
    groupCommand(wb, kCommandStability);
    ASSERT_EQ(host.graphs.size(), 1u);
    EXPECT_EQ(host.graphs[0].kind, 3);
    EXPECT_TRUE(wb.analysis.nyquist);
    EXPECT_EQ(wb.analysis.methodGroup, MethodGroup::Character);
}

// A code that names no method is refused on its own; the next code still runs.
TEST_F(DispatcherTest, CodesWithoutAMethodAndFaultsAreReportedPerMethod) {
    answerHandEntry();
    host.methodCodes = {MethodCode{999}, MethodCode::RootsDenominator};
    wb.analysis.methodGroup = MethodGroup::Quality;
    wb.analysis.lastBlock = block->Number;
    block->EditParameters(wb);
    ASSERT_EQ(host.messagesOf(Box::Error).size(), 1u);
    EXPECT_EQ(host.messagesOf(Box::Error)[0], "Method 999: this method is not available yet");
    // The second code is not offered by the quality list but still reaches the block.
    std::ifstream u(folder / "mcad" / "root_u.prn");
    long double first = 0, second = 0;
    u >> first >> second;
    constexpr long double kDoubleRootTolerance = 1e-9L;  // a double root: found to about half the digits
    EXPECT_NEAR(first, -1, kDoubleRootTolerance);
    EXPECT_NEAR(second, -1, kDoubleRootTolerance);
}

// The polynomial typed by its roots becomes the hand entry's denominator and W(s)'s:
// shown in the memos, and the method picked next works on it.
TEST_F(DispatcherTest, CoefficientsByRootsBecomeTheHandEntry) {
    answerHandEntry();
    for (const char* a : {"Roots number=3", "Re1=-1", "Re2=-2", "Re3=-3"}) host.addAnswer(a);
    host.methodCodes = {MethodCode::coefficientsByRoots, MethodCode::RootsDenominator};
    wb.analysis.methodGroup = MethodGroup::Quality;
    wb.analysis.lastBlock = block->Number;
    block->EditParameters(wb);
    EXPECT_TRUE(host.messagesOf(Box::Error).empty()) << host.messagesOf(Box::Error).front();
    EXPECT_EQ(block->Entry, 0);
    EXPECT_EQ(block->hand.B, (Polynomial{6, 11, 6, 1}));
    EXPECT_EQ(block->W.B, (Polynomial{6, 11, 6, 1}));
    EXPECT_EQ(block->W.A, (Polynomial{2, 1}));
    const auto tf = linesStartingWith("tf: b");
    ASSERT_EQ(tf.size(), 3u + 4u);  // the typed B(s), then the one by roots
    EXPECT_EQ(tf.back(), "tf: b 3 =   1.00000");
    EXPECT_EQ(linesStartingWith("canvas: Re").size(), 3u);
}

TEST_F(DispatcherTest, EntryMustNameAnElement) {
    host.addAnswer("Entry=7");
    groupCommand(wb, kCommandCharacteristics);
    EXPECT_EQ(host.messagesOf(Box::Error),
              std::vector<std::string>{"Entry must be 0 or an element number from 1 to 1"});
    EXPECT_TRUE(linesStartingWith("tf: ").empty());
}

TEST_F(DispatcherTest, EnterOnTheBlockSolvesWithCharacteristics) {
    answerHandEntry();
    wb.analysis.methodGroup = MethodGroup::Stability;
    ChangeParameters(wb, 11, 11, true);  // the grid is being filled: ignored
    EXPECT_TRUE(host.dialogs.empty());
    ChangeParameters(wb, 11, 11, false);
    EXPECT_EQ(wb.analysis.methodGroup, MethodGroup::Character);
    EXPECT_EQ(linesStartingWith("tf: ").size(), 5u);
}

TEST_F(DispatcherTest, ReductionRefusalStopsBeforeTheChooser) {
    ASSERT_TRUE(wb.scheme.PutCell(2, 10, 67));  // a relay as the block's feeder
    ASSERT_TRUE(wb.scheme.PutCell(2, 20, 33));  // the entry, compiled with the rest
    CompiledScheme cs;
    cs.N = wb.scheme.ElementCount();
    cs.Elements.assign(1, nullptr);
    for (const auto& e : wb.scheme.ElementList()) cs.Elements.push_back(e.get());
    cs.LinkMatrix.assign(cs.N + 1, std::vector<std::uint8_t>(cs.N + 1, 0));
    const int relay = wb.scheme.FindElementAt(2, 10);
    cs.LinkMatrix[relay][block->Number] = 1;
    wb.compiled = std::make_unique<CompiledScheme>(std::move(cs));
    host.addAnswer("Entry=" + std::to_string(wb.scheme.FindElementAt(2, 20)));
    host.methodCodes = {MethodCode::Amplitude};
    groupCommand(wb, kCommandCharacteristics);
    EXPECT_EQ(host.messagesOf(Box::Error),
              std::vector<std::string>{"Nedopustimyi block : " + std::to_string(relay)});
    EXPECT_EQ(host.methodCodes.size(), 1u);  // the chooser was never offered
}

// Another analysis in the same folder rewrites CfFile.txt while the chooser is open.
class RewritingHost : public ScriptedHost {
public:
    std::filesystem::path file;
    MethodCode chooseMethod(MethodList list) override {
        std::ofstream(file) << "1\n1\n\n2\n-1\n1\n";  // B(s) = s - 1: unstable
        return ScriptedHost::chooseMethod(list);
    }
};

TEST_F(DispatcherTest, CriteriaTestTheSolvedFunctionNotTheFile) {
    RewritingHost other;
    other.file = folder / "CfFile.txt";
    Workbench bench(other);
    bench.analysis.workingFolder = folder;
    ASSERT_TRUE(bench.scheme.PutCell(10, 10, 60));
    for (const char* a : {"Entry=0", "m=1", "n=2", "a0=2", "a1=1", "b0=1", "b1=2", "b2=1"})
        other.addAnswer(a);
    other.methodCodes = {MethodCode::Routh, MethodCode::Hurwitz};
    groupCommand(bench, kCommandStability);
    EXPECT_EQ(other.messagesOf(Box::Information),
              (std::vector<std::string>{"Sistem is stable", "System is stable"}));
}

TEST_F(DispatcherTest, SideFilesGoOnlyToAWorkingFolderAndNeverThroughALink) {
    // A planted link is replaced; what it pointed at stays as it was.
    const std::filesystem::path victim = folder / "victim.txt";
    std::ofstream(victim) << "keep me";
    std::filesystem::create_symlink(victim, folder / "CfFile.txt");
    answerHandEntry();
    host.methodCodes = {MethodCode::Routh};
    groupCommand(wb, kCommandStability);
    EXPECT_FALSE(std::filesystem::is_symlink(folder / "CfFile.txt"));
    std::ifstream kept(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "keep me");
    std::ifstream cf(folder / "CfFile.txt");
    std::string count;
    cf >> count;
    EXPECT_EQ(count, "2");

    // A folder that cannot be made is a warning; the method still runs.
    for (const std::filesystem::path& where : {std::filesystem::path(), victim / "below a file"}) {
        host.messages.clear();
        wb.analysis.workingFolder = where;
        host.methodCodes = {MethodCode::Routh};
        groupCommand(wb, kCommandStability);
        EXPECT_EQ(host.messagesOf(Box::Information), std::vector<std::string>{"Sistem is stable"});
        EXPECT_EQ(host.messagesOf(Box::Warning).size(), where.empty() ? 0u : 1u);
    }
}

// The direct call runs its one method on the solved W(s) and never offers the chooser;
// without a method it only solves the block.
TEST_F(DispatcherTest, ADirectSolveRunsTheNamedMethodAndSaysWhatItGave) {
    answerHandEntry();
    host.methodCodes = {MethodCode::Hurwitz};  // left untouched: no list is offered
    wb.analysis.methodGroup = MethodGroup::Stability;
    const SolveResult result = solveOperation(wb, *block, MethodCode::Routh);
    EXPECT_TRUE(result.solved);
    EXPECT_EQ(result.w.A, (Polynomial{2, 1}));
    EXPECT_EQ(result.w.B, (Polynomial{1, 2, 1}));
    ASSERT_TRUE(result.method);
    EXPECT_EQ(result.method->status, MethodOutcome::Status::Ran);
    EXPECT_EQ(host.messagesOf(Box::Information), std::vector<std::string>{"Sistem is stable"});
    EXPECT_EQ(host.methodCodes.size(), 1u);
    EXPECT_EQ(wb.analysis.lastBlock, block->Number);
    EXPECT_FALSE(wb.analysis.running);

    answerHandEntry();
    const SolveResult only = solveOperation(wb, *block, std::nullopt);
    EXPECT_TRUE(only.solved);
    EXPECT_FALSE(only.method);
    EXPECT_EQ(host.messagesOf(Box::Information).size(), 1u);
}

TEST_F(DispatcherTest, ADirectSolveThatIsRefusedRunsNoMethod) {
    host.addAnswer("Entry=1");  // the block itself, but the scheme is not compiled
    const SolveResult result = solveOperation(wb, *block, MethodCode::Routh);
    EXPECT_FALSE(result.solved);
    EXPECT_EQ(result.refusal, "Solve in Run Regime only !");
    EXPECT_FALSE(result.method);
    EXPECT_TRUE(host.messagesOf(Box::Information).empty());

    host.addAnswer("Entry=7");  // refused by the dialog's own check: cancelled
    const SolveResult cancelled = solveOperation(wb, *block, MethodCode::Routh);
    EXPECT_FALSE(cancelled.solved);
    EXPECT_TRUE(cancelled.refusal.empty());
}

// A fault of the method is its outcome, shown in the error box; the running method is
// cleared all the same.
TEST_F(DispatcherTest, AFaultStopsTheMethodAndIsItsOutcome) {
    class FaultingViewer : public ScriptedHost {
    public:
        int showGraph(const Diagrams&, int) override { throw MathError("Floating point overflow"); }
    } faulting;
    Workbench bench(faulting);
    ASSERT_TRUE(bench.scheme.PutCell(10, 10, 60));
    auto& analysis = dynamic_cast<AnalysisBlock&>(*bench.scheme.ElementAt(10, 10));
    for (const char* a : {"Entry=0", "m=0", "n=1", "a0=1", "b0=1", "b1=1", "w(end)=2", "step=0.5"})
        faulting.addAnswer(a);
    const SolveResult result = solveOperation(bench, analysis, MethodCode::Amplitude);
    ASSERT_TRUE(result.method);
    EXPECT_EQ(result.method->status, MethodOutcome::Status::Faulted);
    EXPECT_EQ(result.method->fault, "Floating point overflow");
    EXPECT_EQ(faulting.messagesOf(Box::Error), std::vector<std::string>{"Floating point overflow"});
    EXPECT_FALSE(bench.analysis.running);
}

TEST(AnalysisNames, NamesGiveMethodsOrMenuCommands) {
    EXPECT_EQ(AnalysisByName("routh"), NamedAnalysis(MethodCode::Routh));
    EXPECT_EQ(AnalysisByName("ddecomp"), NamedAnalysis(MethodCode::DDecomposition));
    EXPECT_EQ(AnalysisByName("harmonic"), NamedAnalysis(kCommandHarmonic));
    EXPECT_EQ(AnalysisByName("popov"), NamedAnalysis(kCommandPopov));
    EXPECT_FALSE(AnalysisByName("Routh"));
    EXPECT_FALSE(AnalysisByName("52"));
    EXPECT_EQ(NameOfMethod(MethodCode::Nyquist), "nyquist");
    EXPECT_TRUE(NameOfMethod(MethodCode::Amplitude).empty());
    // A menu command is no method: its code names none.
    EXPECT_TRUE(NameOfMethod(MethodCode{kCommandHarmonic}).empty());
    for (const std::string_view name : AnalysisNames()) EXPECT_TRUE(AnalysisByName(name)) << name;
    EXPECT_EQ(AnalysisNames().size(), 6u);
}

TEST(RunRegime, SolveOnlyInRun) {
    ScriptedHost host;
    EXPECT_TRUE(solveAllowed(host, true));
    EXPECT_FALSE(solveAllowed(host, false));
    EXPECT_EQ(host.lines, std::vector<std::string>{"message: Solve in Run Regime only !"});
}

TEST(MethodLists, CodesOfTheChooser) {
    const auto& stability = methodItems(MethodList::Stability);
    ASSERT_EQ(stability.size(), 6u);
    EXPECT_EQ(stability[1].code, MethodCode::Hurwitz);
    EXPECT_EQ(stability[4].code, MethodCode::ModifiedPopov);
    const auto& regulators = methodItems(MethodList::Regulators);
    EXPECT_EQ(regulators[2].code, MethodCode::PidRegulator);
    MethodList list;
    ASSERT_TRUE(listForGroup(MethodGroup::Other, list));
    EXPECT_EQ(list, MethodList::Regulators);
    EXPECT_FALSE(listForGroup(MethodGroup::OptMaxAw, list));
    EXPECT_EQ(groupForCode(MethodCode::RootsFieldNumerator), MethodGroup::Root);
    EXPECT_EQ(groupForCode(MethodCode::Mikhailov), MethodGroup::Stability);
}

}  // namespace
}  // namespace velmar
