// The live parameter panel's decisions: which parameters it offers (every parameter
// ticked with "Mark"), the slider range around a value and the slider's steps, how
// changes made while a run goes on are coalesced, the re-run that asks nothing, and
// what an open graph viewer is to show afterwards (a recorder's new curves, or the
// frequency characteristic of the Solve operation computed afresh).
//
// Values reach the blocks through the parameter grid's path (grid/parameter_grid.h is
// above this layer, so the panel calls writeParameter itself with the targets listed
// here).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/analysis/frequency.h"
#include "core/host.h"
#include "core/model/catalogue.h"
#include "core/real48.h"
#include "core/simulation/driver.h"

namespace velmar {

class Scheme;
class Workbench;
struct RunState;

// A marked parameter: its element, its row among the block's dialog rows (from 1, the
// index the parameter grid hands over) and what the panel shows of it.
struct LiveParameter {
    int element = 0;
    int row = 0;
    std::string label;  // the dialog row's label without surrounding blanks, e.g. "T"
    std::string block;  // the block's name
    Real48 value;

    // "ELEMENT:LABEL", as velmar-cli's --set names the parameter.
    std::string name() const { return std::to_string(element) + ":" + label; }
    bool sameTarget(const LiveParameter& other) const { return element == other.element && row == other.row; }
};

// Every marked parameter that has a row in its block's dialog, in element order and
// then row order.
std::vector<LiveParameter> markedParameters(const Scheme& scheme, NameSet names);

// The slider's range. `low` is below `high`.
struct LiveRange {
    Extended low = 0;
    Extended high = 0;
    bool holds(Extended v) const { return low <= v && v <= high; }
};

// The range a parameter starts with: from 0 to twice its value, so that the value sits
// in the middle and the sign is kept; [-1, 1] for 0.
LiveRange rangeAround(Extended value);
// A range typed by hand: nothing unless both ends are finite, low < high and the range
// holds the parameter's value (a range edit never changes the value by itself).
std::optional<LiveRange> editedRange(Extended low, Extended high, Extended value);
// The range kept for a value set otherwise (typed, or changed in a dialog): `range`
// when it holds the value, else the range around the value.
LiveRange rangeFor(const LiveRange& range, Extended value);

inline constexpr int kSliderSteps = 1000;
// The slider position nearest to a value, within 0..kSliderSteps.
int sliderPosition(const LiveRange& range, Extended value);
// The value at a slider position, as the parameter stores it.
Real48 sliderValue(const LiveRange& range, int position);

// Changes waiting for the next run: the newest value per parameter. A change offered
// while a run goes on supersedes that run.
struct LiveChange {
    int element = 0;
    int row = 0;
    Real48 value;
};

class LiveChanges {
public:
    // Records a value; true when a run is in progress and should stop for it.
    bool offer(const LiveChange& change);
    // The changes to write before the next run, in the order first offered since the
    // last take; the run counts as started. Empty (and no run in progress) when
    // nothing waits.
    std::vector<LiveChange> take();
    // Forgets what waits (the scheme left Run before it could run).
    void drop() {
        waiting_.clear();
        running_ = false;
    }
    bool running() const { return running_; }
    bool waiting() const { return !waiting_.empty(); }
    // Whether a change for this parameter waits.
    bool waitingFor(int element, int row) const;

private:
    std::vector<LiveChange> waiting_;
    bool running_ = false;
};

// Whether a live re-run may start now. `windowBusy`: a command of the window is in
// progress; `viewerDepth`: the analysis viewer's ShowGraph calls in progress. A command
// that is only waiting in the viewer (a characteristic) is no obstacle; the magnifier
// (a second ShowGraph) keeps the outer curves' arrays, which a run would release, so it
// waits.
bool liveRunAllowed(bool windowBusy, int viewerDepth);

// The outcome of a re-run and the text of the message it gave, if any (the run's
// message boxes are not shown: the panel says what happened).
struct LiveRunResult {
    RunOutcome outcome = RunOutcome::Cancelled;
    std::string problem;
};

// Runs the compiled scheme again with the run values last confirmed (Step and Time, or
// Time and Eps) without asking them. Thumbnails, the key queue and the progress strip
// (not its texts) go to the workbench's host as in any run; message boxes are kept in
// the result instead. A run
// of the constant step stops at Esc or when RunState::UserStop is raised meanwhile.
LiveRunResult runWithoutDialogs(Workbench& wb);

// The recorder whose curves a viewer shows: the element one of whose recorded arrays
// is in one of the slots. 0 when none is.
int recorderOnShow(const Scheme& scheme, const RunState& run, const Diagrams& shown);

// The frequency characteristic the Solve operation is showing, computed again from the
// scheme as it is now: the remembered analysis block's W(s) is reduced afresh (and
// shown and written as its first phase does) and the curve taken over the range last
// entered. `viewerKind` is the graph kind the viewer shows. Nothing when no
// characteristic of the scheme is on show (no method in progress, another method or
// kind, W(s) typed by hand, no compiled scheme) or when the reduction is refused.
struct FrequencyOnShow {
    Curve curve;
    int kind = 0;
};
std::optional<FrequencyOnShow> recomputeFrequency(Workbench& wb, int viewerKind);

}  // namespace velmar
