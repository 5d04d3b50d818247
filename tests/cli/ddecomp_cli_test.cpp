// velmar-cli analyze --method ddecomp against right roots found independently. The
// scheme is laid out byte by byte here, not written by the system's own writer.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <fstream>
#include <sstream>

#include "cli/cli_process.h"

namespace {

using velmar::testing::cli;
namespace fs = std::filesystem;
using Complex = std::complex<long double>;

// A 6-byte real: exponent biased by 129, 39 fraction bits least significant byte
// first, the sign in the top bit of the last byte.
std::string real48(long double v) {
    std::string bytes(6, '\0');
    if (v == 0) return bytes;
    int e = 0;
    const long double m = std::frexp(std::fabs(v), &e);  // v = m 2^e, 0.5 <= m < 1
    auto fraction = static_cast<unsigned long long>(std::llround((2 * m - 1) * 0x1p39L));
    bytes[0] = static_cast<char>(e - 1 + 129);
    for (int k = 1; k <= 5; ++k, fraction >>= 8) bytes[k] = static_cast<char>(fraction & 0xff);
    if (v < 0) bytes[5] = static_cast<char>(bytes[5] | 0x80);
    return bytes;
}

// A step into a unity negative feedback loop around K/(1 + T1 s) · K2/(1 + T2 s) · k/s
// and the analysis block:
//   step (2,10) -> node 18 (8,11) -> link 22 (10,10) -> link 22 (16,10) -> integrator
//   27 (22,10) -> block 60 (28,10); from a tee at (26,11) down to row 15, left to
//   column 8 and up into the node's subtracting input.
// Elements 1..6 in that order. Characteristic polynomial
// T1 T2 s^3 + (T1 + T2) s^2 + s + K K2 k.
std::string loopScheme(long double T1) {
    struct Triple {
        int col, row, code;
    };
    std::vector<Triple> cells = {{2, 10, 33},  {8, 11, 18},  {10, 10, 22},
                                 {16, 10, 22}, {22, 10, 27}, {28, 10, 60}};
    auto right = [&](int from, int to) {  // pieces, then an arrow, along row 11
        for (int c = from; c < to; ++c) cells.push_back({c, 11, 5});
        cells.push_back({to, 11, 1});
    };
    right(5, 7), right(9, 9), right(13, 15), right(19, 21), right(25, 27);
    for (auto& t : cells)
        if (t.col == 26 && t.row == 11) t.code = 13;  // the tee: left, right, bottom
    for (int r = 12; r <= 14; ++r) cells.push_back({26, r, 6});
    cells.push_back({26, 15, 7});  // corner left-top
    for (int c = 9; c <= 25; ++c) cells.push_back({c, 15, 5});
    cells.push_back({8, 15, 8});  // corner right-top
    for (int r = 13; r <= 14; ++r) cells.push_back({8, r, 6});
    cells.push_back({8, 12, 3});  // arrow up into the node
    std::sort(cells.begin(), cells.end(), [](const Triple& a, const Triple& b) {
        return a.col != b.col ? a.col < b.col : a.row < b.row;
    });
    std::string bytes;
    for (const Triple& t : cells)
        bytes += {static_cast<char>(t.col), static_cast<char>(t.row), static_cast<char>(t.code)};
    bytes += '\0';
    bytes += real48(1);                           // step: C
    bytes += real48(1) + real48(T1) + real48(0);  // first link: K, T, H y
    bytes += real48(1) + real48(1) + real48(0);   // second link
    bytes += real48(1) + real48(0);               // integrator: k, H y
    bytes += std::string("\0*", 2);               // empty comment
    return bytes;
}

// Right roots of a real polynomial (ascending coefficients) by Durand-Kerner; the
// distance of the nearest root from the imaginary axis in `margin`.
int rightRoots(std::vector<long double> p, long double& margin) {
    const size_t n = p.size() - 1;
    std::vector<Complex> z(n);
    for (size_t k = 0; k < n; ++k) z[k] = std::pow(Complex(0.4L, 0.9L), static_cast<long double>(k));
    auto eval = [&](Complex s) {
        Complex v = 0;
        for (size_t i = p.size(); i-- > 0;) v = v * s + p[i] / p[n];
        return v;
    };
    for (int it = 0; it < 2000; ++it)
        for (size_t k = 0; k < n; ++k) {
            Complex d = 1;
            for (size_t j = 0; j < n; ++j)
                if (j != k) d *= z[k] - z[j];
            z[k] -= eval(z[k]) / d;
        }
    int count = 0;
    margin = INFINITY;
    for (const Complex& r : z) {
        count += r.real() > 0;
        margin = std::min(margin, std::fabs(r.real()));
    }
    return count;
}

struct DDecompositionCli : velmar::testing::Cli {
    fs::path scheme = dir / "loop.shm";
    void SetUp() override {
        Cli::SetUp();
        std::ofstream(scheme, std::ios::binary) << loopScheme(0.5L);
    }
    velmar::testing::Result analyze(std::vector<std::string> extra) {
        std::vector<std::string> args = {"analyze", scheme.string(), "--block", "6",      "--method",
                                         "ddecomp", "--answer",      "Entry=1", "--mark", "3:K"};
        args.insert(args.end(), extra.begin(), extra.end());
        return cli(args, dir.string());
    }
};

TEST_F(DDecompositionCli, CountsAgreeWithTheRootsAtEveryGridPoint) {
    const auto r = analyze({"--mark", "4:T", "--answer", "K3(begin)=0.2", "--answer", "K3(end)=12.2",
                            "--answer", "T4(begin)=0.1", "--answer", "T4(end)=3.1", "--answer",
                            "Num. of X=15", "--answer", "Num. of Y=12"});
    ASSERT_EQ(r.code, 0) << r.out;
    std::istringstream out(r.out);
    int points = 0, stable = 0, unstable = 0;
    for (std::string line; std::getline(out, line);) {
        if (line.rfind("ddecomp: ", 0) != 0) continue;
        std::istringstream fields(line.substr(9));
        long double K = 0, T2 = 0;
        std::string count;
        ASSERT_TRUE(fields >> K >> T2 >> count) << line;
        EXPECT_NEAR(K, 0.2L + 0.8L * (points % 16), 1e-10L) << line;
        EXPECT_NEAR(T2, 0.1L + 0.25L * (points / 16), 1e-10L) << line;
        long double margin = 0;
        const int expected = rightRoots({K, 1, 0.5L + T2, 0.5L * T2}, margin);
        if (margin > 1e-6L) {
            EXPECT_EQ(count, std::to_string(expected)) << line;
        } else {
            EXPECT_TRUE(count == "undetermined" || count == std::to_string(expected)) << line;
        }
        stable += count == "0";
        unstable += count == "2";
        ++points;
    }
    EXPECT_EQ(points, 16 * 13);
    EXPECT_GT(stable, 20);
    EXPECT_GT(unstable, 20);
}

TEST_F(DDecompositionCli, OneMarkedParameterIsRefused) {
    const auto r = analyze({});
    EXPECT_EQ(r.code, 1) << r.out;
    EXPECT_NE(r.out.find("Сообщение: The number of the checked coefficients must be 2"), std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("ddecomp: "), std::string::npos);
}

}  // namespace
