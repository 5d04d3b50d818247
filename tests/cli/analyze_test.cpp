// velmar-cli tf and analyze against independent computations. The schemes are laid
// out byte by byte here, not written by the system's own writer.
#include <gtest/gtest.h>

#include <complex>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "cli/cli_process.h"

namespace fs = std::filesystem;
using velmar::testing::cli;

namespace {

// The CLI prints 17 significant digits of 6-byte reals computed in extended precision;
// references computed in long double agree to the stored values' 40-bit precision.
constexpr long double kStoredPrecision = 1e-11L;
// Roots come from an iteration stopped at a relative correction of 1e-5.
constexpr long double kRootPrecision = 1e-9L;

struct AnalyzeCli : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("velmar-analyze-" + std::to_string(std::random_device{}()));
    fs::path scheme = dir / "one.shm";

    void SetUp() override {
        fs::create_directories(dir);
        // One analysis block (60) at column 10, row 10; the terminator; no records (the
        // block writes none); an empty comment: length 0 and the mark 42.
        std::ofstream(scheme, std::ios::binary) << std::string("\x0a\x0a\x3c\x00\x00\x2a", 6);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Arguments answering the hand entry of W(s) = A(s)/B(s).
    static std::vector<std::string> handEntry(const std::vector<long double>& a,
                                              const std::vector<long double>& b) {
        std::vector<std::string> args = {"--answer", "Entry=0",
                                         "--answer", "m=" + std::to_string(a.size() - 1),
                                         "--answer", "n=" + std::to_string(b.size() - 1)};
        auto text = [](long double v) {
            std::ostringstream s;
            s.precision(20);
            s << v;
            return s.str();
        };
        for (size_t i = 0; i < a.size(); ++i)
            args.insert(args.end(), {"--answer", "a" + std::to_string(i) + "=" + text(a[i])});
        for (size_t i = 0; i < b.size(); ++i)
            args.insert(args.end(), {"--answer", "b" + std::to_string(i) + "=" + text(b[i])});
        return args;
    }
    velmar::testing::Result analyze(const std::string& method, const std::vector<long double>& a,
                                    const std::vector<long double>& b, std::vector<std::string> extra = {}) {
        std::vector<std::string> args = {"analyze", scheme.string(), "--block", "1", "--method", method};
        const auto entry = handEntry(a, b);
        args.insert(args.end(), entry.begin(), entry.end());
        args.insert(args.end(), extra.begin(), extra.end());
        return cli(args, dir.string());
    }
    static std::vector<std::string> lines(const std::string& out, const std::string& prefix) {
        std::vector<std::string> found;
        std::istringstream in(out);
        for (std::string l; std::getline(in, l);)
            if (l.rfind(prefix, 0) == 0) found.push_back(l.substr(prefix.size()));
        return found;
    }
};

std::vector<long double> fromRoots(const std::vector<long double>& roots) {
    std::vector<long double> c{1};
    for (long double r : roots) {
        std::vector<long double> next(c.size() + 1, 0);
        for (size_t i = 0; i < c.size(); ++i) {
            next[i + 1] += c[i];
            next[i] -= r * c[i];
        }
        c = next;
    }
    return c;
}

TEST_F(AnalyzeCli, TfPrintsTheMemoLines) {
    auto args = handEntry({2, 0.5L}, {1, 3, 1});
    args.insert(args.begin(), {"tf", scheme.string(), "--block", "1"});
    const auto r = cli(args, dir.string());
    EXPECT_EQ(r.code, 0) << r.out;
    EXPECT_EQ(lines(r.out, "tf: "),
              (std::vector<std::string>{"a 0 =   2.00000", "a 1 =   0.50000", "b 0 =   1.00000",
                                        "b 1 =   3.00000", "b 2 =   1.00000"}));
}

TEST_F(AnalyzeCli, FrequencyResponsesMatchComplexEvaluation) {
    const std::vector<long double> a{2, 0.5L}, b{1, 3, 1, 0.2L};
    for (const char* method : {"51", "52", "55", "56"}) {
        const fs::path csv = dir / (std::string(method) + ".csv");
        const auto r = analyze(method, a, b,
                               {"--answer", "w(begin)=0.5", "--answer", "w(end)=3", "--answer", "step=0.25",
                                "--csv", csv.string()});
        ASSERT_EQ(r.code, 0) << r.out;
        std::ifstream in(csv);
        std::string header;
        std::getline(in, header);
        EXPECT_EQ(header, "element,diagram,index,x,y");
        int rows = 0;
        for (std::string row; std::getline(in, row); ++rows) {
            int element, diagram, index;
            long double x, y;
            char c1, c2, c3, c4;
            std::istringstream s(row);
            ASSERT_TRUE(s >> element >> c1 >> diagram >> c2 >> index >> c3 >> x >> c4 >> y) << row;
            EXPECT_EQ(element, 1);
            EXPECT_EQ(index, rows);
            const long double w = 0.5L + 0.25L * rows;
            auto eval = [w](const std::vector<long double>& p) {
                std::complex<long double> v = 0;
                for (size_t i = p.size(); i-- > 0;) v = v * std::complex<long double>(0, w) + p[i];
                return v;
            };
            const std::complex<long double> W = eval(a) / eval(b);
            const std::string m = method;
            if (m == "51") {
                EXPECT_NEAR(x, W.real(), kStoredPrecision);
                EXPECT_NEAR(y, W.imag(), kStoredPrecision);
            } else {
                EXPECT_NEAR(x, w, kStoredPrecision);
                EXPECT_NEAR(y, m == "52" ? std::abs(W) : m == "55" ? W.real() : W.imag(), kStoredPrecision);
            }
        }
        EXPECT_EQ(rows, 10);
    }
}

TEST_F(AnalyzeCli, RootsListMatchesKnownRootsAndWritesTheLists) {
    const auto r = analyze("42", {1}, fromRoots({-1, -2.5L, -4}), {"--side-files", dir.string()});
    ASSERT_EQ(r.code, 0) << r.out;
    const auto canvas = lines(r.out, "canvas: ");
    ASSERT_EQ(canvas.size(), 6u);
    const long double expected[] = {-1, -2.5L, -4};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(canvas[2 * k].substr(0, 5), "Re" + std::to_string(k + 1) + " =");
        EXPECT_NEAR(std::stold(canvas[2 * k].substr(5)), expected[k], kRootPrecision);
        EXPECT_NEAR(std::stold(canvas[2 * k + 1].substr(5)), 0, kRootPrecision);
    }
    std::ifstream u(dir / "mcad" / "root_u.prn");
    long double first = 0;
    ASSERT_TRUE(u >> first);
    EXPECT_NEAR(first, -1, kRootPrecision);
    EXPECT_TRUE(fs::exists(dir / "mcad" / "root_v.prn"));
    EXPECT_TRUE(fs::exists(dir / "CfFile.txt"));
}

