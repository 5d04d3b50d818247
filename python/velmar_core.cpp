// The compiled part of the velmar Python module: a thin binding of the core's calls.
// A Python scheme keeps one Workbench of its own; every run, transfer function and
// analysis works on a fresh copy of it (through the scheme's file bytes), with a
// scripted host that answers the dialogs from the arguments and keeps what the core
// said, so calls never see each other's state and can run with the GIL released.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "core/analysis/d_decomposition.h"
#include "core/analysis/method_lists.h"
#include "core/analysis/reduction.h"
#include "core/blocks/analysis_block.h"
#include "core/blocks/recorders.h"
#include "core/errors.h"
#include "core/graphs/run_note.h"
#include "core/graphs/step_metrics.h"
#include "core/grid/parameter_grid.h"
#include "core/model/catalogue.h"
#include "core/model/scheme_drawing.h"
#include "core/model/scheme_file.h"
#include "core/numtext.h"
#include "core/ordered_work.h"
#include "core/scripted_host.h"
#include "core/workbench/analysis_names.h"
#include "core/workbench/dispatcher.h"
#include "core/workbench/roots_animation.h"
#include "core/workbench/workbench.h"

namespace py = pybind11;

namespace velmar::python {

namespace {

// Everything the core refuses; Python sees it as velmar.VelmarError with the core's text.
struct Refusal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& message) { throw Refusal(message); }

struct Session {
    ScriptedHost host;
    Workbench wb{host};
};

using Answers = std::map<std::string, std::string>;

// A copy of `from`'s scheme, parameters, marks, labels, user functions and comment.
// A scheme as its three files hold it: what every copy of a batch is read from.
struct SchemeImage {
    std::vector<std::uint8_t> bytes;
    std::string labels, functions;
};

SchemeImage imageOf(const Scheme& from) { return {SchemeBytes(from), labelsText(from), functionsText(from)}; }

std::unique_ptr<Session> copyOf(const SchemeImage& image, const Answers& answers) {
    auto s = std::make_unique<Session>();
    readSchemeBytes(s->wb.scheme, image.bytes);
    readLabelsText(s->wb.scheme, image.labels);
    readFunctionsText(s->wb.scheme, image.functions);
    for (const auto& [label, value] : answers) s->host.setAnswer(label, value);
    return s;
}

std::unique_ptr<Session> copyOf(const Scheme& from, const Answers& answers) { return copyOf(imageOf(from), answers); }

void compile(Session& s) {
    if (CompileScheme(s.wb)) return;
    std::string cells;
    for (const Cell& c : s.wb.scheme.ConnectErrors)
        cells += " (" + std::to_string(c.col) + ", " + std::to_string(c.row) + ")";
    fail(std::string(kSchemeFaultText) + "- fault cells:" + cells);
}

py::array_t<double> array(const std::vector<Real48>& values) {
    py::array_t<double> a(static_cast<py::ssize_t>(values.size()));
    auto out = a.mutable_unchecked<1>();
    for (std::size_t i = 0; i < values.size(); ++i) out(static_cast<py::ssize_t>(i)) = static_cast<double>(Extended(values[i]));
    return a;
}

py::array_t<double> array(const Real48* values, int count) {
    return array(std::vector<Real48>(values, values + count));
}

py::array_t<double> array(const std::vector<Extended>& values) {
    py::array_t<double> a(static_cast<py::ssize_t>(values.size()));
    auto out = a.mutable_unchecked<1>();
    for (std::size_t i = 0; i < values.size(); ++i) out(static_cast<py::ssize_t>(i)) = static_cast<double>(values[i]);
    return a;
}

// What the host kept, as Python values: every line it said, the message boxes, the
// warnings, the graphs (curves as arrays), the tables and the D-decomposition maps.
py::dict said(const ScriptedHost& host) {
    py::dict d;
    d["lines"] = host.lines;
    py::list messages;
    for (const auto& [box, text] : host.messages) messages.append(py::make_tuple(std::string(boxCaption(box)), text));
    d["messages"] = messages;
    d["warnings"] = host.warnings;
    py::list graphs;
    for (const auto& g : host.graphs) {
        py::list curves;
        for (const auto& c : g.curves)
            curves.append(py::dict(py::arg("slot") = c.slot, py::arg("legend") = c.name, py::arg("x") = array(c.x),
                                   py::arg("y") = array(c.y)));
        graphs.append(py::dict(py::arg("kind") = g.kind, py::arg("curves") = curves, py::arg("texts") = g.texts));
    }
    d["graphs"] = graphs;
    py::list tables;
    for (const ResultTable& t : host.tables) tables.append(t.rows);
    d["tables"] = tables;
    py::list maps;
    for (const DDecompositionMap& m : host.dDecompositions) {
        py::array_t<int> counts({m.ny + 1, m.nx + 1});
        auto out = counts.mutable_unchecked<2>();
        py::array_t<double> xs(m.nx + 1), ys(m.ny + 1);
        for (int j = 0; j <= m.ny; ++j) {
            ys.mutable_at(j) = static_cast<double>(Extended(Real48(gridY(m, j))));
            for (int i = 0; i <= m.nx; ++i) out(j, i) = m.count(i, j);
        }
        for (int i = 0; i <= m.nx; ++i) xs.mutable_at(i) = static_cast<double>(Extended(Real48(gridX(m, i))));
        maps.append(py::dict(py::arg("x_name") = m.xName, py::arg("y_name") = m.yName, py::arg("x") = xs,
                             py::arg("y") = ys, py::arg("counts") = counts, py::arg("stopped") = m.stopped));
    }
    d["maps"] = maps;
    return d;
}

// Metrics by name: a number, or the words saying why there is none.
py::dict metricsDict(const StepMetrics& m) {
    py::dict d;
    for (const Metric& item : m.items) {
        const std::string name(metricName(item.id));
        if (item.status == MetricStatus::Value) d[py::str(name)] = static_cast<double>(item.value);
        else d[py::str(name)] = metricValueText(item);
    }
    return d;
}

// A finished run on a scheme copy of its own, kept without Python objects so that it
// can be made with the GIL released.
struct RunRecord {
    struct Recorded {
        int element = 0;
        std::size_t slot = 0;
        const Diagram* curve = nullptr;
        int kind = 0;
        StepMetrics metrics;
    };
    std::unique_ptr<Session> s;
    RunOutcome outcome = RunOutcome::Failed;
    std::vector<RecordedGraph> graphs;
    std::vector<Recorded> recorded;
    Extended level = 1;
    std::string error;           // a value the core refused before the run
    std::vector<double> stored;  // the values as the parameters store them

