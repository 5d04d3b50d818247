// Recorders: the elements that keep the results of a time run.
//
// During a run each recorder samples the outputs of its feeders into arrays of 6-byte
// reals indexed 0..M, M = min(PointCount, 5000): the sample of time point n is
// n when PointCount <= 5000, else Trunc(n * 5000 / PointCount), so several time points
// share a sample and the last one written wins. After a run the recorder draws a
// thumbnail of its data into its square and, when opened, hands its arrays to the graph
// viewer (points 0..M-1 of each curve; after a run stopped early only the samples
// written, so that no curve runs back to points never computed).
//
//   62 time response   three channels: Values[c] against Times[c]      graph kind 1
//   61 two series      Series1 (ordinary feeders) against Series2      graph kind 2
//                      (feeders that are selectors 54)
//   63 phase plane     Rate (backward difference) against Level        graph kind 2
//
// The graph a recorder hands over (recordedGraphOf) is what the graph viewer shows when
// the recorder is opened in Run and what the command-line tool writes out.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/host.h"
#include "core/model/element.h"

namespace velmar {

struct RunState;

inline constexpr int kMaxSamples = 5000;  // M at most; arrays hold M + 1 values

class Recorder : public Element {
public:
    Recorder(std::uint8_t code, int arrayCount) : Element(code), arrayCount_(arrayCount) {}

    // The curves handed to the graph viewer: nothing before a run has filled the arrays.
    virtual Diagrams diagrams() const = 0;
    virtual int graphKind() const = 0;
    bool hasResults() const { return !arrays_.empty(); }

    void ReleaseResults() override;
    void ShowResults(RunContext& ctx) override;
    void EditParameters(RunContext& ctx) override;
    void AllocateResults(RunContext& ctx) override;

protected:
    Real48* array(int k) { return arrays_[static_cast<std::size_t>(k)].data(); }
    const Real48* array(int k) const { return arrays_[static_cast<std::size_t>(k)].data(); }
    // The sample the current time point writes; it counts as written.
    int sampleIndex(const RunState& run);
    Diagram diagram(int x, int y, std::string name) const;

private:
    int arrayCount_;
    int samples_ = 0;  // M
    int written_ = 0;  // the highest sample written in this run (InitRun writes sample 0)
    std::vector<std::vector<Real48>> arrays_;
};

// The curves a recorder hands to the graph viewer and the graph kind to show them with.
struct RecordedGraph {
    Diagrams diagrams;
    int kind = 0;
};

// The graph of `e` after a run: nothing when `e` is no recorder or holds no results.
std::optional<RecordedGraph> recordedGraphOf(const Element& e, const RunState& run);

// 62: channel c (0..2) keeps Values in array c and Times in array 3 + c.
class TimeRecorder : public Recorder {
public:
    explicit TimeRecorder(std::uint8_t code) : Recorder(code, 6) {}
    void InitRun(RunContext& ctx) override;
    void Advance(RunContext& ctx) override;
    Diagrams diagrams() const override;
    int graphKind() const override { return 1; }
};

// 61: Series1 in array 0, Series2 in array 1.
class SeriesRecorder : public Recorder {
public:
    explicit SeriesRecorder(std::uint8_t code) : Recorder(code, 2) {}
    void Advance(RunContext& ctx) override;
    Diagrams diagrams() const override;
    int graphKind() const override { return 2; }
};

// 63: Rate in array 0, Level in array 1. Level is the input of the previous time point
// and Rate the backward difference (input - Level) / Step; the first sample, which has no
// previous point, takes the values of the second.
class PhaseRecorder : public Recorder {
public:
    explicit PhaseRecorder(std::uint8_t code) : Recorder(code, 2) {}
    void InitRun(RunContext& ctx) override;
    void Advance(RunContext& ctx) override;
    Diagrams diagrams() const override;
    int graphKind() const override { return 2; }

private:
    // The input at the latest time point and at the one before. A variable-step run
    // advances a recorder at every evaluation, so the previous value moves on only when
    // the time point does.
    std::int32_t pointOfLatest_ = -1;
    Real48 latest_;
    Real48 previous_;
};

}  // namespace velmar
