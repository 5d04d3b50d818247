// The user function (144, "Y=f(x)"): y = f(x, t), an expression the user types over the
// input x and the time t. Like the other static functions it has no states, leaves its
// output as it is without a connected input, and stops the run with the fault's message
// when a value is no finite number (storing it into the output raises MathError). Its
// expression is text, so the scheme file holds no record of it: the expression is kept
// beside the file (scheme_file.h).
#include <array>

#include "core/blocks/nonlinear_kinds.h"
#include "core/errors.h"
#include "core/expression.h"
#include "core/model/run_context.h"

namespace velmar {

namespace {

constexpr const char* kCaption = "Input function y=f(x)";
constexpr const char* kField = "f (x)=";
constexpr const char* kDefaultFunction = "x";

const std::vector<std::string>& variables() {
    static const std::vector<std::string> names = {"x", "t"};
    return names;
}

class UserFunction : public Element {
public:
    UserFunction() : Element(144) { setText(kDefaultFunction); }

    // A text the parser refuses keeps the window open with the parser's message. The
    // parameter grid holds no expression: a value typed there changes nothing.
    void EditParameters(RunContext& ctx) override {
        if (ctx.gridEdit.index != 0) {
            ctx.gridEdit.index = 0;
            return;
        }
        std::string text = text_;
        Expression probe;
        const TextCheck check = [&probe](const std::string& t) { return probe.compile(t, variables()); };
        if (ctx.ui().askText(kCaption, kField, text, check)) setText(std::move(text));
    }

    // An expression read from a file is kept as it was written even when it cannot be
    // parsed, so saving the scheme loses nothing; the run refuses it.
    void InitRun(RunContext& ctx) override {
        if (!problem_.empty())
            throw MathError("Block " + std::to_string(Number) + ", " + kField + text_ + ": " + problem_);
        Element::InitRun(ctx);
    }

    void Advance(RunContext& ctx) override {
        if (!Input()) return;
        const std::array<Extended, 2> values = {Input()->Output, ctx.run.t()};
        Output = expression_.evaluate(values);
    }

    std::string SideText() const override { return text_; }
    void ReadSideText(std::string_view text) override { setText(std::string(text)); }

private:
    void setText(std::string text) {
        text_ = std::move(text);
        problem_ = expression_.compile(text_, variables());
    }

    std::string text_;
    std::string problem_;  // the parser's message; empty when the expression is parsed
    Expression expression_;
};

}  // namespace

std::unique_ptr<Element> createUserFunction(std::uint8_t code) {
    if (code != 144) return nullptr;
    return std::make_unique<UserFunction>();
}

}  // namespace velmar