    py::dict toDict(bool points) const {
        py::dict d = said(s->host);
        d["outcome"] = outcome == RunOutcome::Completed   ? "completed"
                       : outcome == RunOutcome::Cancelled ? "cancelled"
                                                          : "failed";
        d["unused_answers"] = s->host.unusedAnswers();
        py::list curves;
        for (const Recorded& r : recorded) {
            const Diagram& c = *r.curve;
            py::dict entry(py::arg("element") = r.element, py::arg("diagram") = static_cast<int>(r.slot) + 1,
                           py::arg("legend") = c.name, py::arg("kind") = r.kind,
                           py::arg("final") = c.count > 0 ? static_cast<double>(Extended(c.y[c.count - 1])) : NAN);
            if (points) {
                entry["x"] = array(c.x, c.count);
                entry["y"] = array(c.y, c.count);
            }
            if (recordedMetrics) entry["metrics"] = metricsDict(r.metrics);
            curves.append(entry);
        }
        d["curves"] = curves;
        d["step_level"] = static_cast<double>(level);
        return d;
    }
    bool recordedMetrics = false;
};

class PyScheme {
public:
    PyScheme() : s_(std::make_unique<Session>()) {}

    static PyScheme load(const std::string& path) {
        PyScheme p;
        try {
            const SchemeRead read = LoadScheme(p.scheme(), path, labelsFileFor(path));
            p.loadWarning_ = read.warning();
        } catch (const FileError& e) { fail(e.what()); }
        return p;
    }

    static PyScheme fromBytes(const py::bytes& bytes, const std::string& labels, const std::string& functions) {
        PyScheme p;
        const std::string b = bytes;
        const SchemeRead read = readSchemeBytes(
            p.scheme(), std::span(reinterpret_cast<const std::uint8_t*>(b.data()), b.size()));
        readLabelsText(p.scheme(), labels);
        try {
            readFunctionsText(p.scheme(), functions);
        } catch (const FileError& e) { fail(e.what()); }
        p.loadWarning_ = read.warning();
        return p;
    }