// W(s) = (2s + 3) / (s + 1): a first-degree polynomial has its one root, listed as the
// roots of any other degree are, and the method succeeds.
TEST_F(AnalyzeCli, FirstDegreePolynomialsListTheirRoot) {
    const struct {
        const char* method;
        std::vector<std::string> canvas;
    } cases[] = {
        {"41", {"Re1 =-1.5", "Im1 =0"}},
        {"42", {"Re1 =-1", "Im1 =0"}},
        {"44", {"Re1 =-1", "Im1 =0"}},
        {"45", {"Re1 =-1.5", "Im1 =0", "Re1 =-1", "Im1 =0"}},
    };
    for (const auto& c : cases) {
        const auto r = analyze(c.method, {3, 2}, {1, 1});
        EXPECT_EQ(r.code, 0) << c.method << '\n' << r.out;
        EXPECT_EQ(r.out.find("Not found roots"), std::string::npos) << c.method << '\n' << r.out;
        EXPECT_EQ(lines(r.out, "canvas: "), c.canvas) << c.method;
    }
}

// Coefficients by roots: the denominator typed by its roots is shown and replaces the
// hand entry's; the numerator stays.
TEST_F(AnalyzeCli, CoefficientsByRootsReplaceTheDenominator) {
    const auto r = analyze("82", {2}, {1, 1},
                           {"--answer", "Roots number=3", "--answer", "Re1=-1", "--answer", "Re2=-2.5",
                            "--answer", "Re3=-4", "--answer", "Take as=denominator"});
    ASSERT_EQ(r.code, 0) << r.out;
    const std::vector<long double> expected = fromRoots({-1, -2.5L, -4});
    const auto shown = lines(r.out, "canvas: c");
    const auto tf = lines(r.out, "tf: b");
    ASSERT_EQ(shown.size(), expected.size()) << r.out;
    ASSERT_EQ(tf.size(), 2 + expected.size()) << r.out;  // the typed B(s), then the one by roots
    constexpr long double kShownDecimals = 5e-6L;
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(std::stold(shown[i].substr(shown[i].find('=') + 1)), expected[i], kShownDecimals) << i;
        const std::string& line = tf[2 + i];
        EXPECT_NEAR(std::stold(line.substr(line.find('=') + 1)), expected[i], kShownDecimals) << i;
    }
    EXPECT_EQ(lines(r.out, "tf: a").back(), " 0 =   2.00000");
}

