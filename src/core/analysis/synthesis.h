// Regulator synthesis by the oscillation index M (m_circle.h): the regulator's gain Kr
// is the largest for which the open loop Kr·R(jw)·W(jw) keeps the closed-loop peak at
// most M, R being the regulator without its gain:
//   P    R = 1
//   PI   R = 1 + 1/(Ti s)
//   PID  R = 1 + 1/(Ti s) + Td s,  Td = alpha·Ti
// For PI and PID the tuning runs over a set of Ti; the optimum is the Ti with the
// largest integral gain Ki = Kr/Ti, the point where a line from the origin touches the
// curve Kr(Ti).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/analysis/frequency.h"
#include "core/analysis/m_circle.h"
#include "core/host.h"
#include "core/model/polynomial.h"

namespace velmar {

class Host;
struct AnalysisState;

inline constexpr const char* kBadNumber = "Неправильный формат числа";
inline constexpr const char* kBadNumberWhileEditing = "-неправильный формат числа";

// The message for a typed number: "" when it reads as a number, otherwise the one shown
// on confirming or, while the grid cell is still being edited, the other.
std::string numberTextProblem(std::string_view text, bool editing);

enum class RegulatorType { P, PI, PID };

// "P    regulator", "PI   regulator", "PID regulator".
const std::vector<std::string>& regulatorTypeNames();

struct Regulator {
    RegulatorType type = RegulatorType::P;
    Extended k = 0;
    Extended ti = 0;
    Extended td = 0;
};

// R(s)·k as a transfer function.
TransferFunction regulatorFunction(const Regulator& r);

// The hodograph W(jw) on the frequency grid, the points with Den(w) = 0 left out.
struct Hodograph {
    std::vector<Extended> omega;
    std::vector<Real48> re, im;
};
Hodograph hodographOf(const TransferFunction& w, const FrequencyRange& range);

// The hodograph of R(jw)·W(jw) for a regulator without its gain.
Hodograph withRegulator(const Hodograph& w, RegulatorType type, Extended ti, Extended td);

struct TiRow {
    Extended ti = 0;
    MCircleTouch touch;  // touch.gain is Kr(Ti)
    Extended ki() const { return touch.found ? touch.gain / ti : 0; }
};

struct TiSweep {
    std::vector<TiRow> rows;
    int optimum = -1;      // the row with the largest Ki; -1 when no row found a gain
    bool stopped = false;  // `stop` ended the sweep: rows holds the Ti tuned before
};

// Kr(Ti) for every Ti (PI with alpha 0, PID with Td = alpha·Ti). `iteration` is told
// the number of every Ti tuned, from 1; `stop`, asked after each, ends the sweep early.
TiSweep tuneOverTi(const Hodograph& w, Extended M, RegulatorType type, const std::vector<Extended>& tis,
                   Extended alpha, const std::function<void(int)>& iteration,
                   const std::function<bool()>& stop = {});

// Escape in the host's key queue (the other keys are dropped): the sweep's `stop`.
std::function<bool()> escapeStop(Host& host);

// The Kr of one regulator type on W by M: the touching circle of R·W for P, for PI and
// PID the optimum of the sweep over `tis`. The regulator keeps its k, ti, td; found is
// false when no gain is limited by M (and then the regulator is left as it was).
bool tuneRegulator(const Hodograph& w, Extended M, const std::vector<Extended>& tis, Extended alpha,
                   Regulator& regulator, const std::function<void(int)>& iteration,
                   const std::function<bool()>& stop = {});

inline constexpr const char* kTiValuesCaption = "Задайте кол-во и значения  Тi ";

// The Ti dialogs (the first two with `caption`): the choice of a range ("Ti beg", "Ti end", "Ti step") or the Ti
// values window, and "alifa-dif" for PID. False when cancelled.
bool askTiValues(Host& host, std::string_view caption, RegulatorType type, std::vector<Extended>& tis,
                 Extended& alpha, bool& showEach);

// The waiting window's iteration counter for a tuning.
std::function<void(int)> waitCounter(Host& host);
void closeWaitCounter(Host& host);

// The Ti of a range: begin, begin + step, ... up to end.
std::vector<Extended> tiRange(Extended begin, Extended end, Extended step);

// --- what the windows show ---

// The result table "Синтез регулятора": Ti, Kr, Ki per row.
ResultTable krTable(const TiSweep& sweep);
// The texts beside the Kr(Ti) graph: "Результат настройки ПИ-регулятора ", "Кр=",
// "Ti=", "Ki=1/Ti=" and for PID the Td lines.
std::vector<std::string> optimumTexts(const TiSweep& sweep, RegulatorType type, Extended alpha);
// The curve Kr(Ti) ("Grafic Kr(Ti) ") and the tangent from the origin through the
// optimum ("Kassatelinaia").
void krCurves(const TiSweep& sweep, Curve& curve, Curve& tangent);

// --- the methods ---

// 1979: the frequency grid, "Zadanii M", the touching circle; the hodograph "Godograf",
// the circle "Okrujnosti" and "Line m" with "Radius=", "L     =",
// "Результат настройки п-регулятора" and "Kr =".
void tunePRegulator(Host& host, AnalysisState& state, const TransferFunction& w);
// 1980 and 1981: the grid, M, the Ti range or list (and "alifa-dif"), the table and on
// "Показать график" the Kr(Ti) graph; with the list's check box, every Ti's hodograph.
// Escape during the sweep ends it: the table and graph show the Ti tuned so far.
void tunePiRegulator(Host& host, AnalysisState& state, const TransferFunction& w, RegulatorType type);

}  // namespace velmar
