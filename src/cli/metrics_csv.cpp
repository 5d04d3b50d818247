#include "cli/metrics_csv.h"

#include "core/blocks/recorders.h"
#include "core/graphs/run_note.h"
#include "core/workbench/workbench.h"

namespace velmar::cli {

std::vector<CsvMetrics> recordedMetrics(const Workbench& wb, const std::string& sweep) {
    const Extended level = describeRun(wb.scheme).stepLevel.value_or(1);
    std::vector<CsvMetrics> rows;
    for (const auto& e : wb.scheme.ElementList())
        if (const auto graph = recordedGraphOf(*e, wb.run))
            for (std::size_t s = 0; s < graph->diagrams.size(); ++s)
                if (graph->diagrams[s].present())
                    rows.push_back(
                        {sweep, e->Number, static_cast<int>(s) + 1, stepMetrics(graph->diagrams[s], level)});
    return rows;
}

CsvMetrics divergedMetrics(const std::string& sweep) {
    CsvMetrics row{sweep, 0, 0, {}};
    for (int i = 0; i < kMetricCount; ++i)
        row.metrics.items[static_cast<std::size_t>(i)] = {MetricId(i), MetricStatus::Diverging};
    return row;
}

void writeMetricsHeader(std::ostream& out, bool swept) {
    if (swept) out << "sweep,";
    out << "element,diagram";
    for (int i = 0; i < kMetricCount; ++i) out << ',' << metricName(MetricId(i));
    out << '\n';
}

void writeMetricsCsv(std::ostream& out, const std::vector<CsvMetrics>& rows, bool swept) {
    writeMetricsHeader(out, swept);
    writeMetricsRows(out, rows, swept);
}

void writeMetricsRows(std::ostream& out, const std::vector<CsvMetrics>& rows, bool swept) {
    for (const CsvMetrics& row : rows) {
        if (swept) out << row.sweep << ',';
        // A run that kept no curve leaves the element and the slot empty.
        if (row.element > 0) out << row.element << ',' << row.diagram;
        else out << ',';
        for (const Metric& m : row.metrics.items) out << ',' << metricValueText(m);
        out << '\n';
    }
}

}  // namespace velmar::cli
