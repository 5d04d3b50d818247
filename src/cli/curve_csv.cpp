#include "cli/curve_csv.h"

#include <utility>

#include "core/numtext.h"

namespace velmar::cli {

CsvCurve csvCurve(int element, int diagram, const Diagram& d, std::string sweep) {
    CsvCurve c{element, diagram, {}, {}, std::move(sweep)};
    for (int i = 0; i < d.count; ++i) {
        c.x.push_back(d.x[i]);
        c.y.push_back(d.y[i]);
    }
    return c;
}

void writeCurvesHeader(std::ostream& out, bool swept) {
    out << (swept ? "sweep,element,diagram,index,x,y\n" : "element,diagram,index,x,y\n");
}

void writeCurvesCsv(std::ostream& out, const std::vector<CsvCurve>& curves, bool swept) {
    writeCurvesHeader(out, swept);
    writeCurvesRows(out, curves, swept);
}

void writeCurvesRows(std::ostream& out, const std::vector<CsvCurve>& curves, bool swept) {
    for (const CsvCurve& c : curves)
        for (size_t i = 0; i < c.x.size() && i < c.y.size(); ++i)
            out << (swept ? c.sweep + ',' : std::string()) << c.element << ',' << c.diagram << ',' << i << ','
                << significantText(c.x[i], 17) << ',' << significantText(c.y[i], 17) << '\n';
}

}  // namespace velmar::cli
