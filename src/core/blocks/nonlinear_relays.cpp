// Relay characteristics (66..72) and the backlash (45).
//
// A relay takes up to three feeders. Selector 54 gives the horizontal shift X0, added
// to every threshold, selector 55 the vertical shift Y0, added to every output level.
// The shifts are taken before the signal inputs are processed, so a shift acts in the
// step it arrives whatever the feeders' numbering. The ideal relay keeps its shifts
// from step to step (from 0 at the start of every run); the others clear them at the
// start of every step. Each signal input is passed through the characteristic in input
// order; without one the output stays.
#include <array>

#include "core/blocks/feeders.h"
#include "core/blocks/nonlinear_describing.h"
#include "core/blocks/nonlinear_kinds.h"
#include "core/host.h"

namespace velmar {

namespace {

// What a characteristic sees in one step.
struct RelayStep {
    const Element& block;
    Extended u;       // the signal input
    Extended y;       // the output so far (the memory of the hysteresis relays)
    Extended X0, Y0;  // the shifts
    Extended p(int i) const { return block.param(i); }
};

enum class AmplitudeRule : std::uint8_t {
    None,
    IdealRelay,  // closed form 4bx/(pi y)
    Balance,     // bisection on q(A) from the lower end given by a parameter
};

struct RelayKind {
    std::uint8_t code;
    bool keepsShifts;
    int initialOutput;  // parameter holding the output after InitRun; -1: 0
    Extended (*respond)(const RelayStep&);
    Extended (*gain)(const Element&, Extended A);  // null: no describing function
    AmplitudeRule amplitude;
    int lowerEnd;  // the parameter that starts the amplitude search
};

const std::array<RelayKind, 7> kRelays = {{
    // 66 ideal relay: Bx switching point, b upper level, c lower level.
    {66, true, -1, [](const RelayStep& s) { return s.u >= s.p(0) + s.X0 ? s.p(1) + s.Y0 : s.p(2) + s.Y0; },
     nullptr, AmplitudeRule::IdealRelay, -1},
    // 67 saturation: a upper level, b upper breakpoint, c lower level, d lower breakpoint.
    {67, false, -1,
     [](const RelayStep& s) {
         const Extended a = s.p(0), b = s.p(1), c = s.p(2), d = s.p(3);
         if (s.u >= b + s.X0) return a + s.Y0;
         if (s.u <= d + s.X0) return c + s.Y0;
         return c + s.Y0 + (a - c) * (s.u - d - s.X0) / (b - d);
     },
     [](const Element& e, Extended A) { return describing::saturation(e.param(0), e.param(1), A); },
     AmplitudeRule::Balance, 1},
    // 68 saturation with dead zone: a upper level, dead zone edge b, saturation from c;
    // d lower level, dead zone edge e, saturation from f. The left branch mirrors the
    // right one: Y0 down to e, linear from e to f, d + Y0 at and below f. Both slopes
    // start from Y0, so the characteristic stays continuous when shifted.
    {68, false, -1,
     [](const RelayStep& s) {
         const Extended a = s.p(0), b = s.p(1), c = s.p(2), d = s.p(3), e = s.p(4), f = s.p(5);
         if (s.u >= c + s.X0) return a + s.Y0;
         if (s.u > b + s.X0) return s.Y0 + a * (s.u - b - s.X0) / (c - b);
         if (s.u <= f + s.X0) return d + s.Y0;
         if (s.u < e + s.X0) return s.Y0 + d * (s.u - e - s.X0) / (f - e);
         return s.Y0;
     },
     [](const Element& e, Extended A) {
         return describing::saturationWithDeadZone(e.param(0), e.param(1), e.param(2), A);
     },
     AmplitudeRule::Balance, 1},
    // 69 dead zone: K slope, a right edge, b left edge. The branch is chosen by the
    // shifted edges and Y0 lifts both slopes as it lifts the zone.
    {69, false, -1,
     [](const RelayStep& s) {
         const Extended K = s.p(0), a = s.p(1), b = s.p(2);
         if (s.u >= a + s.X0) return s.Y0 + K * (s.u - a - s.X0);
         if (s.u <= b + s.X0) return s.Y0 + K * (s.u - b - s.X0);
         return s.Y0;
     },
     [](const Element& e, Extended A) { return describing::deadZone(e.param(0), e.param(1), A); },
     AmplitudeRule::Balance, 1},
    // 70 relay with dead zone: a upper level, b upper threshold, c lower level, d lower
    // threshold.
    {70, false, -1,
     [](const RelayStep& s) {
         if (s.u >= s.p(1) + s.X0) return s.p(0) + s.Y0;
         if (s.u <= s.p(3) + s.X0) return s.p(2) + s.Y0;
         return s.Y0;
     },
     [](const Element& e, Extended A) { return describing::relayWithDeadZone(e.param(0), e.param(1), A); },
     AmplitudeRule::Balance, 1},
    // 71 relay with hysteresis: a upper level, b switch-up threshold, c lower level, d
    // switch-down threshold, N u the output at the start of a run.
    {71, false, 4,
     [](const RelayStep& s) {
         Extended y = s.y;
         if (s.u >= s.p(1) + s.X0) y = s.p(0) + s.Y0;
         if (s.u <= s.p(3) + s.X0) y = s.p(2) + s.Y0;
         return y;
     },
     [](const Element& e, Extended A) { return describing::relayWithHysteresis(e.param(0), e.param(1), A); },
     AmplitudeRule::None, -1},
    // 72 relay with hysteresis and dead zone: a upper level, b and c the inner and outer
    // right thresholds, d lower level, e and f the outer and inner left thresholds.
    {72, false, -1,
     [](const RelayStep& s) {
         Extended y = s.y;
         if (s.u < s.p(1) + s.X0 && s.u > s.p(5) + s.X0) y = s.Y0;
         if (s.u >= s.p(2) + s.X0) y = s.p(0) + s.Y0;
         if (s.u <= s.p(4) + s.X0) y = s.p(3) + s.Y0;
         return y;
     },
     [](const Element& e, Extended A) {
         return describing::relayWithHysteresisAndDeadZone(e.param(0), e.param(1), e.param(2), A);
     },
     AmplitudeRule::None, -1},
}};

// The ideal relay's describing function holds for a symmetric relay switching at 0.
constexpr const char* kIdealRelayNotSymmetric = " ( b <> c ) OR ( Vhu <> 0 ) ";

class Relay : public Element {
public:
    explicit Relay(const RelayKind& kind) : Element(kind.code), kind_(kind) {}

