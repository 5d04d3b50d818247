// The state of the graph viewer: five diagram slots, the current slot, the heading of
// the graph kind and the point file last used.
//
// A slot either shows arrays that stay their caller's (what ShowGraph was given) or
// arrays the viewer made itself (a magnified range, an arithmetic result, a loaded
// point file); the latter are shared so that a saved copy of the slots, as the
// magnifier keeps, stays valid.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/graphs/graph_texts.h"
#include "core/host.h"

namespace velmar {

inline constexpr int kSlotCount = 5;

struct Slot {
    Diagram diagram;
    std::shared_ptr<const std::vector<Real48>> ownX, ownY;  // set when the viewer made the arrays
    int cursor = 0;                                         // the point-reading cursor, kept per slot

    bool present() const { return diagram.present(); }
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

    // Slots are numbered 1..5.
    const Slot& slot(int n) const { return slots_[index(n)]; }
    Slot& slot(int n) { return slots_[index(n)]; }
    const Slots& all() const { return slots_; }
    void put(int n, Slot s) { slots_[index(n)] = std::move(s); }

    int current() const { return current_; }
    Slot& currentSlot() { return slot(current_); }
    const Slot& currentSlot() const { return slot(current_); }
    void setCurrent(int n);
    void previous() { current_ = current_ == 1 ? kSlotCount : current_ - 1; }
    void next() { current_ = current_ == kSlotCount ? 1 : current_ + 1; }

    // The highest-numbered slot without a diagram; 0 when all five are taken.
    int freeSlot() const;
    bool anyPresent() const;
    // Empties the current slot; false when it held nothing.
    bool removeCurrent();

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

    Slots slots_;
    int current_ = 1;
    int kind_ = 0;
    GraphHeading heading_;
};

}  // namespace velmar
