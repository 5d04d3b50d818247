#include "core/graphs/viewer_slots.h"

#include <algorithm>
#include <stdexcept>

namespace velmar {

Slot ownedSlot(std::vector<Real48> x, std::vector<Real48> y, int count, std::string name) {
    Slot s;
    auto ox = std::make_shared<const std::vector<Real48>>(std::move(x));
    auto oy = std::make_shared<const std::vector<Real48>>(std::move(y));
    s.diagram = {ox->data(), oy->data(), count, std::move(name)};
    s.ownX = std::move(ox);
    s.ownY = std::move(oy);
    return s;
}

std::size_t ViewerSlots::index(int n) {
    if (n < 1 || n > kSlotCount) throw std::out_of_range("graph slot " + std::to_string(n));
    return static_cast<std::size_t>(n - 1);
}

void ViewerSlots::open(const Diagrams& diagrams, int kind) {
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        slots_[i] = Slot{};
        const Diagram& d = diagrams[i];
        if (d.present()) slots_[i].diagram = {d.x, d.y, std::max(d.count, 0), d.name};
    }
    current_ = 1;
    kind_ = kind;
    heading_.applyKind(kind);
}

void ViewerSlots::setCurrent(int n) {
    index(n);
    current_ = n;
}

int ViewerSlots::freeSlot() const {
    for (int n = kSlotCount; n >= 1; --n)
        if (!slot(n).present()) return n;
    return 0;
}

bool ViewerSlots::anyPresent() const {
    return std::any_of(slots_.begin(), slots_.end(), [](const Slot& s) { return s.present(); });
}

bool ViewerSlots::removeCurrent() {
    if (!currentSlot().present()) return false;
    currentSlot() = Slot{};
    return true;
}

void ViewerSlots::restore(State s) {
    slots_ = std::move(s.held);
    current_ = s.current;
    kind_ = s.kind;
    heading_ = std::move(s.heading);
}

}  // namespace velmar
