// Flip-flops (127..135). Selector 54 carries the first data input (S, J or D), selector
// 55 the second (R or K) and the ordinary feeder the clock C; the T flip-flop (129)
// takes T on its ordinary input. A data input or clock without a feeder counts as 0.
// Logic values are the reals 0 and 1: a step in which an input the flip-flop uses is
// anything else changes nothing. NU is the output at the start of a run.
//
// Synchronisation: an asynchronous flip-flop applies its rule every step; a level-
// synchronised one while C = 1; an edge-synchronised one lets a master state follow the
// rule while C = 1 and hands it to the output when C falls.
#include <array>

#include "core/blocks/discrete_kinds.h"
#include "core/blocks/feeders.h"
#include "core/blocks/point_step.h"

namespace velmar {

namespace {

enum class Sync : std::uint8_t { None, Level, Edge };

// The logic inputs of one step, with the data inputs' values of the previous step.
struct LogicInputs {
    int first, second;  // S/J/D/T and R/K
    int previousFirst, previousSecond;
};

// The number of the inputs J and K that changed since the previous step.
int changes(const LogicInputs& in) {
    return (in.first != in.previousFirst ? 1 : 0) + (in.second != in.previousSecond ? 1 : 0);
}

Extended rs(Extended state, const LogicInputs& in) { return in.first != in.second ? in.first : state; }

// J ≠ K sets the state to J; J = K = 1 toggles it once for each of J and K that changed.
Extended jk(Extended state, const LogicInputs& in) {
    if (in.first != in.second) return in.first;
    if (in.first == 1 && changes(in) % 2 == 1) return 1 - state;
    return state;
}

struct FlipFlopKind {
    std::uint8_t code;
    Sync sync;
    bool clockIsData;  // 129: the ordinary input is the data input T, there is no clock
    Extended (*next)(Extended state, const LogicInputs& in);
};

const std::array<FlipFlopKind, 9> kFlipFlops = {{
    {127, Sync::None, false, rs},
    // 128: acts only when J or K changed since the previous step.
    {128, Sync::None, false,
     [](Extended state, const LogicInputs& in) -> Extended {
         if (changes(in) == 0) return state;
         if (in.first != in.second) return in.first;
         return in.first == 1 ? 1 - state : state;
     }},
    // 129: toggles when T rises from 0 to 1.
    {129, Sync::None, true,
     [](Extended state, const LogicInputs& in) -> Extended {
         return in.previousFirst == 0 && in.first == 1 ? 1 - state : state;
     }},
    {130, Sync::Level, false, rs},
    {131, Sync::Level, false, jk},
    {132, Sync::Level, false, [](Extended, const LogicInputs& in) -> Extended { return in.first; }},
    {133, Sync::Edge, false, rs},
    {134, Sync::Edge, false, jk},
    {135, Sync::Edge, false, [](Extended, const LogicInputs& in) -> Extended { return in.first; }},
}};

// The logic value of a feeder: 0 or 1, -1 for any other value; no feeder is 0.
int logicOf(const Element* feeder) {
    if (!feeder) return 0;
    const Extended v = feeder->Output;
    return v == 0 ? 0 : v == 1 ? 1 : -1;
}

class FlipFlop : public PointStepElement {
public:
    explicit FlipFlop(const FlipFlopKind& kind) : PointStepElement(kind.code), kind_(kind) {}

    void start(RunContext&) override {
        Output = param(0);
        master_ = 0;
        previousClock_ = 0;
        previousFirst_ = 0;
        previousSecond_ = 0;
    }

    void step(RunContext&) override {
        const FeederSplit feeders = splitFeeders(*this);
        const Element* ordinary = feeders.signalCount > 0 ? feeders.signals[0] : nullptr;
        if (kind_.clockIsData && !ordinary) return;
        const int first = logicOf(kind_.clockIsData ? ordinary : feeders.control(0));
        const int second = kind_.clockIsData ? 0 : logicOf(feeders.control(1));
        const int clock = kind_.sync == Sync::None ? 0 : logicOf(ordinary);
        if (first < 0 || second < 0 || clock < 0) return;

        const LogicInputs in{first, second, previousFirst_, previousSecond_};
        switch (kind_.sync) {
            case Sync::None: Output = kind_.next(Output, in); break;
            case Sync::Level:
                if (clock == 1) Output = kind_.next(Output, in);
                break;
            case Sync::Edge:
                if (clock == 1) master_ = kind_.next(master_, in);
                if (clock < previousClock_) Output = master_;
                previousClock_ = clock;
                break;
        }
        previousFirst_ = first;
        previousSecond_ = second;
    }

private:
    const FlipFlopKind& kind_;
    Real48 master_;
    int previousClock_ = 0;
    int previousFirst_ = 0;
    int previousSecond_ = 0;
};

}  // namespace

std::unique_ptr<Element> createFlipFlop(std::uint8_t code) {
    for (const FlipFlopKind& kind : kFlipFlops)
        if (kind.code == code) return std::make_unique<FlipFlop>(kind);
    return nullptr;
}

}  // namespace velmar