    void save(const std::string& path) const {
        try {
            SaveScheme(scheme(), path, labelsFileFor(path));
        } catch (const FileError& e) { fail(e.what()); }
    }

    py::bytes bytes() const {
        const std::vector<std::uint8_t> b = SchemeBytes(scheme());
        return py::bytes(reinterpret_cast<const char*>(b.data()), b.size());
    }
    std::string labels() const { return labelsText(scheme()); }
    std::string functions() const { return functionsText(scheme()); }
    const std::string& loadWarning() const { return loadWarning_; }

    std::string comment() const { return scheme().SchemeComment; }
    void setComment(const std::string& text) {
        if (text.size() > kMaxCommentLength) fail("a scheme comment holds at most 255 bytes");
        scheme().SchemeComment = text;
    }

    // Every element as a dict: number, code, names, position, parameters by dialog
    // label, the labels with Mark set, and its caption (the labels file's line).
    py::list elements() const {
        py::list out;
        for (const auto& e : scheme().ElementList()) {
            py::dict parameters;
            py::list marks;
            const BlockInfo& info = e->info();
            for (std::size_t i = 0; i < info.params.size() && i < e->Params.size(); ++i) {
                if (info.params[i].hidden) continue;
                parameters[py::str(info.params[i].label)] = static_cast<double>(e->param(static_cast<int>(i)));
                if (e->Params[i].Varied) marks.append(info.params[i].label);
            }
            py::dict d;
            d["number"] = static_cast<int>(e->Number);
            d["code"] = static_cast<int>(e->Code);
            d["names"] = py::make_tuple(blockName(e->Code, NameSet::Russian), blockName(e->Code, NameSet::Romanian));
            d["position"] = py::make_tuple(static_cast<int>(e->Col), static_cast<int>(e->Row));
            d["parameters"] = parameters;
            d["marks"] = marks;
            d["label"] = scheme().Labels[e->Number];
            out.append(d);
        }
        return out;
    }

    // Element `number`'s parameter whose dialog row is `label`, through the grid's path.
    void set(int number, const std::string& label, double value) {
        std::string error;
        try {
            error = setParameterByLabel(s_->wb, number, label, Real48(static_cast<Extended>(value)));
        } catch (const MathError& e) { error = e.what(); }
        if (!error.empty()) fail(error + labelsOf(number));
    }

    // The value element `number`'s parameter labelled `label` holds.
    double get(int number, const std::string& label) const {
        const ParameterRef ref = parameterByLabel(const_cast<Element&>(element(number)), label);
        if (!ref.param) fail("element " + std::to_string(number) + " has no parameter \"" + label + "\"" + labelsOf(number));
        return static_cast<double>(Extended(ref.param->Value));
    }

    void mark(int number, const std::string& label, bool on) {
        if (number < 1 || number > scheme().ElementCount()) fail("the scheme has no element " + std::to_string(number));
        const ParameterRef ref = parameterByLabel(scheme().element(number), label);
        if (!ref.param || !ref.markable) fail("element " + std::to_string(number) + " has no markable parameter \"" +
                                              label + "\"" + labelsOf(number));
        ref.param->Varied = on;
    }

    // The name the scan and the searches register a marked parameter under ("K3").
    std::string registeredName(int number, const std::string& label) const {
        const ParameterRef ref = parameterByLabel(const_cast<Element&>(element(number)), label);
        if (!ref.param) fail("element " + std::to_string(number) + " has no parameter \"" + label + "\"" + labelsOf(number));
        return numberedParameterName(ref.param->Name, number);
    }

    void setLabel(int number, const std::string& text) {
        if (number < 1 || number > scheme().ElementCount()) fail("the scheme has no element " + std::to_string(number));
        scheme().Labels[static_cast<std::size_t>(number)] = text;
    }

