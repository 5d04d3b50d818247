// velmar-cli metrics: the step-response metrics of a recorder curve, as the core measures
// the curve that `run` writes for the same scheme and answers.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_process.h"
#include "cli/commutator_scheme.h"
#include "core/graphs/step_metrics.h"
#include "core/model/scheme_file.h"
#include "core/numtext.h"
#include "core/real48.h"

namespace velmar::testing {
namespace {

const std::string kDemo = VELMAR_DATA_DIR "/Schemes/demo.shm";

// Diagram `slot` of `element` from the CSV of `run`: the values are stored reals written
// in 17 significant digits, so storing what is read gives them back exactly.
void curveFromCsv(const std::string& csv, int element, int slot, std::vector<Extended>& x,
                  std::vector<Extended>& y) {
    const std::string lead = std::to_string(element) + "," + std::to_string(slot) + ",";
    for (const std::string& row : lines(csv)) {
        if (row.rfind(lead, 0) != 0) continue;
        std::istringstream fields(row.substr(lead.size()));
        std::string index, xs, ys;
        std::getline(fields, index, ',');
        std::getline(fields, xs, ',');
        std::getline(fields, ys, ',');
        x.push_back(Real48(*parseNumber(xs)));
        y.push_back(Real48(*parseNumber(ys)));
    }
}

TEST_F(Cli, MetricsAreThoseOfTheCurveTheRunWrites) {
    // The demo's output (recorder 6, diagram 2) over 10 s settles; cut at 3 s it has not;
    // a slower lag (--set) changes it.
    const std::vector<std::vector<std::string>> runOptions = {
        {"--answer", "Time=10"}, {"--answer", "Time=3"}, {"--answer", "Time=10", "--set", "4:T=0.6"}};
    for (const auto& options : runOptions) {
        std::vector<std::string> runArgs = {"run", kDemo},
                                 metricArgs = {"metrics", kDemo, "--element", "6", "--diagram", "2"};
        runArgs.insert(runArgs.end(), options.begin(), options.end());
        metricArgs.insert(metricArgs.end(), options.begin(), options.end());
        const Result run = cli(runArgs);
        ASSERT_EQ(run.code, 0) << run.out;
        std::vector<Extended> x, y;
        curveFromCsv(run.out, 6, 2, x, y);
        ASSERT_GT(x.size(), 100u);
        const StepMetrics expected = stepMetrics(x, y, 1);  // the demo's step has C = 1

        const Result r = cli(metricArgs);
        ASSERT_EQ(r.code, 0) << r.out;
        EXPECT_EQ(lines(r.out), metricLines(expected)) << options.back();
    }
    const Result cut = cli({"metrics", kDemo, "--diagram", "2", "--answer", "Time=3"});
    ASSERT_EQ(cut.code, 0) << cut.out;
    EXPECT_EQ(lines(cut.out).at(0).rfind("metric: final_value = not settled, last value 1.", 0), 0u)
        << cut.out;
    EXPECT_EQ(lines(cut.out).at(6), "metric: settling_time_5 = not settled");
}

TEST_F(Cli, MetricsTakeTheFirstRecorderAndItsFirstDiagramByDefault) {
    // Diagram 1 of the demo's recorder is the step itself: flat, so only the final value
    // and the error are known.
    const Result r = cli({"metrics", kDemo});
    ASSERT_EQ(r.code, 0) << r.out;
    const std::vector<std::string> said = lines(r.out);
    ASSERT_EQ(said.size(), std::size_t(kMetricCount));
    EXPECT_EQ(said[0], "metric: final_value = 1");
    EXPECT_EQ(said[1], "metric: rise_time = undefined");
    EXPECT_EQ(said[7], "metric: steady_state_error = 0");
}

TEST_F(Cli, MetricsOfARunThatBlowsUpSayItDiverges) {
    // A step into a lag with a negative time constant: its output grows as e^t until the
    // run stops it beyond 1e15.
    const fs::path file = saveLagScheme(dir, -1);
    const Result r = cli({"metrics", file.string(), "--answer", "Time=50"});
    EXPECT_EQ(r.code, 1);
    const std::vector<std::string> said = lines(r.out);
    ASSERT_EQ(said.size(), 1u + kMetricCount) << r.out;
    EXPECT_EQ(said[0], "Ошибка: Process is not stable");
    EXPECT_EQ(said[1], "metric: final_value = diverging");
    EXPECT_EQ(said[8], "metric: steady_state_error = diverging");
}

TEST_F(Cli, MetricsRefuseWhatTheyCannotMeasure) {
    const struct {
        std::vector<std::string> extra;
        std::string said;
    } rows[] = {
        {{"--element", "1"}, "velmar-cli metrics: element 1 is not a recorder\n"},
        {{"--element", "99"}, "velmar-cli metrics: the scheme has no element 99\n"},
        {{"--diagram", "3"}, "velmar-cli metrics: recorder 6 has no diagram 3\n"},
        {{"--diagram", "6"}, "velmar-cli metrics: --diagram 6: expected a whole number from 1 to 5\n"},
        {{"--element", "0"}, "velmar-cli metrics: --element 0: expected a whole number from 1 to 255\n"},
        {{"--element", "x"}, "velmar-cli metrics: --element x: expected a whole number from 1 to 255\n"},
        {{"--answer", "Time"}, "velmar-cli metrics: an answer must read LABEL=VALUE: Time\n"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args = {"metrics", kDemo};
        args.insert(args.end(), row.extra.begin(), row.extra.end());
        const Result r = cli(args);
        EXPECT_EQ(r.code, 2) << r.out;
        EXPECT_EQ(r.out.substr(0, row.said.size()), row.said);
    }
    EXPECT_EQ(cli({"metrics", (dir / "none.shm").string()}).code, 2);
}

}  // namespace
}  // namespace velmar::testing
