#include "cli/curve_csv.h"

#include <sstream>
#include <utility>

#include "core/errors.h"
#include "core/file_io.h"
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

void writeCurvesCsv(std::ostream& out, const std::vector<CsvCurve>& curves, bool swept) {
    out << (swept ? "sweep,element,diagram,index,x,y\n" : "element,diagram,index,x,y\n");
    for (const CsvCurve& c : curves)
        for (size_t i = 0; i < c.x.size() && i < c.y.size(); ++i)
            out << (swept ? c.sweep + ',' : std::string()) << c.element << ',' << c.diagram << ',' << i << ','
                << significantText(c.x[i], 17) << ',' << significantText(c.y[i], 17) << '\n';
}

bool writeCsvFile(const std::string& path, const std::string& text, std::string& error) {
    try {
        replaceFile(path, text);
    } catch (const FileError& e) {
        error = e.what();
        return false;
    }
    return true;
}

bool writeCurvesCsv(const std::string& path, const std::vector<CsvCurve>& curves, std::string& error) {
    std::ostringstream text;
    writeCurvesCsv(text, curves);
    return writeCsvFile(path, text.str(), error);
}

}  // namespace velmar::cli