    // --- drawing ---
    int add(int code, int col, int row) {
        if (!blockInfo(code).hasElement() || blockInfo(code).keptBeside) fail("no element type has the code " + std::to_string(code));
        const BlockInfo& info = blockInfo(code);
        const int reach = info.isBlock() ? 2 : 0;
        if (!Scheme::inGrid(col, row) || !Scheme::inGrid(col + reach, row + reach))
            fail("the element does not fit in the grid at (" + std::to_string(col) + ", " + std::to_string(row) + ")");
        for (int c = col; c <= col + reach; ++c)
            for (int r = row; r <= row + reach; ++r)
                if (scheme().cell(c, r) != 0)
                    fail("the cell (" + std::to_string(c) + ", " + std::to_string(r) + ") is taken");
        const int before = scheme().ElementCount();
        SchemeDrawing d(scheme());
        try {
            Element& e = info.isBlock() ? d.block(code, col, row) : d.node(code, col, row);
            (void)e;
        } catch (const std::logic_error& e) { fail(e.what()); }
        if (scheme().ElementCount() == before) fail("the scheme holds 255 elements already");
        return scheme().FindElementAt(col, row);
    }

    void wire(const std::vector<std::pair<int, int>>& points) {
        std::vector<Cell> cells;
        for (const auto& [c, r] : points) cells.push_back({c, r});
        try {
            SchemeDrawing(scheme()).wire(cells);
        } catch (const std::logic_error& e) { fail(std::string("cannot draw the wire: ") + e.what()); }
    }

    std::vector<std::pair<int, int>> wireEnds(int from, int to) const {
        const Element& a = element(from);
        const Element& b = element(to);
        return {{SchemeDrawing::rightCol(a), SchemeDrawing::middleRow(a)}, {b.Col - 1, SchemeDrawing::middleRow(b)}};
    }

    int cell(int col, int row) const { return scheme().cell(col, row); }

    // The fault cells of a compilation (empty: it compiles) and its warnings.
    py::dict check() const {
        auto s = copyOf(scheme(), {});
        py::dict d;
        const bool ok = CompileScheme(s->wb);
        std::vector<std::pair<int, int>> cells;
        for (const Cell& c : s->wb.scheme.ConnectErrors) cells.emplace_back(c.col, c.row);
        d["ok"] = ok;
        d["faults"] = cells;
        d["messages"] = said(s->host)["messages"];
        d["warnings"] = s->host.warnings;
        return d;
    }

    // --- computing ---
    // One run; the dialog rows answered from `answers` (Step, Time, Eps). With
    // `metrics`, every curve also carries its step metrics; without `points` the curves
    // carry only their last value (what a study keeps of most runs).
    py::dict run(const Answers& answers, bool variable, bool metrics, bool points) const {
        RunRecord r;
        {
            py::gil_scoped_release free;
            r = runCopy(imageOf(scheme()), answers, {}, variable, metrics);
        }
        if (!r.s->wb.compiled) compile(*r.s);  // raises with the fault cells
        return r.toDict(points);
    }

    // One run per set of values, each on a fresh copy with the parameters ("E", label,
    // value) written first: the batch a study's task runs, on `threads` threads with the
    // GIL released, the entries made in the order of the values as the runs end. A value
    // the core refuses is reported in its entry ("error").
    py::list runValues(const std::vector<std::vector<std::tuple<int, std::string, double>>>& values,
                       const Answers& answers, bool variable, bool metrics, bool points, unsigned threads) const {
        constexpr std::size_t kWaitingPerThread = 4;
        const SchemeImage image = imageOf(scheme());
        py::list out;
        const unsigned pool = std::clamp<unsigned>(threads, 1, static_cast<unsigned>(std::max<std::size_t>(values.size(), 1)));
        py::gil_scoped_release free;
        runInOrder<RunRecord>(
            0, values.size(), pool, pool * kWaitingPerThread,
            [&](std::size_t i) { return runCopy(image, answers, values[i], variable, metrics); },
            [&](RunRecord&& r) {
                py::gil_scoped_acquire hold;
                py::dict d = r.error.empty() && r.s->wb.compiled ? r.toDict(points) : py::dict();
                if (r.error.empty() && !r.s->wb.compiled) r.error = std::string(kSchemeFaultText);
                d["error"] = r.error;
                d["stored"] = r.stored;
                out.append(d);
            },
            [](std::size_t) {});
        return out;
    }