TEST_F(AnalyzeCli, RouthAndHurwitzCountsAgreeWithTheRoots) {
    struct Case {
        std::vector<long double> roots;
        int right;
    } cases[] = {{{-1, -2, -3}, 0}, {{1, -2, -3}, 1}, {{1, 2, -3, -0.5L}, 2}};
    for (const auto& c : cases) {
        const auto r = analyze("routh", {1}, fromRoots(c.roots));
        ASSERT_EQ(r.code, 0) << r.out;
        EXPECT_EQ(lines(r.out, "report: Number of right roots:"),
                  std::vector<std::string>{std::to_string(c.right)});
        EXPECT_EQ(lines(r.out, "Сообщение: ").at(0),
                  c.right == 0 ? "Sistem is stable" : "Sistem is unstable");
        const auto h = analyze("102", {1}, fromRoots(c.roots));
        EXPECT_EQ(lines(h.out, "Сообщение: ").at(0),
                  c.right == 0 ? "System is stable" : "System is unstable");
    }
}

// A step source, two polynomial links and the analysis block in a row, joined by
// right arrows:
//   33 at (2,10), arrow (5,11), 28 at (6,10), arrow (9,11), 28 at (10,10), arrow
//   (13,11), 60 at (14,10)
// The first link is 2 / (1 + 0.5s), the second (1 + s) / (1 + 3s + 4s^2).
TEST_F(AnalyzeCli, TfOfACompiledChainIsTheProductOfItsLinks) {
    const unsigned char one[] = {129, 0, 0, 0, 0, 0}, two[] = {130, 0, 0, 0, 0, 0},
                        half[] = {128, 0, 0, 0, 0, 0}, three[] = {130, 0, 0, 0, 0, 0x40},
                        four[] = {131, 0, 0, 0, 0, 0};
    std::string bytes;
    for (const unsigned char t :
         {2, 10, 33, 5, 11, 1, 6, 10, 28, 9, 11, 1, 10, 10, 28, 13, 11, 1, 14, 10, 60, 0})
        bytes += static_cast<char>(t);
    auto real = [&bytes](const unsigned char* r) { bytes.append(reinterpret_cast<const char*>(r), 6); };
    real(one);                     // the step's C
    bytes += '\0', bytes += '\1';  // first link: m = 0, n = 1
    real(two), real(one), real(half);
    bytes += '\1', bytes += '\2';  // second link: m = 1, n = 2
    real(one), real(one), real(one), real(three), real(four);
    bytes += '\0', bytes += '*';  // empty comment
    const fs::path chain = dir / "chain.shm";
    std::ofstream(chain, std::ios::binary) << bytes;

    // Expected: A = 2 (1 + s), B = (1 + 0.5s)(1 + 3s + 4s^2), multiplied here.
    const std::vector<long double> n1{2}, d1{1, 0.5L}, n2{1, 1}, d2{1, 3, 4};
    auto times = [](const std::vector<long double>& p, const std::vector<long double>& q) {
        std::vector<long double> r(p.size() + q.size() - 1, 0);
        for (size_t i = 0; i < p.size(); ++i)
            for (size_t j = 0; j < q.size(); ++j) r[i + j] += p[i] * q[j];
        return r;
    };
    auto memo = [](char letter, const std::vector<long double>& p) {
        std::vector<std::string> out;
        for (size_t i = 0; i < p.size(); ++i) {
            char line[64];
            std::snprintf(line, sizeof line, "%c%2zu =%10.5Lf", letter, i, p[i]);
            out.push_back(line);
        }
        return out;
    };
    std::vector<std::string> expected = memo('a', times(n1, n2));
    for (const auto& l : memo('b', times(d1, d2))) expected.push_back(l);

    const auto r = cli({"tf", chain.string(), "--block", "4", "--answer", "Entry=1"}, dir.string());
    ASSERT_EQ(r.code, 0) << r.out;
    EXPECT_EQ(lines(r.out, "tf: "), expected);
    // With the first link's output as the entry only the second link remains.
    const auto one2 = cli({"tf", chain.string(), "--block", "4", "--answer", "Entry=2"}, dir.string());
    EXPECT_EQ(lines(one2.out, "tf: "),
              (std::vector<std::string>{"a 0 =   1.00000", "a 1 =   1.00000", "b 0 =   1.00000",
                                        "b 1 =   3.00000", "b 2 =   4.00000"}));
}

