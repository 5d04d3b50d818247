// The M-circle of the oscillation index: a loop of open-loop gain K·W(jw) has the
// closed-loop peak |K·W / (1 + K·W)| <= M exactly when K·W(jw) stays outside the circle
// of centre -M²/(M²-1) and radius M/(M²-1). Scaled by 1/K, these circles have centre -d
// and radius d/M with d = M²/(K·(M²-1)): they all touch the two rays from the origin at
// the angle arcsin(1/M) to the negative real axis.
//
// The gain tuned by M is the one whose circle just touches the hodograph W(jw). On a
// sampled hodograph each point p inside the rays' cone lies inside the circles of one
// interval (d1(p), d2(p)) of d. A run of consecutive points inside the cone (one branch
// of the hodograph) covers the d of all its points' intervals; the branches that
// overlap in d form the components of the "too large" set. The gain raised from the
// values at which no circle reaches the hodograph near the origin stops at the upper
// end d* of the component nearest the origin: Kr = M²/(d*·(M²-1)). This also holds when
// a low-frequency branch lies in the cone far out (an integrating loop with a PI
// regulator), which a search for a single touching circle from large d would hit first.
#pragma once

#include <string>
#include <vector>

#include "core/analysis/frequency.h"

namespace velmar {

class Host;

inline constexpr Extended kDefaultM = 1.41L;
inline constexpr Extended kLowestM = 1.009L;
inline constexpr const char* kBadM = "Error!!! Please insert M>1,01";
inline constexpr int kCirclePoints = 151;

// "" or "Error!!! Please insert M>1,01" for an M below 1.009.
std::string oscillationIndexProblem(Extended M);

// "Zadanii M", starting from M; refused with the message and asked again while below
// 1.009. False when cancelled.
bool askOscillationIndex(Host& host, Extended& M);

struct MCircleTouch {
    bool found = false;     // false: no circle meets the hodograph (no limit on the gain)
    Extended gain = 0;      // Kr
    Extended distance = 0;  // d: the circle's centre is -d
    Extended radius = 0;    // d/M
    Extended foot = 0;      // L = 1/Kr: the tangent ray's touching point projected on the real axis
    std::size_t point = 0;  // the hodograph point the circle touches
    bool below = true;      // the touching point lies on or below the real axis
};

MCircleTouch touchingMCircle(const std::vector<Real48>& x, const std::vector<Real48>& y, Extended M);

// The touching circle as a closed curve of 151 points.
Curve circleCurve(const MCircleTouch& touch);
// The tangent ray from the origin to its touching point with the circle, and down to
// the real axis at -L.
Curve tangentCurve(const MCircleTouch& touch, Extended M);
// "Radius=" and "L     =" with their values.
std::vector<std::string> CircleTexts(const MCircleTouch& touch);

}  // namespace velmar
