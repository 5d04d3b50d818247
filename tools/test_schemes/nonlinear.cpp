// Test schemes of the nonlinear elements: harmonic inputs for the relays and limiters,
// ramps for the functions (so the time plot is the characteristic itself), operand
// blocks with their control inputs.
#include <numbers>

#include "test_schemes/drawings.h"
#include "test_schemes/layouts.h"

namespace velmar::tools {

namespace {

const Part kSine{34, {1, 1, 0}, "x = sin t"};
const Part kTwoSine{34, {2, 1, 0}, "x = 2 sin t"};

void staticNonlinearities(Sketch& s) {
    fan(s, kTwoSine,
        {{38, {}, "y = |x|"}, {68, {}, "a = 1, b = 0.5, c = 1"}, {69, {}, "K = 1, a = 1, b = -1"}});
    chain(s, {118, {1, 0.2, 0.5}, "x = 0.2 + 0.5t"}, {{65, {}, "y = 1/x"}}, 27, "x, 1/x");
}

// The sign relay steers an integrator towards the top of the parabola y = -x^2 and then
// keeps hunting around it.
void extremumSearch(Sketch& s) {
    Element& relay = s.put(80, 10, 3, {0.2, 0, 1}, "d = 0.2");
    Element& x = s.put(27, 18, 3, {1, -3}, "x(0) = -3");
    Element& plant = s.put(43, 26, 3, {1}, "y = -x^2");
    Element& rec = s.put(62, 34, 12, {}, "sign, x, y");
    s.connect(relay, x);
    s.connect(x, plant);
    s.wire({out(plant), {31, 4}, {31, 9}, {7, 9}, {7, 4}, in(relay)});
    s.wire({{15, 4}, {15, 14}, in(rec, 2)});
    s.wire({{23, 4}, {23, 13}, in(rec, 1)});
    s.wire({{30, 4}, {30, 12}, in(rec, 0)});
}

void backlash(Sketch& s) { characteristic(s, kTwoSine, {45, {1, 1, 0}, "a = 1, k = 1"}); }

void idealRelays(Sketch& s) {
    fan(s, kSine, {{66, {0, 1, -1}, "Bx = 0, b = 1, c = -1"}, {66, {0.5, 1, 0}, "Bx = 0.5, b = 1, c = 0"}});
}

void saturationAndDeadZoneRelay(Sketch& s) {
    fan(s, kTwoSine,
        {{67, {1, 1, -1, -1}, "a = 1, b = 1, c = -1, d = -1"},
         {70, {1, 0.5, -1, -0.5}, "a = 1, b = 0.5, c = -1, d = -0.5"}});
}

void hysteresisRelay(Sketch& s) {
    characteristic(s, kSine, {71, {1, 0.5, -1, -0.5, 1}, "b = 0.5, d = -0.5"});
}

void hysteresisDeadZoneRelay(Sketch& s) {
    characteristic(s, kSine, {72, {1, 0.3, 0.5, -1, -0.5, -0.3}, "b = 0.3, c = 0.5"});
}

void exponentialFunctions(Sketch& s) {
    fan(s, {118, {1, -2, 0.4}, "x = -2 + 0.4t"}, {{75, {2}, "y = 2^x"}, {75, {0.5}, "y = 0.5^x"}});
}

void quantiser(Sketch& s) { chain(s, kTwoSine, {{76, {0.5, 0.5}, "Step OY = 0.5, Step OX = 0.5"}}); }

// The oscillatory link's impulse response, its running maximum and minimum; the regime
// block waits for a parameter table.
void peakMemories(Sketch& s) {
    Element& delta = s.put(36, 2, 3, {}, "delta(t)");
    Element& link = s.put(26, 10, 3, {1, 0.25, 0.2}, "a = 0.25, b = 0.2");
    Element& highest = s.put(123, 18, 3, {}, "max so far");
    Element& lowest = s.put(124, 18, 10, {}, "min so far");
    Element& rec = s.put(62, 26, 3, {}, "y, max, min");
    s.put(78, 2, 12, {}, "parameter schedule");
    s.connect(delta, link);
    s.connect(link, highest);
    s.wire({{15, 4}, {15, 11}, in(lowest)});
    s.connect(highest, rec);
    s.route(lowest, rec, 2, 23);
    s.wire({{14, 4}, {14, 1}, {27, 1}, above(rec)});
}

// y = x^2 + Bx + C with B and C from the control inputs: roots at x = -2 and x = 1.
void quadraticFunction(Sketch& s) {
    operands(s,
             {{{33, {1}, "B = 1"}, 54, "B"},
              {{33, {-2}, "C = -2"}, 55, "C"},
              {{118, {1, -3, 0.6}, "x = -3 + 0.6t"}, 0, {}, true}},
             {79, {}, "y = x^2 + Bx + C"}, "x, y");
}

// Typical structure 2: y = Kx2 w Integral(Kx1 x v): with x = v = sin t the integral
// grows steadily, and the square wave w flips its sign.
void multiplicativeStructure(Sketch& s) {
    operands(s,
             {{{34, {1, 1, 0}, "x = sin t"}, 0, {}, true},
              {{34, {1, 1, 0}, "v = sin t"}, 54, "v"},
              {{109, {1, -1, 2.5, 2.5}, "w = -1 / +1"}, 55, "w", true}},
             {83, {1, 1, 0}, "Kx1 = 1, Kx2 = 1"}, "x, w, y");
}

// The comparator gives A where p >= q and B elsewhere.
void comparator(Sketch& s) {
    operands(s,
             {{{111, {1, 1, 2}, "p: saw-tooth"}, 54, "p", true},
              {{0, {}, {}}},
              {{106, {0.5, 1, 2}, "q: 0.5 / 0"}, 55, "q", true}},
             {84, {1, -1}, "A = 1, B = -1"}, "p, q, y");
}

void trigonometric(Sketch& s) {
    constexpr Extended pi = std::numbers::pi_v<Extended>;
    fan(s, {118, {1, -pi, pi / 5}, "x = -pi + 0.2 pi t"}, {{85, {}, "sin x"}, {86, {}, "cos x"}});
}

void tangentArctangent(Sketch& s) {
    chain(s, {118, {1, -1.4, 0.28}, "x = -1.4 + 0.28t"}, {{87, {}, "tg x"}, {88, {}, "arctg"}}, 3,
          "x, tg x, arctg(tg x)");
}

void exponentLogarithm(Sketch& s) {
    chain(s, {118, {1, -2, 0.4}, "x = -2 + 0.4t"}, {{89, {1}, "exp x"}, {90, {}, "ln"}}, 3,
          "x, exp x, ln(exp x)");
}

// Three phases: the maximum and minimum selectors give the upper and lower envelopes.
void maximumMinimum(Sketch& s) {
    constexpr Extended third = 2 * std::numbers::pi_v<Extended> / 3;
    Element& a = s.put(34, 2, 3, {1, 1, 0}, "sin t");
    Element& b = s.put(34, 2, 10, {1, 1, third}, "sin(t + 2pi/3)");
    Element& c = s.put(34, 2, 17, {1, 1, 2 * third}, "sin(t + 4pi/3)");
    Element& highest = s.put(100, 14, 3, {}, "MAX");
    Element& lowest = s.put(101, 14, 17, {}, "MIN");
    Element& envelopes = s.put(62, 22, 10, {}, "max, min");
    Element& phases = s.put(62, 14, 26, {}, "three phases");
    s.connect(a, highest);
    s.route(b, highest, 2, 9);
    s.connect(c, lowest);
    s.wire({{9, 11}, {9, 17}, in(lowest, 0)});
    s.wire({{7, 4}, {7, 19}, in(lowest, 2)});
    s.wire({{11, 18}, {11, 3}, in(highest, 0)});
    s.route(highest, envelopes, 0, 19);
    s.route(lowest, envelopes, 2, 19);
    s.wire({{6, 18}, {6, 27}, in(phases, 1)});
    s.wire({{8, 11}, {8, 26}, in(phases, 0)});
    s.wire({{7, 19}, {7, 28}, in(phases, 2)});
}

}  // namespace

std::vector<TestDrawing> nonlinearDrawings() {
    return {
        {"Nelin.sht",
         "Modulus, saturation with dead zone and dead zone on 2 sin t; inverse proportionality on a ramp",
         staticNonlinearities},
        {"Signum.sht",
         "Extremum search: the sign relay drives an integrator to the top of the parabola y = -x^2",
         extremumSearch},
        {"Luft.sht", "Backlash of width 2 driven by 2 sin t: output against time and against the input",
         backlash},
        {"Rele1.sht", "Ideal relays, symmetric and shifted, driven by sin t", idealRelays},
        {"OgrRzn.sht", "Saturation and relay with dead zone driven by 2 sin t", saturationAndDeadZoneRelay},
        {"Rl_Gs.sht", "Relay with hysteresis driven by sin t: switching and its hysteresis loop",
         hysteresisRelay},
        {"Rele3.sht", "Relay with hysteresis and dead zone driven by sin t, and its loop",
         hysteresisDeadZoneRelay},
        {"stepennaia.sht", "Exponential functions 2^x and 0.5^x of a ramp from -2 to 2",
         exponentialFunctions},
        {"cuantovateli.sht", "Universal quantiser: 2 sin t quantised in level and time by 0.5", quantiser},
        {"el_4_3_3(4_4_1).sht",
         "Maximum and minimum memories on an impulse response; regime-parameters block", peakMemories},
        {"Parab3.sht", "Quadratic function y = x^2 + Bx + C with B = 1, C = -2 from its control inputs",
         quadraticFunction},
        {"ASME2.sht",
         "Typical structure 2: y = Kx2 w Integral(Kx1 x v) with x = v = sin t and a square wave w",
         multiplicativeStructure},
        {"Compar.sht", "Comparator of a saw-tooth p against a pulse level q", comparator},
        {"SnCn.sht", "Sine and cosine of a ramp from -pi to pi", trigonometric},
        {"Tg.sht", "Tangent of a ramp from -1.4 to 1.4 and the arctangent bringing it back",
         tangentArctangent},
        {"Lexp.sht", "Exponential of a ramp from -2 to 2 and the logarithm bringing it back",
         exponentLogarithm},
        {"MxMn.sht", "Maximum and minimum of three phase-shifted sines", maximumMinimum},
    };
}

}  // namespace velmar::tools
