// velmar-cli analyze harmonic, popov and the regulator tuning against independent
// computations: harmonic balances evaluated with std::complex, the Popov bound and the
// M-circle gain by brute force. The schemes are laid out byte by byte here.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <fstream>
#include <sstream>

#include "cli/cli_process.h"
#include "support/popov_brute_force.h"

namespace fs = std::filesystem;
using velmar::testing::cli;

namespace {

using C = std::complex<long double>;
using Poly = std::vector<long double>;
constexpr long double kPi = 3.14159265358979323846L;

// A 6-byte real: exponent byte (biased by 129 for 1.m), 39 mantissa bits from the
// least significant byte, the sign in the top bit of the last byte.
std::string real48(long double v) {
    std::string b(6, '\0');
    if (v == 0) return b;
    int e = 0;
    const long double m = std::frexp(std::fabs(v), &e);  // v = m 2^e, 0.5 <= m < 1
    auto f = static_cast<unsigned long long>(std::llround((2 * m - 1) * std::ldexp(1.0L, 39)));
    if (f == (1ULL << 39)) f = 0, ++e;
    b[0] = static_cast<char>(e + 128);
    for (int i = 0; i < 5; ++i) b[1 + i] = static_cast<char>((f >> (8 * i)) & 0xff);
    if (v < 0) b[5] = static_cast<char>(b[5] | 0x80);
    return b;
}

// The loop: subtraction node (5,11) -> nonlinear block (7,10) -> polynomial link
// (11,10) -> down, left along row 14 and up into the node's subtracting side; the
// node's output also runs up column 5 and right into the analysis block at (7,5).
// Numbers: node 1, analysis block 2, nonlinear block 3, link 4. The analysis block
// sees W = -A/B of the link: the linear part with the loop's sign.
std::string loopScheme(int code, const Poly& params, const Poly& a, const Poly& b) {
    const unsigned char cells[][3] = {
        {5, 6, 9},   {5, 7, 6},   {5, 8, 6},    {5, 9, 6},   {5, 10, 6},  {5, 11, 18},  {5, 12, 3},
        {5, 13, 6},  {5, 14, 8},  {6, 6, 1},    {6, 11, 1},  {6, 14, 5},  {7, 5, 60},   {7, 10, 0},
        {7, 14, 5},  {8, 14, 5},  {9, 14, 5},   {10, 11, 1}, {10, 14, 5}, {11, 10, 28}, {11, 14, 5},
        {12, 14, 5}, {13, 14, 5}, {14, 11, 10}, {14, 12, 6}, {14, 13, 6}, {14, 14, 7}};
    std::string bytes;
    for (const auto& c : cells) {
        bytes += static_cast<char>(c[0]);
        bytes += static_cast<char>(c[1]);
        bytes += static_cast<char>(c[2] == 0 ? code : c[2]);
    }
    bytes += '\0';
    for (long double p : params) bytes += real48(p);
    bytes += static_cast<char>(a.size() - 1);
    bytes += static_cast<char>(b.size() - 1);
    for (long double p : a) bytes += real48(p);
    for (long double p : b) bytes += real48(p);
    return bytes + std::string("\0*", 2);
}

C at(const Poly& p, long double omega) {
    C v = 0;
    for (size_t i = p.size(); i-- > 0;) v = v * C(0, omega) + p[i];
    return v;
}

struct HarmonicCli : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("velmar-harmonic-" + std::to_string(std::random_device{}()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    std::string write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return (dir / name).string();
    }
    velmar::testing::Result analyze(const std::string& scheme, const std::string& method,
                                    std::vector<std::string> extra = {}) {
        std::vector<std::string> args = {"analyze", scheme, "--method", method};
        args.insert(args.end(), extra.begin(), extra.end());
        return cli(args, dir.string());
    }
    // The numbers after "NAME = " in the report lines that start with `prefix`.
    static std::vector<long double> values(const std::string& out, const std::string& prefix,
                                           const std::string& name) {
        std::vector<long double> found;
        std::istringstream in(out);
        for (std::string l; std::getline(in, l);) {
            if (l.rfind(prefix, 0) != 0) continue;
            const auto at = l.find(name + " = ");
            if (at != std::string::npos) found.push_back(std::stold(l.substr(at + name.size() + 3)));
        }
        return found;
    }
};

// The ideal relay (b = 1.5) and the saturation (level 1 from 1) each balance the loop
// at the reported frequency and amplitude: Im W = 0 and q(A)·W = 1.
TEST_F(HarmonicCli, HarmonicBalanceHoldsAtTheReportedPoint) {
    struct Case {
        int code;
        Poly params, a, b;
        long double (*q)(long double A);
        long double tolerance;  // the saturation's amplitude comes from a bisection to 1e-4
    } cases[] = {
        {66,
         {1.5L, -1.5L, 0},
         {2, 0.5L},
         {1, 3, 3, 1, 0.25L},
         [](long double A) { return 6 / (kPi * A); },
         1e-9L},
        {67,
         {1, 1, -1, -1},
         {20},
         {1, 3, 3, 1},
         [](long double A) {
             const long double s = 1 / A;
             return A < 1 ? 1 : 2 / kPi * (std::asin(s) + s * std::sqrt(1 - s * s));
         },
         1e-4L},
    };
    for (const Case& c : cases) {
        const auto r = analyze(write("loop.shm", loopScheme(c.code, c.params, c.a, c.b)), "harmonic");
        ASSERT_EQ(r.code, 0) << r.out;
        const auto w = values(r.out, "report: W = ", "W"), A = values(r.out, "report: W = ", ",A");
        ASSERT_EQ(w.size(), 1u) << r.out;
        const C W = -at(c.a, w[0]) / at(c.b, w[0]);
        EXPECT_NEAR(W.imag(), 0, 1e-9L);
        EXPECT_NEAR(c.q(A[0]) * W.real(), 1, c.tolerance) << c.code;
    }
}

// The hysteresis relay (level 1, switching at 0.5): every reported pair balances with
// its in-phase gain 4/(pi A)·sqrt(1 - (0.5/A)^2).
TEST_F(HarmonicCli, ScanOfTheHysteresisRelay) {
    const Poly a{10}, b{1, 3, 3, 1};
    const auto r = analyze(write("h.shm", loopScheme(71, {1, 0.5L, -1, -0.5L, 1}, a, b)), "harmonic",
                           {"--answer", "w(end)=5", "--answer", "A(end)=5"});
    ASSERT_EQ(r.code, 0) << r.out;
    const auto w = values(r.out, "report: w = ", "w"), A = values(r.out, "report: w = ", "A");
    ASSERT_EQ(w.size(), 2u) << r.out;
    for (size_t k = 0; k < w.size(); ++k) {
        const C W = -at(a, w[k]) / at(b, w[k]);
        const long double q = 4 / (kPi * A[k]) * std::sqrt(1 - 0.25L / (A[k] * A[k]));
        EXPECT_NEAR(q * W.real(), 1, 1e-9L);
    }
}

// Kkrit against the brute-force bound of support/popov_brute_force.h.
TEST_F(HarmonicCli, PopovBoundMatchesABruteForceSearch) {
    const Poly a{2}, b{1, 2, 1.31L, 0.34L, 0.03L};  // (1 + s)(1 + 0.2s)(1 + 0.3s)(1 + 0.5s)
    const auto r = analyze(write("p.shm", loopScheme(67, {1, 1, -1, -1}, a, b)), "popov");
    ASSERT_EQ(r.code, 0) << r.out;
    const auto k = values(r.out, "report: Kkrit", "Kkrit");
    ASSERT_EQ(k.size(), 1u) << r.out;
    // The loop's sign taken out again.
    const long double expected = velmar::testing::BruteForcePopovBound(
        [&](long double omega) { return at(a, omega) / at(b, omega); }, -3, 3, 100);
    EXPECT_NEAR(k[0], expected, 0.01L * expected);
}

// The P regulator on a hand-typed W: Kr within 1 % of the largest gain that keeps the
// closed-loop peak |K W / (1 + K W)| at most 1.41 on the same grid; M = 1 is refused.
TEST_F(HarmonicCli, PRegulatorGainByTheMCircle) {
    const std::string one = write("one.shm", std::string("\x0a\x0a\x3c\x00\x00\x2a", 6));
    const Poly a{3}, b{1, 2.5L, 1.5L, 0.25L};
    std::vector<std::string> args = {"--block",  "1",         "--answer", "Entry=0",   "--answer",
                                     "m=0",      "--answer",  "n=3",      "--answer",  "a0=3",
                                     "--answer", "w(end)=20", "--answer", "step=0.005"};
    for (size_t i = 0; i < b.size(); ++i)
        args.insert(args.end(), {"--answer", "b" + std::to_string(i) + "=" + std::to_string(b[i])});
    const auto r = analyze(one, "1979", args);
    ASSERT_EQ(r.code, 0) << r.out;
    const auto kr = values(r.out, "report: Kr", "Kr");
    ASSERT_EQ(kr.size(), 1u) << r.out;
    EXPECT_NE(r.out.find("text: Результат настройки п-регулятора"), std::string::npos);
    auto peak = [&](long double K) {
        long double p = 0;
        for (int i = 0;; ++i) {
            const long double omega = 1e-6L + 0.005L * i;  // the grid from w(begin) = 0
            if (omega >= 20) break;
            const C g = K * at(a, omega) / at(b, omega);
            p = std::max(p, std::abs(g / (1.0L + g)));
        }
        return p;
    };
    long double good = 0.01L, bad = good;
    while (peak(bad) <= 1.41L) good = bad, bad *= 1.05L;
    for (int i = 0; i < 60; ++i) {
        const long double mid = (good + bad) / 2;
        (peak(mid) <= 1.41L ? good : bad) = mid;
    }
    EXPECT_NEAR(kr[0], good, 0.01L * good);

    args.insert(args.end(), {"--answer", "Zadanii M=1"});
    const auto refused = analyze(one, "1979", args);
    EXPECT_EQ(refused.code, 2);  // an answer the dialog refuses is a mistake of the call
    EXPECT_NE(refused.out.find("Ошибка: Error!!! Please insert M>1,01"), std::string::npos) << refused.out;
}

// 341 answered by labels: the preset questions before "System Parameters" reach the
// tuning. With W1 = 0 nothing limits regulator 1's gain, so it keeps the k given; the
// preset type stands without an answer for "Regulator 1", and the numerator of W1 has
// the preset order 0 (its page asks "M1 c0" only, so every answer is taken).
TEST_F(HarmonicCli, TwoRegulatorPresetsAnsweredByLabel) {
    const std::string one = write("one.shm", std::string("\x0a\x0a\x3c\x00\x00\x2a", 6));
    std::vector<std::string> args = {"--block", "1", "--answer", "Entry=0"};
    for (const char* a :
         {"Input W1-M(p) order=0", "Input W3-M(p) order=0", "Regulator RG1 type:=P", "k=5", "M1 c0=0",
          "M3 c0=3", "N3 c1=1.2", "N3 c2=0.3", "Regulator 2=P", "w(end)=20", "step=0.005"})
        args.insert(args.end(), {"--answer", a});
    const auto r = analyze(one, "341", args);
    ASSERT_EQ(r.code, 0) << r.out;
    EXPECT_NE(r.out.find("report: Regulator 1: P    regulator  k=5  ti=0  td=0"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("M1 c1"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("report: Regulator 2: P    regulator  k="), std::string::npos) << r.out;
}

// Each refusal is a message and exit code 1.
TEST_F(HarmonicCli, RefusalsGiveTheirMessagesAndExitOne) {
    const Poly cube{1, 3, 3, 1};
    struct Case {
        std::string scheme;
        const char* method;
        const char* message;
    } cases[] = {
        {loopScheme(66, {1, -1, 0}, {1}, {-1, 1, 1, 1}), "harmonic", "Ошибка:  System not stabil "},
        {loopScheme(66, {1, -2, 1}, {1}, cube), "harmonic", "Ошибка:  ( b <> c ) OR ( Vhu <> 0 ) "},
        {loopScheme(67, {1, 1, -1, -1}, {1}, {1, 3, 1}), "popov", "Ошибка:  Only for n > 2 "},
        {loopScheme(67, {1, 1, -1, -1}, {1}, {-1, 1, 1, 1}), "popov", "Ошибка:  System not stabil "},
        {std::string("\x0a\x0a\x3c\x00\x00\x2a", 6), "harmonic", "Ошибка: Где нелинейный блок ?"},
        {std::string("\x0a\x0a\x3c\x00\x00\x2a", 6), "popov", "Ошибка: Где нелинейный блок ?"},
        {std::string("\x0a\x0a\x42\x00", 4) + real48(1) + real48(-1) + real48(0) + std::string("\0*", 2),
         "harmonic", "Ошибка: Гармоническая линеаризация невозможна"},
    };
    for (const Case& c : cases) {
        const auto r = analyze(write("r.shm", c.scheme), c.method);
        EXPECT_EQ(r.code, 1) << c.message << "\n" << r.out;
        EXPECT_NE(r.out.find(c.message), std::string::npos) << r.out;
    }
}

// --mark on the saturation's level: the relabelled list, both curves in the CSV.
TEST_F(HarmonicCli, SweepHandsBothCurves) {
    const fs::path csv = dir / "sweep.csv";
    const auto r = analyze(write("s.shm", loopScheme(67, {1, 1, -1, -1}, {20}, {1, 3, 3, 1})), "harmonic",
                           {"--mark", "3:a", "--answer", "a3(beg)=1", "--answer", "a3(end)=2", "--answer",
                            "a3(step)=0.25", "--csv", csv.string()});
    ASSERT_EQ(r.code, 0) << r.out;
    EXPECT_NE(r.out.find("list: W( a3 ) |  A( a3 )"), std::string::npos);
    std::ifstream in(csv);
    int rows = 0;
    for (std::string l; std::getline(in, l);) ++rows;
    EXPECT_EQ(rows, 1 + 2 * 5);  // header, then 5 values for each curve
}

}  // namespace
