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
        if (d.present()) {
            slots_[i].diagram = {d.x, d.y, std::max(d.count, 0), d.name};
            slots_[i].handed = true;
        }
    }
    current_ = 1;
    kind_ = kind;
    heading_.applyKind(kind);
}

void ViewerSlots::openCopies(const Diagrams& diagrams, int kind) {
    open(diagrams, kind);
    for (Slot& s : slots_) {
        if (!s.present()) continue;
        const Diagram& d = s.diagram;
        s.ownX = std::make_shared<const std::vector<Real48>>(d.x, d.x + d.count);
        s.ownY = std::make_shared<const std::vector<Real48>>(d.y, d.y + d.count);
        s.diagram.x = s.ownX->data();
        s.diagram.y = s.ownY->data();
    }
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

void ViewerSlots::put(int n, Slot s) {
    forgetKept(n);
    slots_[index(n)] = std::move(s);
}

void ViewerSlots::forgetKept(int n) {
    const int number = slot(n).keptNumber;
    if (number > 0)
        std::erase_if(kept_, [number](const KeptCurve& k) { return k.slot.keptNumber == number; });
}

bool ViewerSlots::removeCurrent() {
    if (!currentSlot().present()) return false;
    put(current_, Slot{});
    return true;
}

int ViewerSlots::keepCurrent() {
    Slot& source = currentSlot();
    const int target = freeSlot();
    if (!source.present() || source.kept() || source.copyKept || target == 0 || kept_.size() >= slots_.size())
        return 0;
    source.copyKept = true;
    const int count = source.count();
    std::vector<Real48> x(source.diagram.x, source.diagram.x + count);
    std::vector<Real48> y(source.diagram.y, source.diagram.y + count);
    // Only the run's own curves are described by its marked values.
    const RunNote note = source.handed ? runNote : RunNote{};
    ++keepings_;
    Slot copy =
        ownedSlot(std::move(x), std::move(y), count, comparisonName(source.diagram.name, note, keepings_));
    copy.keptNumber = keepings_;
    copy.keptLevel = stepLevel(current_);
    kept_.push_back({copy, kind_});
    put(target, std::move(copy));
    return target;
}

void ViewerSlots::showKept() {
    for (const KeptCurve& k : kept_) {
        if (k.kind != kind_) continue;
        const int target = freeSlot();
        if (target == 0) return;
        put(target, k.slot);
    }
}

bool ViewerSlots::anyKeptShown() const {
    return std::any_of(slots_.begin(), slots_.end(), [](const Slot& s) { return s.present() && s.kept(); });
}

int ViewerSlots::latestKeptSlot(int other) const {
    int found = 0;
    for (int n = 1; n <= kSlotCount; ++n) {
        const Slot& s = slot(n);
        if (n != other && s.present() && s.kept() && (found == 0 || s.keptNumber > slot(found).keptNumber))
            found = n;
    }
    return found;
}

std::string ViewerSlots::legendText(int n) const {
    const Slot& s = slot(n);
    if (s.kept()) return "kept " + s.diagram.name;
    if (s.handed && !runNote.varied.empty() && anyKeptShown())
        return s.diagram.name + " (" + runNote.varied + ")";
    return s.diagram.name;
}

void ViewerSlots::restore(State s) {
    slots_ = std::move(s.held);
    current_ = s.current;
    kind_ = s.kind;
    heading_ = std::move(s.heading);
}

std::optional<Extended> ViewerSlots::stepLevel(int n) const {
    const Slot& s = slot(n);
    if (s.kept()) return s.keptLevel;
    return s.handed ? runNote.stepLevel : std::nullopt;
}

}  // namespace velmar
