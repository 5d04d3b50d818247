#include "core/analysis/reduction.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/model/compiled.h"
#include "core/model/element.h"

namespace velmar {
namespace {

// A block with a chosen code and polynomials, placed straight into a hand-filled link
// matrix: the reduction sees only codes, polynomials and links.
class TestLink : public Element {
public:
    TestLink(std::uint8_t code, Polynomial n, Polynomial d)
        : Element(code), n_(std::move(n)), d_(std::move(d)) {}
    Polynomial Numerator() const override { return n_; }
    Polynomial Denominator() const override { return d_; }

private:
    Polynomial n_, d_;
};

class Links {
public:
    int add(std::uint8_t code, Polynomial n = Polynomial{1}, Polynomial d = Polynomial{1}) {
        owned_.push_back(std::make_unique<TestLink>(code, std::move(n), std::move(d)));
        return static_cast<int>(owned_.size());
    }
    void link(int from, int to, std::uint8_t value = 1) { links_.push_back({from, to, value}); }
    CompiledScheme compile() const {
        CompiledScheme cs;
        cs.N = static_cast<int>(owned_.size());
        cs.Elements.assign(1, nullptr);
        for (const auto& e : owned_) cs.Elements.push_back(e.get());
        cs.LinkMatrix.assign(cs.N + 1, std::vector<std::uint8_t>(cs.N + 1, 0));
        for (const auto& l : links_) cs.LinkMatrix[l.from][l.to] = l.value;
        return cs;
    }

private:
    struct L {
        int from, to;
        std::uint8_t value;
    };
    std::vector<std::unique_ptr<Element>> owned_;
    std::vector<L> links_;
};

constexpr std::uint8_t kStep = 33, kAperiodic = 22, kAmplifier = 30, kInverter = 32;
constexpr std::uint8_t kSum = 17, kSubtract = 18, kRelay = 67, kAnalysis = 60;

// W = A/B compared as a rational function: A*b == a*B.
void expectRatio(const TransferFunction& w, const Polynomial& a, const Polynomial& b) {
    EXPECT_EQ(w.A * b, a * w.B) << "A and B differ from the expected ratio";
}

TEST(Reduction, SingleLinkBetweenEntryAndOutput) {
    for (std::uint8_t value : {1, 2}) {
        Links s;
        const int e = s.add(kStep);
        const int l = s.add(kAperiodic, Polynomial{2}, Polynomial{1, 3});
        const int o = s.add(kAnalysis);
        s.link(e, l, value);
        s.link(l, o);
        const ReductionResult r = reduceScheme(s.compile(), o, e);
        ASSERT_EQ(r.status, ReductionStatus::Reduced);
        EXPECT_EQ(r.w.B, (Polynomial{1, 3}));
        EXPECT_EQ(r.w.A, (Polynomial{value == 1 ? 2.0L : -2.0L}));  // link value 2 subtracts
    }
}

TEST(Reduction, ChainMultiplies) {
    Links s;
    const int e = s.add(kStep);
    const int l1 = s.add(kAperiodic, Polynomial{2}, Polynomial{1, 3});
    const int l2 = s.add(kAperiodic, Polynomial{1, 1}, Polynomial{0, 1, 4});
    const int o = s.add(kAnalysis);
    s.link(e, l1);
    s.link(l1, l2);
    s.link(l2, o);
    const ReductionResult r = reduceScheme(s.compile(), o, e);
    ASSERT_EQ(r.status, ReductionStatus::Reduced);
    EXPECT_EQ(r.w.A, (Polynomial{2} * Polynomial{1, 1}));
    EXPECT_EQ(r.w.B, (Polynomial{1, 3} * Polynomial{0, 1, 4}));
}

// E -> S(-) -> W1 -> O, W1 -> W2 -> S: W = N1 D2 / (D1 D2 + N1 N2), whichever element
// of the loop the output is taken from.
TEST(Reduction, FeedbackLoopIsCutAtTheNode) {
    const Polynomial n1{5}, d1{1, 2}, n2{1}, d2{1, 0.5L};
    for (bool tapAfterW2 : {false, true}) {
        Links s;
        const int e = s.add(kStep);
        const int node = s.add(kSubtract);
        const int w1 = s.add(kAperiodic, n1, d1);
        const int w2 = s.add(kAperiodic, n2, d2);
        const int o = s.add(kAnalysis);
        s.link(e, node);
        s.link(node, w1);
        s.link(w1, w2);
        s.link(w2, node, 2);
        s.link(tapAfterW2 ? w2 : w1, o);
        const ReductionResult r = reduceScheme(s.compile(), o, e);
        ASSERT_EQ(r.status, ReductionStatus::Reduced);
        const Polynomial closed = d1 * d2 + n1 * n2;
        expectRatio(r.w, tapAfterW2 ? n1 * n2 : n1 * d2, closed);
    }
}

// A disturbance source feeding the loop is removed; an inverter counts -1 and makes
// positive feedback through a summing node negative.
TEST(Reduction, SourcesRemovedAndInverterNegates) {
    Links s;
    const int e = s.add(kStep);
    const int disturbance = s.add(kStep);
    const int node = s.add(kSum);
    const int w = s.add(kAperiodic, Polynomial{3}, Polynomial{1, 1});
    const int inv = s.add(kInverter);
    const int o = s.add(kAnalysis);
    s.link(e, node);
    s.link(disturbance, node);
    s.link(node, w);
    s.link(w, inv);
    s.link(inv, node);
    s.link(w, o);
    const ReductionResult r = reduceScheme(s.compile(), o, e);
    ASSERT_EQ(r.status, ReductionStatus::Reduced);
    expectRatio(r.w, Polynomial{3}, Polynomial{4, 1});  // 3 / (s + 4)
}

TEST(Reduction, RefusalsAndNothingToDo) {
    {  // a relay between entry and output
        Links s;
        const int e = s.add(kStep);
        const int relay = s.add(kRelay);
        const int o = s.add(kAnalysis);
        s.link(e, relay);
        s.link(relay, o);
        const ReductionResult r = reduceScheme(s.compile(), o, e);
        EXPECT_EQ(r.status, ReductionStatus::Refused);
        EXPECT_EQ(r.message, "Nedopustimyi block : 2");
    }
    {  // a loop of two amplifiers without a node
        Links s;
        const int e = s.add(kStep);
        const int a1 = s.add(kAmplifier);
        const int a2 = s.add(kAmplifier);
        const int o = s.add(kAnalysis);
        s.link(e, a1);
        s.link(a1, a2);
        s.link(a2, a1);
        s.link(a2, o);
        const ReductionResult r = reduceScheme(s.compile(), o, e);
        EXPECT_EQ(r.status, ReductionStatus::Refused);
        EXPECT_TRUE(r.message == "Loop without a summing or subtracting block : 2" ||
                    r.message == "Loop without a summing or subtracting block : 3")
            << r.message;
    }
    {  // the entry reaches nothing that feeds the output
        Links s;
        const int e = s.add(kStep);
        const int other = s.add(kStep);
        const int l = s.add(kAperiodic, Polynomial{1}, Polynomial{1, 1});
        const int o = s.add(kAnalysis);
        s.link(other, l);
        s.link(l, o);
        EXPECT_EQ(reduceScheme(s.compile(), o, e).status, ReductionStatus::Unchanged);
    }
}

TEST(Reduction, ElementNumbersBeyondTheCompiledSchemeAreRefused) {
    Links s;
    const int e = s.add(kStep);
    const int o = s.add(kAnalysis);
    s.link(e, o);
    const CompiledScheme cs = s.compile();
    for (const auto& [output, entry] :
         {std::pair{3, e}, std::pair{o, 3}, std::pair{0, e}, std::pair{o, -1}}) {
        const ReductionResult r = reduceScheme(cs, output, entry);
        EXPECT_EQ(r.status, ReductionStatus::Refused) << output << " " << entry;
        EXPECT_EQ(r.message, "The scheme has changed since it was compiled: enter Run again");
    }
}

TEST(Determinant, PermutationExpansionSignsAndPruning) {
    // [[1, s, -], [-, 2, 1], [s, -, 3]]: 1*2*3 + s*1*s (one cycle of three: even) = 6 + s^2
    PolynomialMatrix m(3, std::vector<Polynomial>(3));
    m[0][0] = Polynomial{1};
    m[0][1] = Polynomial{0, 1};
    m[1][1] = Polynomial{2};
    m[1][2] = Polynomial{1};
    m[2][0] = Polynomial{0, 1};
    m[2][2] = Polynomial{3};
    EXPECT_EQ(Determinant(m), (Polynomial{6, 0, 1}));
    // Swapping two rows changes the sign.
    std::swap(m[0], m[1]);
    EXPECT_EQ(Determinant(m), (Polynomial{-6, 0, -1}));
    EXPECT_EQ(Determinant({}), Polynomial{1});
}

}  // namespace
}  // namespace velmar
