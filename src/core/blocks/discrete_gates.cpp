// Logic gates (91..96). A connected input counts as true when it is not 0.
#include <array>

#include "core/blocks/discrete_kinds.h"

namespace velmar {

namespace {

// What the gates look at in their connected inputs.
struct InputSummary {
    bool anyFalse = false;
    bool anyTrue = false;
    Extended sum = 0;
};

struct Gate {
    std::uint8_t code;
    bool (*truth)(const InputSummary&);
    bool needsInput;  // NOT keeps its output without an input; the others answer for none
};

const std::array<Gate, 6> kGates = {{
    {91, [](const InputSummary& s) { return s.anyFalse; }, true},    // NOT
    {92, [](const InputSummary& s) { return !s.anyFalse; }, false},  // AND
    {93, [](const InputSummary& s) { return s.anyTrue; }, false},    // OR
    {94, [](const InputSummary& s) { return s.anyFalse; }, false},   // NAND
    {95, [](const InputSummary& s) { return !s.anyTrue; }, false},   // NOR
    {96, [](const InputSummary& s) { return s.sum == 1; }, false},   // exclusive OR: the inputs add up to 1
}};

class LogicGate : public Element {
public:
    explicit LogicGate(const Gate& gate) : Element(gate.code), gate_(gate) {}

    void Advance(RunContext&) override {
        InputSummary summary;
        bool connected = false;
        for (const Element* feeder : Inputs) {
            if (!feeder) continue;
            connected = true;
            const Extended u = feeder->Output;
            (u == 0 ? summary.anyFalse : summary.anyTrue) = true;
            summary.sum += u;
        }
        if (gate_.needsInput && !connected) return;
        Output = gate_.truth(summary) ? 1 : 0;
    }

private:
    const Gate& gate_;
};

}  // namespace

std::unique_ptr<Element> createGate(std::uint8_t code) {
    for (const Gate& gate : kGates)
        if (gate.code == code) return std::make_unique<LogicGate>(gate);
    return nullptr;
}

}  // namespace velmar
