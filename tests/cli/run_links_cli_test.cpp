// velmar-cli run on schemes laid out byte by byte here, without the core: the printed
// outputs of linear links and sources must agree with the formulas computed here (with
// a 6-byte rounding of their own) to the last printed digit on the constant step, and
// with the exact responses within Eps on the variable step.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "cli/scheme_bytes.h"

namespace fs = std::filesystem;
using velmar::testing::Ext;
using velmar::testing::SchemeBytes;
using velmar::testing::store;

namespace {

// The CSV "element,diagram,index,x,y": the printed y texts per element and index.
struct Printed {
    std::string x, y;
};
using Curves = std::map<int, std::vector<Printed>>;  // by recorder element number

Curves readCsv(const fs::path& file) {
    Curves curves;
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        std::stringstream fields(line);
        std::string element, diagram, index, x, y;
        std::getline(fields, element, ',');
        std::getline(fields, diagram, ',');
        std::getline(fields, index, ',');
        std::getline(fields, x, ',');
        std::getline(fields, y, ',');
        if (diagram == "1") curves[std::stoi(element)].push_back({x, y});
    }
    return curves;
}

// Half a unit of the last printed digit of a number text.
Ext halfLastDigit(const std::string& text) {
    const std::size_t ePos = text.find_first_of("eE");
    const std::string mantissa = text.substr(0, ePos);
    const int exponent = ePos == std::string::npos ? 0 : std::stoi(text.substr(ePos + 1));
    const std::size_t point = mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    return 0.5L * std::pow(10.0L, static_cast<Ext>(exponent - decimals));
}

void expectPrinted(const std::vector<Printed>& printed, const std::vector<Ext>& expected, const char* what) {
    ASSERT_GE(printed.size(), expected.size() - 1) << what;
    for (std::size_t i = 0; i < printed.size() && i < expected.size(); ++i) {
        const Ext value = std::stold(printed[i].y);
        ASSERT_LE(std::fabs(value - expected[i]), halfLastDigit(printed[i].y) * 1.0000001L)
            << what << " point " << i << ": printed " << printed[i].y << ", computed "
            << static_cast<double>(expected[i]);
    }
}

struct CliRun : velmar::testing::Cli {};

constexpr int kRows[] = {2, 8, 14, 20};  // one chain per row: source, link, recorder

TEST_F(CliRun, ConstantStepOutputsAgreeWithTheFormulasToTheLastPrintedDigit) {
    SchemeBytes s;
    // 33 step C = 1        -> 22 aperiodic K = 2, T = 0.5, H y = 0.25
    // 37 ramp K = 3        -> 31 delay T = 0.05
    // 34 sine (w, A, Phase) -> 140 high-pass K = 1.5, Wo = 4
    // 106 pulses A, ti, T  -> 26 oscillatory k = 1, a = 0.2, b = 0.3
    s.block(2, kRows[0], 33, {1});
    s.block(7, kRows[0], 22, {2, 0.5L, 0.25L});
    s.block(2, kRows[1], 37, {3});
    s.block(7, kRows[1], 31, {0.05L});
    s.block(2, kRows[2], 34, {3, 2, 0.5L});
    s.block(7, kRows[2], 140, {1.5L, 4});
    s.block(2, kRows[3], 106, {1, 0.3L, 0.8L});
    s.block(7, kRows[3], 26, {1, 0.2L, 0.3L});
    for (int row : kRows) {
        s.block(12, row, 62, {});
        s.link(2, row);
        s.link(7, row);
    }
    const fs::path scheme = dir / "links.shm", csv = dir / "links.csv";
    s.write(scheme);
    const velmar::testing::Result r = velmar::testing::cli(
        {"run", scheme.string(), "--answer", "Step=0.01", "--answer", "Time=2", "--csv", csv.string()});
    ASSERT_EQ(r.code, 0) << r.out;
    const Curves curves = readCsv(csv);

    const Ext h = store(0.01L);
    const int points = static_cast<int>(std::trunc(store(2) / h));
    std::vector<Ext> aperiodic, delayed, highPass, oscillatory;
    Ext y22 = store(0.25L), ramp = store(0 - h * 3), y140 = 0, prevSine = 0, y26 = 0, y26_2 = 0;
    const Ext hh = store(h * h);
    std::vector<Ext> ramps;
    Ext periodStart = 0;
    for (int n = 0; n < points; ++n) {
        const Ext t = n * h;
        // 22: (K u + (T/h) y) / (T/h + 1)
        y22 = store((2 * store(1) + (store(0.5L) / h) * y22) / (store(0.5L) / h + 1));
        aperiodic.push_back(y22);
        // 31 fed by the ramp: the input Round(T/h) = 5 steps late
        ramp = store(ramp + h * 3);
        ramps.push_back(ramp);
        delayed.push_back(n < 5 ? 0 : ramps[static_cast<size_t>(n - 5)]);
        // 140 fed by A sin(w t + Phase)
        const Ext sine = store(store(2) * std::sin(store(3) * t + store(0.5L)));
        const Ext K = store(1.5L), Wo = store(4);
        y140 = store(((K / Wo) * (sine - prevSine) / h + y140 / (Wo * h)) / (1 / (Wo * h) + 1));
        prevSine = sine;
        highPass.push_back(y140);
        // 26 fed by rectangular pulses
        if (t - periodStart >= store(0.8L)) periodStart = t;
        const Ext pulse = t - periodStart > store(0.3L) ? 0 : store(1);
        const Ext a = store(0.2L), b = store(0.3L);
        const Ext next =
            store((store(1) * pulse + (b / h) * y26 - (a / hh) * (y26_2 - 2 * y26)) / (a / hh + b / h + 1));
        y26_2 = y26;
        y26 = next;
        oscillatory.push_back(y26);
    }
    // recorders are the elements 9..12 (column 12, rows in order)
    expectPrinted(curves.at(9), aperiodic, "aperiodic");
    expectPrinted(curves.at(10), delayed, "transport delay");
    expectPrinted(curves.at(11), highPass, "high-pass filter");
    expectPrinted(curves.at(12), oscillatory, "oscillatory");
}

TEST_F(CliRun, VariableStepOutputsFollowTheExactResponsesWithinEps) {
    SchemeBytes s;
    s.block(2, kRows[0], 33, {1});
    s.block(7, kRows[0], 22, {1, 1, 0});  // 1 - e^-t
    s.block(2, kRows[1], 33, {1});
    s.block(7, kRows[1], 139, {1, 2});  // 1 - (1 + 2t) e^-2t
    for (int row : {kRows[0], kRows[1]}) {
        s.block(12, row, 62, {});
        s.link(2, row);
        s.link(7, row);
    }
    const fs::path scheme = dir / "variable.shm", csv = dir / "variable.csv";
    s.write(scheme);
    const velmar::testing::Result r =
        velmar::testing::cli({"run", scheme.string(), "--variable", "--answer", "Time=5", "--answer",
                              "Eps=0.001", "--csv", csv.string()});
    ASSERT_EQ(r.code, 0) << r.out;
    const Curves curves = readCsv(csv);
    const std::function<Ext(Ext)> exact[] = {[](Ext t) { return 1 - std::exp(-t); },
                                             [](Ext t) { return 1 - (1 + 2 * t) * std::exp(-2 * t); }};
    for (int k = 0; k < 2; ++k) {
        const auto& printed = curves.at(5 + k);
        ASSERT_GT(printed.size(), 200u);
        for (const Printed& p : printed)
            ASSERT_NEAR(std::stold(p.y), exact[k](std::stold(p.x)), 0.001L) << "t = " << p.x;
    }
}

}  // namespace