    // W(s) = A(s)/B(s) between `entry` and analysis block `block`, ascending powers.
    py::tuple tf(int block, std::optional<int> entry) const {
        auto s = copyOf(scheme(), {});
        compile(*s);
        if (block < 1 || block > s->wb.scheme.ElementCount()) fail("the scheme has no element " + std::to_string(block));
        const auto* analysis = dynamic_cast<const AnalysisBlock*>(&s->wb.scheme.element(block));
        if (!analysis) fail("element " + std::to_string(block) + " is not an analysis block");
        const int from = entry.value_or(analysis->Entry);
        if (from < 1 || from > s->wb.scheme.ElementCount())
            fail("the entry must be an element number from 1 to " + std::to_string(s->wb.scheme.ElementCount()));
        ReductionResult r;
        {
            py::gil_scoped_release free;
            r = reduceScheme(*s->wb.compiled, block, from);
        }
        if (r.status == ReductionStatus::Refused) fail(r.message);
        if (r.status == ReductionStatus::Unchanged) fail("element " + std::to_string(block) + " is not reached from element " + std::to_string(from));
        return py::make_tuple(array(r.w.A.coefficients()), array(r.w.B.coefficients()));
    }

    // The Solve operation of analysis block `block` with a method (a chooser code, or a
    // name of analysis_names.h), as velmar-cli analyze runs it.
    py::dict analyze(int block, const std::variant<int, std::string>& method, const Answers& answers, const std::vector<std::pair<int, std::string>>& marks) const {
        auto s = copyOf(scheme(), answers);
        for (const auto& [number, label] : marks) {
            if (number < 1 || number > s->wb.scheme.ElementCount()) fail("the scheme has no element " + std::to_string(number));
            const ParameterRef ref = parameterByLabel(s->wb.scheme.element(number), label);
            if (!ref.param || !ref.markable) fail("element " + std::to_string(number) + " has no markable parameter \"" + label + "\"");
            ref.param->Varied = true;
        }
        compile(*s);
        const std::optional<NamedAnalysis> named = std::holds_alternative<int>(method)
                                                       ? NamedAnalysis(MethodCode{std::get<int>(method)})
                                                       : AnalysisByName(std::get<std::string>(method));
        if (!named) fail("unknown method " + std::get<std::string>(method));
        const RunCommand* menu = std::get_if<RunCommand>(&*named);
        std::optional<MethodCode> code;
        if (!menu) code = std::get<MethodCode>(*named);
        if (!menu && (block < 1 || block > s->wb.scheme.ElementCount() || !s->wb.scheme.element(block).info().hasElement() ||
                      !isAnalysisBlock(s->wb.scheme.element(block).TypeCode())))
            fail("element " + std::to_string(block) + " is not an analysis block");
        s->wb.analysis.methodGroup = menu ? MethodGroup::Character : groupForCode(*code);
        if (menu) s->host.methodCodes = {MethodCode::HarmonicFrequency, MethodCode::HarmonicAmplitude};
        if (code && isRootsDisplay(*code)) {
            s->host.methodCodes = {*code};
            code = MethodCode::rootsAnimation;
        }
        {
            py::gil_scoped_release free;
            try {
                s->wb.analysis.lastBlock = block;
                if (menu) analysisMenuCommand(s->wb, *menu);
                else solveOperation(s->wb, dynamic_cast<AnalysisBlock&>(s->wb.scheme.element(block)), code);
            } catch (const std::runtime_error& e) { s->host.message(Box::Error, e.what()); }
        }
        py::dict d = said(s->host);
        d["unused_answers"] = s->host.unusedAnswers();
        return d;
    }

private:
    // Copies the scheme, writes `sets`, compiles and runs it; no Python object is touched.
    RunRecord runCopy(const SchemeImage& image, const Answers& answers,
                      const std::vector<std::tuple<int, std::string, double>>& sets, bool variable, bool metrics) const {
        RunRecord r;
        r.s = copyOf(image, answers);
        r.recordedMetrics = metrics;
        Workbench& wb = r.s->wb;
        for (const auto& [number, label, value] : sets) {
            try {
                r.error = setParameterByLabel(wb, number, label, Real48(static_cast<Extended>(value)));
            } catch (const MathError& e) { r.error = e.what(); }
            if (!r.error.empty()) return r;
            const ParameterRef ref = parameterByLabel(wb.scheme.element(number), label);
            r.stored.push_back(static_cast<double>(Extended(ref.param->Value)));
        }
        if (!CompileScheme(wb)) return r;
        wb.settings.VariableStep = variable ? 1 : 0;
        try {
            r.outcome = RunSimulation(wb);
        } catch (const std::runtime_error& e) { r.s->host.message(Box::Error, e.what()); }
        r.level = describeRun(wb.scheme).stepLevel.value_or(1);
        if (r.outcome != RunOutcome::Completed) return r;
        r.graphs.reserve(wb.scheme.ElementList().size());
        for (const auto& e : wb.scheme.ElementList()) {
            auto graph = recordedGraphOf(*e, wb.run);
            if (!graph) continue;
            r.graphs.push_back(std::move(*graph));
            const RecordedGraph& g = r.graphs.back();
            for (std::size_t slot = 0; slot < g.diagrams.size(); ++slot)
                if (g.diagrams[slot].present())
                    r.recorded.push_back({e->Number, slot, &g.diagrams[slot], g.kind,
                                          metrics ? stepMetrics(g.diagrams[slot], r.level) : StepMetrics{}});
        }
        return r;
    }

