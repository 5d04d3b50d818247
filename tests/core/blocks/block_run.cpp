#include "core/blocks/block_run.h"

#include <stdexcept>

#include "core/blocks/recorders.h"
#include "core/model/compile.h"
#include "core/numtext.h"

namespace velmar::testing {

std::vector<Element*> BlockRun::chain(std::initializer_list<int> codes, int row, int firstCol) {
    std::vector<Element*> elements;
    int col = firstCol;
    for (int code : codes) {
        elements.push_back(&draw.block(code, col, row));
        col += 5;
    }
    for (std::size_t i = 1; i < elements.size(); ++i) draw.connect(*elements[i - 1], *elements[i]);
    return elements;
}

bool BlockRun::start() {
    if (!CompileScheme(wb)) throw std::logic_error("the test scheme does not compile");
    outcome = RunSimulation(wb);
    return outcome == RunOutcome::Completed;
}

bool BlockRun::run(Extended step, Extended time) {
    wb.settings.VariableStep = 0;
    host.setAnswer("Step", significantText(Real48(step)));
    host.setAnswer("Time", significantText(Real48(time)));
    return start();
}

bool BlockRun::runVariable(Extended time, Extended eps) {
    wb.settings.VariableStep = 1;
    host.setAnswer("Time", significantText(Real48(time)));
    host.setAnswer("Eps", significantText(Real48(eps)));
    return start();
}

Curve BlockRun::curve(const Element& recorder, int channel) const {
    const auto& rec = dynamic_cast<const Recorder&>(recorder);
    const Diagram d = rec.diagrams()[static_cast<size_t>(channel)];
    Curve c;
    for (int i = 0; i < d.count; ++i) {
        c.t.push_back(d.x[i]);
        c.y.push_back(d.y[i]);
    }
    return c;
}

std::string BlockRun::errorText() const {
    const auto errors = host.messagesOf(Box::Error);
    return errors.empty() ? std::string() : errors.back();
}

}  // namespace velmar::testing
