// The state of the graph viewer: five diagram slots, the current slot, the heading of
// the graph kind and the point file last used.
//
// A slot either shows arrays that stay their caller's (what ShowGraph was given) or
// arrays the viewer made itself (a magnified range, an arithmetic result, a loaded
// point file); the latter are shared so that a saved copy of the slots, as the
// magnifier keeps, stays valid.
//
// Curves kept for comparison are copies the viewer holds beyond one ShowGraph call: a
// kept curve goes into the highest free slot and comes back, in the same way, whenever
// the viewer opens a graph of the same kind, until its slot is emptied. While kept
// curves are shown, the legend names the run's marked parameter values beside the
// curves the run handed over, so that it says which curve is which.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/graphs/graph_texts.h"
#include "core/graphs/run_note.h"
#include "core/host.h"

namespace velmar {

inline constexpr int kSlotCount = 5;

struct Slot {
    Diagram diagram;
    std::shared_ptr<const std::vector<Real48>> ownX, ownY;  // set when the viewer made the arrays
    int cursor = 0;                                         // the point-reading cursor, kept per slot
    bool handed = false;                                    // the curve came with the graph shown
    int keptNumber = 0;                                     // > 0: a curve kept for comparison
    std::optional<Extended> keptLevel;                      // the step level of a kept curve's run
    bool copyKept = false;                                  // a copy of this curve is kept

    bool present() const { return diagram.present(); }
    bool kept() const { return keptNumber > 0; }
    int count() const { return present() ? diagram.count : 0; }
    Extended x(int i) const { return diagram.x[i]; }
    Extended y(int i) const { return diagram.y[i]; }
};

// A slot holding arrays of its own; x and y must have at least `count` values.
Slot ownedSlot(std::vector<Real48> x, std::vector<Real48> y, int count, std::string name);

using Slots = std::array<Slot, kSlotCount>;

class ViewerSlots {
public:
    // Replaces all five slots (a slot is taken only when both arrays are given), makes
    // slot 1 current and applies the kind's heading.
    void open(const Diagrams& diagrams, int kind);
    // The same with copies of the arrays, held by the slots: for curves whose arrays go
    // before the viewer leaves them (a recorder's, released by its next run).
    void openCopies(const Diagrams& diagrams, int kind);

    // Slots are numbered 1..5.
    const Slot& slot(int n) const { return slots_[index(n)]; }
    Slot& slot(int n) { return slots_[index(n)]; }
    const Slots& all() const { return slots_; }
    // Puts a diagram into slot n; a kept curve it replaces is forgotten.
    void put(int n, Slot s);

    int current() const { return current_; }
    Slot& currentSlot() { return slot(current_); }
    const Slot& currentSlot() const { return slot(current_); }
    void setCurrent(int n);
    void previous() { current_ = current_ == 1 ? kSlotCount : current_ - 1; }
    void next() { current_ = current_ == kSlotCount ? 1 : current_ + 1; }

    // The highest-numbered slot without a diagram; 0 when all five are taken.
    int freeSlot() const;
    bool anyPresent() const;
    // Empties the current slot (a kept curve is forgotten); false when it held nothing.
    bool removeCurrent();

    // Keeps a copy of the current curve for comparison in the highest free slot, named
    // by comparisonName after runNote when the run handed the curve over (by its
    // running number otherwise); returns that slot, or 0 when nothing was kept (an
    // empty current slot, a kept curve or one kept already, no free slot, or as many
    // kept curves as there are slots).
    int keepCurrent();
    // Puts the kept curves of the shown kind into the free slots, the first kept into
    // the highest; those without room wait for a later graph.
    void showKept();
    bool anyKeptShown() const;
    // The slot of the latest kept curve shown other than slot `other`; 0 when none.
    int latestKeptSlot(int other) const;
    // What the legend says for slot n: "kept " before a kept curve's name; while kept
    // curves are shown, the run's marked values after the name of a curve the run
    // handed over.
    std::string legendText(int n) const;
    // The level of the step that slot n's curve answers: the run's for the curves it
    // handed over, the keeping run's for a kept curve; nothing when unknown.
    std::optional<Extended> stepLevel(int n) const;

    RunNote runNote;  // about the run whose curves are shown
    // Lines of text handed over with the curves (a result's "Radius=", "Kr ="), drawn
    // beside them.
    std::vector<std::string> texts;

    int kind() const { return kind_; }
    const GraphHeading& heading() const { return heading_; }

    std::string pointFileName;  // the point file last opened or saved

    // What a nested viewer (the magnifier) saves and restores.
    struct State {
        Slots held;
        int current;
        int kind;
        GraphHeading heading;
    };
    State save() const { return {slots_, current_, kind_, heading_}; }
    void restore(State s);

private:
    static std::size_t index(int n);
    // Forgets the kept curve in slot n, if it holds one.
    void forgetKept(int n);

    struct KeptCurve {
        Slot slot;
        int kind;
    };

    Slots slots_;
    std::vector<KeptCurve> kept_;
    int keepings_ = 0;  // curves kept so far: numbers the next one
    int current_ = 1;
    int kind_ = 0;
    GraphHeading heading_;
};

}  // namespace velmar
