// Test schemes of the structural blocks: the optimisation criterion in a closed loop,
// relay contacts, the multiplexer with all six selectors, the commutators, and the face
// of the user function.
#include "test_schemes/drawings.h"
#include "test_schemes/layouts.h"

namespace velmar::tools {

namespace {

// A unity-feedback loop K/(s(s+1)(0.5s+1)) whose error feeds the optimisation block:
// the gain K is the parameter to tune.
void optimisationLoop(Sketch& s) {
    Element& r = s.put(33, 2, 10, {1}, "r = 1(t)");
    Element& error = s.node(18, 8, 11);
    Element& gain = s.put(30, 12, 10, {0.5}, "K = 0.5");
    Element& integrator = s.put(27, 18, 10, {1, 0}, "1/s");
    Element& lag = s.put(22, 24, 10, {1, 1, 0}, "1/(s+1)");
    Element& fastLag = s.put(22, 30, 10, {1, 0.5, 0}, "1/(0.5s+1)");
    Element& rec = s.put(62, 38, 10, {}, "e, y");
    Element& criterion = s.put(47, 12, 3, {}, "criterion of e");
    s.connect(r, error);
    s.connect(error, gain);
    s.connect(gain, integrator);
    s.connect(integrator, lag);
    s.connect(lag, fastLag);
    s.connect(fastLag, rec);
    s.wire({{35, 11}, {35, 17}, {8, 17}, below(error)});
    s.wire({{10, 11}, {10, 4}, in(criterion)});
    s.wire({{10, 11}, {10, 15}, {40, 15}, entryBelow(rec)});
}

// A logic level from the analog-to-logic converter opens and closes both relay contacts.
void relayContacts(Sketch& s) {
    Element& x = s.put(34, 2, 3, {1, 1, 0}, "x = sin t");
    Element& level = s.put(48, 10, 3, {0.5}, "Level Zero = 0.5");
    Element& control = s.put(54, 18, 3, {}, "L");
    Element& signal = s.put(34, 2, 17, {1, 6, 0}, "s = sin 6t");
    Element& closed = s.put(52, 26, 10, {}, "normally closed");
    Element& open = s.put(53, 26, 17, {}, "normally open");
    Element& levelRec = s.put(62, 34, 3, {}, "x, L");
    Element& closedRec = s.put(62, 34, 10, {}, "s while L = 0");
    Element& openRec = s.put(62, 34, 17, {}, "s while L = 1");
    s.connect(x, level);
    s.connect(level, control);
    s.route(control, closed, 0, 23);
    s.wire({{23, 10}, {23, 17}, in(open, 0)});
    s.connect(signal, open);
    s.wire({{20, 18}, {20, 11}, in(closed, 1)});
    s.connect(closed, closedRec);
    s.connect(open, openRec);
    s.wire({{23, 4}, in(levelRec)});
    s.wire({{6, 4}, {6, 1}, {35, 1}, above(levelRec)});
}

// Four data signals on selectors 54..57, the address bits on 58 and 59, a strobe on
// the ordinary input: the output runs through D3, D2, D1, D0 every 5 s.
void multiplexer(Sketch& s) {
    const Part sources[] = {
        {34, {1, 3, 0}, "D0 = sin 3t"},   {33, {0.5}, "D1 = 0.5"},     {118, {1, -1, 0.2}, "D2 = -1 + 0.2t"},
        {108, {1, 1, 2}, "D3: triangle"}, {106, {1, 1.25, 2.5}, "a0"}, {106, {1, 2.5, 5}, "a1"},
    };
    const char* names[] = {"D0", "D1", "D2", "D3", "a0", "a1"};
    std::vector<Element*> selectors;
    for (int k = 0; k < 6; ++k) {
        const Part& p = sources[k];
        Element& source = s.put(p.code, 2, 3 + 7 * k, p.params, p.caption);
        selectors.push_back(&s.put(54 + k, 10, 3 + 7 * k, {}, names[k]));
        s.connect(source, *selectors.back());
    }
    Element& strobe = s.put(105, 2, 45, {1, 0.5, 9.5}, "strobe 0.5 .. 9.5 s");
    Element& mux = s.put(136, 20, 22, {}, "y = D(2a1 + a0)");
    Element& output = s.put(62, 30, 22, {}, "y");
    Element& a0 = s.put(62, 30, 31, {}, "a0");
    Element& a1 = s.put(62, 30, 38, {}, "a1");
    Element& strobeRec = s.put(62, 30, 45, {}, "strobe");
    // Data into the top, the address bits into the left side.
    for (int k = 0; k < 3; ++k) {
        const Cell start = out(*selectors[k]);
        s.wire({start, {mux.Col + k, start.row}, above(mux, k)});
    }
    for (int k = 3; k < 6; ++k) {
        const Cell start = out(*selectors[k]);
        s.wire({start, {13 + k, start.row}, {13 + k, in(mux, k - 3).row}, in(mux, k - 3)});
    }
    // The strobe up beside the multiplexer and into its right side, under the output.
    s.wire({out(strobe), {24, 46}, {24, 24}, {23, 24}});
    s.connect(mux, output);
    s.wire({{17, 32}, in(a0)});
    s.wire({{18, 39}, in(a1)});
    s.wire({{24, 46}, in(strobeRec)});
}

void commutatorSource(Sketch& s) {
    chain(s, {81, {1, 1}, "A = 1, T = 1"}, {{22, {1, 0.5, 0}, "K = 1, T = 0.5"}});
}

// Two data signals on selectors 54 and 55 and a control on the ordinary input.
void commutator(Sketch& s, int code, std::string_view caption, const Part& first, const Part& second,
                const Part& control) {
    operands(s, {{first, 54, "D1", true}, {second, 55, "D2"}, {control, 0, {}, true}}, {code, {}, caption},
             "D1, c, y");
}

void commutatorOne(Sketch& s) {
    commutator(s, 125, "c >= 0: D1, else D2", {37, {0.2, 0}, "D1 = 0.2t"},
               {34, {0.5, 4, 0}, "D2 = 0.5 sin 4t"}, {34, {1, 1, 0}, "c = sin t"});
}

void commutatorTwo(Sketch& s) {
    commutator(s, 126, "c = 0: D1, else D2", {34, {1, 3, 0}, "D1 = sin 3t"}, {33, {0.5}, "D2 = 0.5"},
               {106, {1, 2, 4}, "c: 2 s on, 2 s off"});
}

// The user function f(x) = x sin x beside the same function built from a sine block and
// a multiplication node, both fed x and recorded with it.
void userFunction(Sketch& s) {
    Element& x = s.put(34, 2, 3, {2, 1, 0}, "x = 2 sin t");
    Element& sine = s.put(85, 10, 3, {}, "sin x");
    Element& product = s.node(21, 17, 4);
    Element& rec = s.put(62, 21, 3, {}, "x, f(x)");
    Element& function = s.put(144, 10, 13, {}, "f(x) = x*sin(x)");
    function.ReadSideText("x*sin(x)");
    s.connect(x, sine);
    s.connect(sine, product);
    s.wire({{6, 4}, {6, 7}, {17, 7}, below(product)});
    s.connect(product, rec);
    s.wire({{10, 7}, {10, 10}, {23, 10}, entryBelow(rec)});
    s.wire({{6, 7}, {6, 14}, in(function)});
    s.wire({out(function), {22, 14}, below(rec, 1)});
}

}  // namespace

std::vector<TestDrawing> structuralDrawings() {
    return {
        {"optim.sht", "Optimisation block on the error of a loop with the gain K to tune", optimisationLoop},
        {"acp.sht", "Analog-to-logic converter switching normally closed and normally open relay contacts",
         relayContacts},
        {"Selector.sht",
         "Multiplexer with selectors 1 to 6: four data signals, two address bits and a strobe", multiplexer},
        {"comutator.sht", "Commutator as a square-wave source driving an aperiodic link", commutatorSource},
        {"Comutator1.sht", "Commutator I: passes D1 while the control is not negative, D2 otherwise",
         commutatorOne},
        {"Comutator2.sht", "Commutator II: passes D1 while the control is 0, D2 otherwise", commutatorTwo},
        {"Functia polizovatelea", "User function Y=f(x) = x sin x beside the same function built from blocks",
         userFunction},
    };
}

}  // namespace velmar::tools