    void InitRun(RunContext&) override {
        Output = kind_.initialOutput >= 0 ? param(kind_.initialOutput) : 0;
        X0 = 0;
        Y0 = 0;
    }

    void Advance(RunContext&) override {
        const FeederSplit feeders = splitFeeders(*this);
        if (!kind_.keepsShifts) {
            X0 = 0;
            Y0 = 0;
        }
        if (const Element* c = feeders.control(0)) X0 = c->Output;
        if (const Element* c = feeders.control(1)) Y0 = c->Output;
        for (int i = 0; i < feeders.signalCount; ++i)
            Output =
                kind_.respond({*this, feeders.signals[static_cast<std::size_t>(i)]->Output, Output, X0, Y0});
    }

    Extended DescribingGain(Extended amplitude) const override {
        return kind_.gain ? kind_.gain(*this, amplitude) : Element::DescribingGain(amplitude);
    }

    Extended OscillationAmplitude(Extended x, Extended y, Host& host) const override {
        switch (kind_.amplitude) {
            case AmplitudeRule::None: break;
            case AmplitudeRule::IdealRelay:
                // Only the symmetric relay switching at 0 has q(A) = 4b/(pi A): a
                // switching point off 0 or unequal levels is refused with the message.
                if (param(0) != 0 || param(1) != -param(2)) {
                    host.message(Box::Error, kIdealRelayNotSymmetric);
                    return 0;
                }
                return describing::idealRelayAmplitude(param(1), x, y);
            case AmplitudeRule::Balance:
                return describing::balanceAmplitude([this](Extended A) { return DescribingGain(A); }, x, y,
                                                    param(kind_.lowerEnd));
        }
        return Element::OscillationAmplitude(x, y, host);
    }

private:
    const RelayKind& kind_;
    Real48 X0;  // horizontal shift, added to the thresholds
    Real48 Y0;  // vertical shift, added to the output levels
};

// Backlash (45): a half-width, k, H y the output at the start of a run. The output
// follows k·(u ∓ a)/a² while the input pushes it beyond the play around the present
// output, and stays while the input moves within the play.
class Backlash : public Element {
public:
    using Element::Element;

    void InitRun(RunContext&) override { Output = param(2); }

    void Advance(RunContext&) override {
        if (!Input()) return;
        const Extended u = Input()->Output;
        const Extended a = param(0), k = param(1);
        const Extended shift = checkFinite(a * a * Output / k);
        if (u > a + shift) Output = k * (u - a) / (a * a);
        else if (u < shift - a) Output = k * (u + a) / (a * a);
    }

    Extended DescribingGain(Extended amplitude) const override {
        return describing::backlash(param(0), param(1), amplitude);
    }
};

}  // namespace

std::unique_ptr<Element> createRelay(std::uint8_t code) {
    if (code == 45) return std::make_unique<Backlash>(code);
    for (const RelayKind& kind : kRelays)
        if (kind.code == code) return std::make_unique<Relay>(kind);
    return nullptr;
}

}  // namespace velmar
