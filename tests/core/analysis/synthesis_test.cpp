// Regulator tuning by M against a brute force over the gain: the closed-loop peak
// |K W / (1 + K W)| on the same frequency points, raised from a small gain through the
// first range of gains that keep it at most M, to where it first exceeds M again.
#include "core/analysis/synthesis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <memory>

#include "core/analysis/analysis_state.h"
#include "core/analysis/harmonic.h"
#include "core/analysis/two_regulators.h"
#include "core/scripted_host.h"

namespace velmar {
namespace {

using C = std::complex<long double>;

const FrequencyRange kGrid{0, 20, 0.005L};

long double peak(const Hodograph& h, long double K) {
    long double p = 0;
    for (std::size_t i = 0; i < h.re.size(); ++i) {
        const C g = K * C(h.re[i].get(), h.im[i].get());
        p = std::max(p, std::abs(g / (1.0L + g)));
    }
    return p;
}

// Below the starting gain the grid no longer resolves the resonance of a loop with two
// integrators, which moves towards w = 0 with the gain.
long double bruteForceGain(const Hodograph& h, long double M) {
    long double K = 0.01L;
    while (peak(h, K) > M) K *= 1.02L;  // into the first good range
    long double good = K;
    while (peak(h, K) <= M) good = K, K *= 1.02L;
    long double bad = K;
    for (int i = 0; i < 100; ++i) {
        const long double mid = (good + bad) / 2;
        (peak(h, mid) <= M ? good : bad) = mid;
    }
    return good;
}

struct TuningCase {
    const char* name;
    TransferFunction w;
    RegulatorType type;
    Extended ti;
};

void PrintTo(const TuningCase& c, std::ostream* os) { *os << c.name; }

class MCircleGain : public ::testing::TestWithParam<TuningCase> {};

TEST_P(MCircleGain, IsTheLargestGainKeepingThePeakWithinM) {
    const TuningCase& c = GetParam();
    for (const Extended M : {1.1L, 1.41L, 2.0L}) {
        const Hodograph h = withRegulator(hodographOf(c.w, kGrid), c.type, c.ti, 0);
        const MCircleTouch touch = touchingMCircle(h.re, h.im, M);
        ASSERT_TRUE(touch.found) << c.name;
        const long double expected = bruteForceGain(h, M);
        EXPECT_NEAR(touch.gain, expected, 0.01L * expected) << c.name << " M = " << static_cast<double>(M);
        EXPECT_NEAR(touch.foot * touch.gain, 1, 1e-12L);
        EXPECT_NEAR(touch.radius * M, touch.distance, 1e-12L);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Plants, MCircleGain,
    ::testing::Values(
        TuningCase{"cube", {Polynomial{1}, Polynomial{1, 3, 3, 1}}, RegulatorType::P, 0},
        TuningCase{"integrator", {Polynomial{2}, Polynomial{0, 1, 0.6L, 0.08L}}, RegulatorType::P, 0},
        TuningCase{"PI on lags", {Polynomial{1}, Polynomial{1, 3, 3, 1}}, RegulatorType::PI, 2},
        // PI around an integrator: a low-frequency branch deep in the
        // circles' cone, which limits no gain of the working range.
        TuningCase{"PI on an integrator", {Polynomial{1}, Polynomial{0, 1, 0.1L}}, RegulatorType::PI, 5}),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& ch : n)
            if (ch == ' ') ch = '_';
        return n;
    });

TEST(MCircle, NoLimitForAFirstOrderLag) {
    const Hodograph h = hodographOf({Polynomial{1}, Polynomial{1, 1}}, kGrid);
    EXPECT_FALSE(touchingMCircle(h.re, h.im, 1.41L).found);
}

TEST(OscillationIndex, RefusesBelow1009AndTakes141) {
    EXPECT_EQ(oscillationIndexProblem(1), kBadM);
    EXPECT_EQ(oscillationIndexProblem(1.0089L), kBadM);
    EXPECT_EQ(oscillationIndexProblem(1.01L), "");
    ScriptedHost host;
    Extended M = kDefaultM;
    ASSERT_TRUE(askOscillationIndex(host, M));  // the default, 1.41
    EXPECT_EQ(M, Real48(1.41L).get());
    host.setAnswer("Zadanii M", "1");
    EXPECT_FALSE(askOscillationIndex(host, M));
    EXPECT_EQ(host.messagesOf(Box::Error), std::vector<std::string>{kBadM});
}

// Kr grows with Ti while Ki = Kr/Ti has one largest value: the optimum.
TEST(PiTuning, OptimumIsTheLargestIntegralGain) {
    const Hodograph h = hodographOf({Polynomial{1}, Polynomial{1, 3, 3, 1}}, kGrid);
    int counted = 0;
    const TiSweep sweep = tuneOverTi(h, 1.41L, RegulatorType::PI, tiRange(0.5L, 5, 0.5L), 0,
                                     [&counted](int n) { counted = n; });
    ASSERT_EQ(sweep.rows.size(), 10u);
    EXPECT_EQ(counted, 10);
    ASSERT_GE(sweep.optimum, 0);
    for (const TiRow& r : sweep.rows) EXPECT_LE(r.ki(), sweep.rows[static_cast<size_t>(sweep.optimum)].ki());
    Curve curve, tangent;
    krCurves(sweep, curve, tangent);
    EXPECT_EQ(curve.x.size(), 10u);
    // The tangent from the origin passes through the optimum.
    const TiRow& best = sweep.rows[static_cast<size_t>(sweep.optimum)];
    EXPECT_NEAR(tangent.y[1] / tangent.x[1], best.touch.gain / best.ti, 1e-9L);
    const ResultTable table = krTable(sweep);
    EXPECT_EQ(table.caption, "Синтез регулятора");
    EXPECT_EQ(table.rows.size(), 10u);
    EXPECT_EQ(optimumTexts(sweep, RegulatorType::PID, 0.25L).size(), 6u);
}

// The Ti values window through the value dialog: count, values, check box.
TEST(PiTuning, TiValuesWindowFallsBackToTheValueDialog) {
    ScriptedHost host;
    host.setAnswer("Ti", "list");
    host.setAnswer("Задайте кол-во значений Тi", "2");
    host.setAnswer("Визуализировать графики для каждого значения Тi", "1");
    host.setAnswer("Ti2", "0.75");
    std::vector<Extended> tis;
    Extended alpha = 0.25L;
    bool each = false;
    ASSERT_TRUE(askTiValues(host, "Ti", RegulatorType::PI, tis, alpha, each));
    EXPECT_EQ(tis, (std::vector<Extended>{1, 0.75L}));
    EXPECT_TRUE(each);
    host.setAnswer("Ti1", "x1");
    EXPECT_FALSE(askTiValues(host, "Ti", RegulatorType::PI, tis, alpha, each));
    EXPECT_EQ(host.messagesOf(Box::Error).back(), kBadNumber);
    EXPECT_EQ(numberTextProblem("1,5", true), kBadNumberWhileEditing);
    EXPECT_EQ(numberTextProblem("2pi", false), "");
}

TEST(Choices, AnswerByTextFirstWordOrNumber) {
    const std::vector<std::string>& names = regulatorTypeNames();
    EXPECT_EQ(choiceIndex("PI", names), 1);
    EXPECT_EQ(choiceIndex("pid  regulator", names), 2);
    EXPECT_EQ(choiceIndex("1", names), 0);
    EXPECT_EQ(choiceIndex("PD", names), -1);
    EXPECT_EQ(choiceIndex("4", names), -1);
}

// Regulator 2 tuned alone on W3; regulator 1 on W1 after the closed inner loop.
TEST(TwoRegulators, TunesTheInnerLoopFirst) {
    ScriptedHost host;
    for (const auto& [label, value] : std::vector<std::pair<std::string, std::string>>{{"M1(s) order", "0"},
                                                                                       {"N1(s) order", "1"},
                                                                                       {"M3(s) order", "0"},
                                                                                       {"N3(s) order", "2"},
                                                                                       {"N1 c0", "1"},
                                                                                       {"N1 c1", "2"},
                                                                                       {"M3 c0", "3"},
                                                                                       {"N3 c0", "1"},
                                                                                       {"N3 c1", "1.2"},
                                                                                       {"N3 c2", "0.3"},
                                                                                       {"Regulator 1", "P"},
                                                                                       {"Regulator 2", "P"},
                                                                                       {"w(end)", "20"},
                                                                                       {"step", "0.005"}})
        host.setAnswer(label, value);
    AnalysisState state;
    tuneTwoRegulators(host, state);
    ASSERT_EQ(host.tables.size(), 1u) << (host.lines.empty() ? "" : host.lines.back());
    const TransferFunction w3{Polynomial{3}, Polynomial{1, 1.2L, 0.3L}};
    const Hodograph inner = hodographOf(w3, kGrid);
    const long double k2 = bruteForceGain(inner, 1.41L);
    const long double k2Found = std::stold(host.tables[0].rows[1][2]);
    EXPECT_NEAR(k2Found, k2, 0.01L * k2);
    const TransferFunction closed = closedLoop(w3, {RegulatorType::P, k2Found, 0, 0});
    const TransferFunction outer{closed.A, closed.B * Polynomial{1, 2}};
    const long double k1 = bruteForceGain(hodographOf(outer, kGrid), 1.41L);
    EXPECT_NEAR(std::stold(host.tables[0].rows[0][2]), k1, 0.01L * k1);
}

// Escape in the key queue ends the sweep after the Ti being tuned; other keys are
// dropped. The PI tuning then shows the table of what was tuned and says so.
TEST(PiTuning, EscapeEndsTheSweepWithTheTiDone) {
    const Hodograph h = hodographOf({Polynomial{1}, Polynomial{1, 3, 3, 1}}, kGrid);
    const std::vector<Extended> tis = tiRange(0.5L, 5, 0.5L);
    for (const auto& [keys, rows] :
         std::vector<std::pair<std::vector<int>, std::size_t>>{{{27}, 1}, {{32, 13}, 10}, {{}, 10}}) {
        ScriptedHost host;
        host.keys = keys;
        const TiSweep sweep = tuneOverTi(h, 1.41L, RegulatorType::PI, tis, 0, {}, escapeStop(host));
        EXPECT_EQ(sweep.rows.size(), rows);
        EXPECT_EQ(sweep.stopped, rows < tis.size());
        EXPECT_TRUE(host.keys.empty());
    }
    ScriptedHost host;
    for (const auto& [label, value] : std::vector<std::pair<std::string, std::string>>{
             {"w(end)", "20"}, {"step", "0.005"}, {"Ti beg", "0.5"}, {"Ti end", "5"}, {"Ti step", "0.5"}})
        host.setAnswer(label, value);
    host.keys = {27};
    AnalysisState state;
    tunePiRegulator(host, state, {Polynomial{1}, Polynomial{1, 3, 3, 1}}, RegulatorType::PI);
    ASSERT_EQ(host.tables.size(), 1u);
    EXPECT_EQ(host.tables[0].rows.size(), 1u);
    EXPECT_NE(std::find(host.lines.begin(), host.lines.end(), "report: Escape: 1 of 10 Ti tuned"),
              host.lines.end());
    EXPECT_EQ(host.graphs.size(), 1u);  // the Kr(Ti) graph of the one Ti
}

// The questions before "System Parameters": the orders preset the numerator pages, the
// type preset regulator 1's choice, a ti fixes its integral time, a k is kept when M
// limits no gain.
TEST(TwoRegulators, PresetsShapeTheTuningOfRegulatorOne) {
    const std::vector<std::pair<std::string, std::string>> plant = {
        {"N1(s) order", "1"}, {"N3(s) order", "2"}, {"N1 c0", "1"},   {"N1 c1", "2"},
        {"M3 c0", "3"},       {"N3 c0", "1"},       {"N3 c1", "1.2"}, {"N3 c2", "0.3"},
        {"Regulator 2", "P"}, {"w(end)", "20"},     {"step", "0.005"}};
    const auto run = [&plant](const std::vector<std::pair<std::string, std::string>>& presets) {
        auto host = std::make_unique<ScriptedHost>();
        for (const auto& [label, value] : plant) host->setAnswer(label, value);
        for (const auto& [label, value] : presets) host->setAnswer(label, value);
        AnalysisState state;
        tuneTwoRegulators(*host, state);
        return host;
    };
    const auto asked = [](const ScriptedHost& h, const std::string& label) {
        const auto labels = h.askedLabels();
        return std::find(labels.begin(), labels.end(), label) != labels.end();
    };
    {  // Orders 0 give one numerator coefficient each; the preset type is regulator 1's.
        const auto host =
            run({{"Input W1-M(p) order", "0"}, {"Input W3-M(p) order", "0"}, {"Regulator RG1 type:", "P"}});
        ASSERT_EQ(host->tables.size(), 1u) << host->lines.back();
        EXPECT_TRUE(asked(*host, "M1 c0") && asked(*host, "M3 c0"));
        EXPECT_FALSE(asked(*host, "M1 c1") || asked(*host, "M3 c1"));
        EXPECT_EQ(host->tables[0].rows[0][1], regulatorTypeNames()[0]);
        EXPECT_TRUE(host->unusedAnswers().empty());
    }
    {  // PI with ti = 2: the gain is tuned at that Ti alone, no Ti values asked.
        const auto host = run({{"Input W1-M(p) order", "0"}, {"Input W3-M(p) order", "0"}, {"ti", "2"}});
        ASSERT_EQ(host->tables.size(), 1u) << host->lines.back();
        const auto& first = host->tables[0].rows[0];
        EXPECT_EQ(first[1], regulatorTypeNames()[1]);
        EXPECT_EQ(first[3], "2");
        EXPECT_FALSE(asked(*host, "Ti beg"));
        const TransferFunction w3{Polynomial{3}, Polynomial{1, 1.2L, 0.3L}};
        const TransferFunction closed =
            closedLoop(w3, {RegulatorType::P, std::stold(host->tables[0].rows[1][2]), 0, 0});
        const TransferFunction outer{closed.A, closed.B * Polynomial{1, 2}};
        const Hodograph withPi = withRegulator(hodographOf(outer, kGrid), RegulatorType::PI, 2, 0);
        const long double k1 = bruteForceGain(withPi, 1.41L);
        EXPECT_NEAR(std::stold(first[2]), k1, 0.01L * k1);
    }
    // W1 = 0: M limits no gain of regulator 1; a given k is kept, without one the
    // method ends with its message.
    const auto zero = std::vector<std::pair<std::string, std::string>>{{"Input W1-M(p) order", "0"},
                                                                       {"Input W3-M(p) order", "0"},
                                                                       {"M1 c0", "0"},
                                                                       {"Regulator RG1 type:", "P"}};
    auto withK = zero;
    withK.push_back({"k", "5"});
    const auto kept = run(withK);
    ASSERT_EQ(kept->tables.size(), 1u) << kept->lines.back();
    EXPECT_EQ(kept->tables[0].rows[0][2], "5");
    const auto refused = run(zero);
    EXPECT_TRUE(refused->tables.empty());
    EXPECT_EQ(refused->messagesOf(Box::Error),
              std::vector<std::string>{std::string("Regulator 1: ") + kCannotSolve});
    // Orders out of range are refused in their dialog.
    const auto bad = run({{"Input W1-M(p) order", "31"}});
    EXPECT_TRUE(bad->tables.empty());
    EXPECT_FALSE(bad->messagesOf(Box::Error).empty());
}

}  // namespace
}  // namespace velmar
