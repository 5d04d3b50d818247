// Curves as CSV, the one writer of the commands that hand curves out (run, analyze):
// the header "element,diagram,index,x,y", then one row per point with x and y in 17
// significant digits. The curves of a sweep lead every row with their "sweep" value.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/host.h"
#include "core/real48.h"

namespace velmar::cli {

struct CsvCurve {
    int element = 0;  // the number of the element that produced the curve
    int diagram = 0;  // the curve's slot, from 1
    std::vector<Extended> x;
    std::vector<Extended> y;
    std::string sweep;  // the swept value this curve was run with; empty outside sweeps
};

// The points of a curve handed to the graph viewer.
CsvCurve csvCurve(int element, int diagram, const Diagram& d, std::string sweep = {});

// `swept`: the rows lead with the "sweep" column (a sweep's header stays so even when no
// value gave a curve).
void writeCurvesCsv(std::ostream& out, const std::vector<CsvCurve>& curves, bool swept = false);

// The two parts of it, for a CSV written as its curves come.
void writeCurvesHeader(std::ostream& out, bool swept);
void writeCurvesRows(std::ostream& out, const std::vector<CsvCurve>& curves, bool swept);

}  // namespace velmar::cli