TEST_F(AnalyzeCli, ExitCodes) {
    EXPECT_EQ(analyze("999", {1}, {1, 1}).code, 2);
    EXPECT_EQ(cli({"analyze", (dir / "missing.shm").string(), "--block", "1", "--method", "52"}).code, 2);
    EXPECT_EQ(cli({"tf", scheme.string()}).code, 2);  // no block
    EXPECT_EQ(cli({"tf", scheme.string(), "--block", "2"}).code, 2);
    // A first-order lag never meets an M-circle; the scheme has no nonlinear block.
    const auto later = analyze("1979", {1}, {1, 1});
    EXPECT_EQ(later.code, 1);
    EXPECT_NE(later.out.find("Ошибка: I am can't solve this problem"), std::string::npos) << later.out;
    const auto popov = analyze("popov", {1}, {1, 1});
    EXPECT_EQ(popov.code, 1);
    EXPECT_NE(popov.out.find("Ошибка: Где нелинейный блок ?"), std::string::npos);
}

// tf and analyze share the argument rules of run: every --block must be an element
// number, an option needs its value, a verb refuses options it does not know and a
// second scheme; a single-valued option given twice is refused, not taken at its last
// value.
TEST_F(AnalyzeCli, ArgumentRules) {
    const std::string s = scheme.string();
    const std::vector<std::vector<std::string>> refused = {
        {"tf", s, "--block", "x"},
        {"tf", s, "--block", "1.5"},
        {"tf", s, "--block", "0"},
        {"tf", s, "--block", "x", "--block", "1"},
        {"tf", s, "--block", "1", "--block", "x"},
        {"tf", s, "--block", "1", "--method", "52"},
        {"tf", s, "--block", "1", "--csv", (dir / "out.csv").string()},
        {"tf", s, s, "--block", "1"},
        {"tf", s, "--block"},
        {"analyze", s, "--block", "1", "--method"},
        {"analyze", s, "--block", "1"},
    };
    for (const auto& args : refused) {
        const auto r = cli(args, dir.string());
        EXPECT_EQ(r.code, 2) << args.size() << " " << args.back();
        EXPECT_NE(r.out.find("usage: velmar-cli " + args[0]), std::string::npos) << r.out;
    }
    const auto twice = analyze("999", {1}, {1, 1}, {"--method", "routh", "--block", "1"});
    EXPECT_EQ(twice.code, 2) << twice.out;
    EXPECT_NE(twice.out.find(" is given twice; it takes one value"), std::string::npos) << twice.out;
}

}  // namespace

// --mark names a parameter by its dialog row; a wrong element or label is a usage error.
TEST(AnalyzeMarks, RefusesWhatTheSchemeDoesNotHave) {
    const std::string demo = std::string(VELMAR_DATA_DIR) + "/Schemes/demo.shm";
    for (const char* mark : {"3:Q", "9:T", "T", "0:T"}) {
        const auto r =
            cli({"analyze", demo, "--block", "7", "--method", "52", "--mark", mark, "--answer", "Entry=1"});
        EXPECT_EQ(r.code, 2) << mark << ": " << r.out;
        EXPECT_NE(r.out.find("--mark"), std::string::npos) << r.out;
    }
    const auto ok = cli({"analyze", demo, "--block", "7", "--method", "52", "--mark", "3: T ", "--answer",
                         "Entry=1", "--answer", "w(end)=1", "--answer", "step=0.5"});
    EXPECT_EQ(ok.code, 0) << ok.out;
}