    Scheme& scheme() const { return s_->wb.scheme; }
    const Element& element(int number) const {
        if (number < 1 || number > scheme().ElementCount()) fail("the scheme has no element " + std::to_string(number));
        return scheme().element(number);
    }
    std::string labelsOf(int number) const {
        if (number < 1 || number > scheme().ElementCount()) return {};
        std::string list;
        for (const ParamInfo& p : scheme().element(number).info().params)
            if (!p.hidden) list += (list.empty() ? "" : ", ") + ("\"" + p.label + "\"");
        return " (element " + std::to_string(number) + " has " + (list.empty() ? "no parameters" : list) + ")";
    }

    std::unique_ptr<Session> s_;
    std::string loadWarning_;
};

// The step-response metrics of one curve, as velmar-cli metrics prints them.
py::dict metrics(const std::vector<double>& t, const std::vector<double>& y, double level) {
    const std::vector<Extended> te(t.begin(), t.end()), ye(y.begin(), y.end());
    StepMetrics m;
    {
        py::gil_scoped_release free;
        m = stepMetrics(te, ye, level);
    }
    return metricsDict(m);
}

}  // namespace

}  // namespace velmar::python

namespace py = pybind11;

PYBIND11_MODULE(_core, m) {
    using namespace velmar;
    using namespace velmar::python;
    m.doc() = "The computing core of Velmar: schemes, runs, transfer functions and analyses.";
    py::register_exception<Refusal>(m, "VelmarError", PyExc_RuntimeError);

    py::class_<PyScheme>(m, "SchemeCore")
        .def(py::init<>())
        .def_static("load", &PyScheme::load)
        .def_static("from_bytes", &PyScheme::fromBytes)
        .def("save", &PyScheme::save)
        .def("bytes", &PyScheme::bytes)
        .def("labels", &PyScheme::labels)
        .def("functions", &PyScheme::functions)
        .def("load_warning", &PyScheme::loadWarning)
        .def("comment", &PyScheme::comment)
        .def("set_comment", &PyScheme::setComment)
        .def("elements", &PyScheme::elements)
        .def("set", &PyScheme::set)
        .def("get", &PyScheme::get)
        .def("mark", &PyScheme::mark)
        .def("set_label", &PyScheme::setLabel)
        .def("registered_name", &PyScheme::registeredName)
        .def("add", &PyScheme::add)
        .def("wire", &PyScheme::wire)
        .def("wire_ends", &PyScheme::wireEnds)
        .def("cell", &PyScheme::cell)
        .def("check", &PyScheme::check)
        .def("run", &PyScheme::run, py::arg("answers"), py::arg("variable"), py::arg("metrics") = false,
             py::arg("points") = true)
        .def("run_values", &PyScheme::runValues)
        .def("tf", &PyScheme::tf)
        .def("analyze", &PyScheme::analyze);
    m.def("metrics", &metrics);
    m.def("metric_names", [] {
        std::vector<std::string> names;
        for (int i = 0; i < kMetricCount; ++i) names.emplace_back(metricName(MetricId(i)));
        return names;
    });
    m.def("parse_value", [](const std::string& text) -> std::optional<double> {
        const auto v = parseValueText(text);
        return v ? std::optional<double>(static_cast<double>(*v)) : std::nullopt;
    });
    m.def("method_names", [] {
        std::vector<std::string> names;
        for (const std::string_view name : AnalysisNames()) names.emplace_back(name);
        return names;
    });
}
