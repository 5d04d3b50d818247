// Test schemes of the discrete and logic elements: gates and flip-flops driven by pulse
// trains, the sampling element and the controlled delay.
#include "test_schemes/drawings.h"
#include "test_schemes/layouts.h"

namespace velmar::tools {

namespace {

// Pulse trains of 1 with periods 2, 4 and 8 s, on half of each period: together they
// run through every combination of three logic inputs.
const Part kPulseA{106, {1, 1, 2}, "a"};
const Part kPulseB{106, {1, 2, 4}, "b"};
const Part kPulseC{106, {1, 4, 8}, "c"};

// A logic input: its source and the additional-input selector it enters through (0 for
// the ordinary input).
struct Signal {
    Part source;
    int selector = 0;
};

constexpr int kRecorderCol = 34;
constexpr int kBlockCol = 22;

// Logic signals read best one to a plot, as in a timing diagram: each input runs along
// its own row (through its selector, if any) into its own recorder, and a wire drops
// from it to the block under test below them, whose output has a recorder too.
void timing(Sketch& s, const std::vector<Signal>& signals, const Part& block, std::string_view output = "y") {
    const int blockRow = 3 + 7 * static_cast<int>(signals.size());
    Element& tested = s.put(block.code, kBlockCol, blockRow, block.params, block.caption);
    for (std::size_t k = 0; k < signals.size(); ++k) {
        const Signal& signal = signals[k];
        const int row = 3 + 7 * static_cast<int>(k);
        const Element* last = &s.put(signal.source.code, 2, row, signal.source.params, signal.source.caption);
        if (signal.selector) {
            const Element& selector = s.put(signal.selector, 10, row, {}, signal.source.caption);
            s.connect(*last, selector);
            last = &selector;
        }
        s.connect(*last, s.put(62, kRecorderCol, row, {}, signal.source.caption));
        const int drop = 16 + 2 * static_cast<int>(k);
        s.wire({{drop, row + 1}, {drop, blockRow + static_cast<int>(k)}, in(tested, static_cast<int>(k))});
    }
    s.connect(tested, s.put(62, kRecorderCol, blockRow, {}, output));
}

void gate(Sketch& s, int code, std::string_view caption, int inputs) {
    std::vector<Signal> signals = {{kPulseA}, {kPulseB}, {kPulseC}};
    signals.resize(static_cast<std::size_t>(inputs));
    timing(s, signals, {code, {}, caption});
}

void notAndNor(Sketch& s) {
    gate(s, 95, "NOR", 2);
    Element& inverter = s.put(91, kBlockCol, 24, {}, "NOT");
    s.wire({{12, 4}, {12, 25}, in(inverter)});
    s.connect(inverter, s.put(62, kRecorderCol, 24, {}, "not a"));
}

void andGate(Sketch& s) { gate(s, 92, "AND", 3); }
void orGate(Sketch& s) { gate(s, 93, "OR", 3); }
void nandGate(Sketch& s) { gate(s, 94, "NAND", 3); }
void xorGate(Sketch& s) { gate(s, 96, "XOR", 2); }

// The pulse element samples sin t every 0.5 s; the controlled delay delays it by the
// value of its control input, here 1 s.
void samplingAndDelay(Sketch& s) {
    chain(s, {34, {1, 1, 0}, "x = sin t"}, {{39, {0.5}, "T = 0.5"}});
    Element& x = s.put(34, 2, 12, {1, 1, 0}, "x = sin t");
    Element& d = s.put(33, 2, 19, {1}, "D = 1");
    Element& control = s.put(54, 10, 19, {}, "delay");
    Element& delay = s.put(64, 18, 12, {2}, "T = 2");
    Element& rec = s.put(62, 26, 12, {}, "x, y");
    s.connect(x, delay);
    s.connect(d, control);
    s.route(control, delay, 2, 15);
    s.connect(delay, rec);
    s.wire({{6, 13}, {6, 10}, {27, 10}, above(rec)});
}

// Set pulses at 0, 4 and 8 s, reset pulses every 2.5 s from 2 s.
const Part kSetPulses{106, {1, 0.5, 4}, "S"};
const Part kResetPulses{109, {1, 0, 2, 0.5}, "R"};

void asynchronousRs(Sketch& s) {
    timing(s, {{kSetPulses, 54}, {kResetPulses, 55}}, {127, {0}, "Q(0) = 0"}, "Q");
}

void toggle(Sketch& s) { timing(s, {{{106, {1, 0.5, 1}, "T: 1 pulse/s"}}}, {129, {0}, "Q(0) = 0"}, "Q"); }

// D on the selector-54 input, a clock of half-second pulses on the ordinary input; D
// changes while the clock is 1 at 1.25 s, 3.75 s, ...: the level-synchronised flip-flop
// follows it at once, the edge-synchronised one at the clock's falling edge.
void dataFlipFlop(Sketch& s, int code) {
    timing(s, {{{106, {1, 1.25, 2.5}, "D"}, 54}, {{106, {1, 0.5, 1}, "C"}}}, {code, {0}, "Q(0) = 0"}, "Q");
}

void levelD(Sketch& s) { dataFlipFlop(s, 132); }
void edgeD(Sketch& s) { dataFlipFlop(s, 135); }

void edgeRs(Sketch& s) {
    timing(s, {{kSetPulses, 54}, {kResetPulses, 55}, {{106, {1, 0.25, 1}, "C"}}}, {133, {0}, "Q(0) = 0"},
           "Q");
}

}  // namespace

std::vector<TestDrawing> logicDrawings() {
    return {
        {"ImpZp.sht", "Pulse element sampling sin t every 0.5 s; controlled delay of sin t by 1 s",
         samplingAndDelay},
        {"Ynorx.sht", "Logic NOR of two pulse trains and NOT of one", notAndNor},
        {"YandX.sht", "Logic 3-input AND of three pulse trains", andGate},
        {"Yorx.sht", "Logic 3-input OR of three pulse trains", orGate},
        {"ine.sht", "Logic 3-input NAND of three pulse trains", nandGate},
        {"Xor.sht", "Logic exclusive OR of two pulse trains", xorGate},
        {"RS_trig.sht", "Asynchronous RS flip-flop set and reset by pulse trains", asynchronousRs},
        {"T_trigTest.sht", "T flip-flop halving the frequency of a pulse train", toggle},
        {"D_trigTest.sht", "Level-synchronised D flip-flop: D passes while the clock is 1", levelD},
        {"RCStr.sht", "Edge-synchronised RS flip-flop: the output changes on the falling clock edge", edgeRs},
        {"D_TTrig.sht", "Edge-synchronised D flip-flop: D taken on the falling clock edge", edgeD},
    };
}

}  // namespace velmar::tools
