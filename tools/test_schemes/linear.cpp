// Test schemes of the linear links: step or harmonic responses of each link.
#include "test_schemes/drawings.h"
#include "test_schemes/layouts.h"

namespace velmar::tools {

namespace {

const Part kUnitStep{33, {1}, "u = 1(t)"};
const Part kSine{34, {1, 1, 0}, "x = sin t"};

void aperiodic(Sketch& s) { chain(s, kUnitStep, {{22, {1, 1, 0}, "K = 1, T = 1"}}, 3, "u, y"); }

void realDifferentiating(Sketch& s) { chain(s, kUnitStep, {{23, {1, 1, 0}, "K = 1, T = 1"}}, 3, "u, y"); }

void leadDelayInverter(Sketch& s) {
    chain(s, kUnitStep, {{24, {2, 1, 0}, "Ta = 2, Tb = 1"}}, 3, "u, y");
    chain(s, kSine, {{31, {1}, "T = 1"}, {32, {}, "-1"}}, 12, "x, x(t-1), -x(t-1)");
}

void integratingLinks(Sketch& s) {
    fan(s, kSine, {{27, {1, 0}, "K = 1"}, {29, {}, "s"}, {25, {1, 0}, "T = 1"}});
}

void oscillatory(Sketch& s) {
    fan(s, kUnitStep, {{26, {1, 0.5, 0.3}, "a = 0.5, b = 0.3"}, {26, {1, 0.5, 1.6}, "a = 0.5, b = 1.6"}});
}

void arbitraryLink(Sketch& s) {
    chain(s, kUnitStep, {{28, {1, 3, 1, 2, 1, 2, 2, 1}, "(2s+1)/(s^3+2s^2+2s+1)"}}, 3, "u, y");
}

void amplifiers(Sketch& s) { fan(s, kSine, {{30, {2}, "K = 2"}, {30, {-0.5}, "K = -0.5"}}); }

// A step integrated by both controlled integrators, a pulse train on the control
// input: 50 integrates while the control is 1 and holds its value in the pauses, 51
// integrates while the control is 0 and is cleared while it is 1.
void controlledIntegrators(Sketch& s) {
    Element& u = s.put(33, 2, 3, {1}, "u = 1");
    Element& c = s.put(106, 2, 10, {1, 1, 2}, "c: 1 s on, 1 s off");
    Element& selector = s.put(54, 10, 10, {}, "control");
    Element& holding = s.put(50, 18, 3, {1, 0, 1}, "Memory = 1");
    Element& clearing = s.put(51, 18, 17, {1, 0, 0}, "Memory = 0");
    Element& rec = s.put(62, 26, 10, {}, "c, y50, y51");
    s.connect(u, holding);
    s.connect(c, selector);
    s.wire({{7, 4}, {7, 18}, in(clearing, 1)});
    s.route(selector, holding, 2, 15);
    s.wire({{15, 11}, {15, 17}, in(clearing, 0)});
    s.route(holding, rec, 0, 23);
    s.route(clearing, rec, 2, 23);
    s.wire({{6, 11}, {6, 14}, {24, 14}, {24, 11}, in(rec, 1)});
}

}  // namespace

std::vector<TestDrawing> linearDrawings() {
    return {
        {"aperiodic.sht", "Aperiodic link K/(Ts+1): step response with K = 1, T = 1", aperiodic},
        {"der_real.sht", "Real differentiating link Ks/(Ts+1): step response with K = 1, T = 1",
         realDifferentiating},
        {"el_1_1_3(1_4_1,1_4_2).sht",
         "Integro-differentiating link (step response), transport delay and inverter (harmonic input)",
         leadDelayInverter},
        {"el_1_2_1(1_2_3,1_3_2).sht", "Integrating, ideal differentiating and PI links driven by sin t",
         integratingLinks},
        {"el_1_2_2.sht", "Oscillatory link k/(as^2+bs+1): step responses with light and heavy damping",
         oscillatory},
        {"el_1_3_1.sht", "Arbitrary link A(s)/B(s) = (2s+1)/(s^3+2s^2+2s+1): step response", arbitraryLink},
        {"amplific.sht", "Amplifiers with K = 2 and K = -0.5 driven by sin t", amplifiers},
        {"Integ10.sht", "Controlled integrators 0 and 1: a step integrated under a pulse-train control",
         controlledIntegrators},
    };
}

}  // namespace velmar::tools
