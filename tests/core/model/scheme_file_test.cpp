#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <typeinfo>

#include "core/blocks/linear.h"
#include "core/blocks/sources.h"
#include "core/errors.h"
#include "core/model/bytes.h"
#include "core/model/scheme_file.h"
#include "support/model_invariants.h"
#include "support/scheme_builder.h"
#include "support/test_blocks.h"

using namespace velmar;
using velmar::testing::modelProblem;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

void append(Bytes& b, std::initializer_list<int> values) {
    for (int v : values) b.push_back(static_cast<std::uint8_t>(v));
}
void appendReal(Bytes& b, Extended x) {
    const auto r = Real48(x).toBytes();
    b.insert(b.end(), r.begin(), r.end());
}

Bytes read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}
void write(const fs::path& file, std::string_view text) { std::ofstream(file, std::ios::binary) << text; }

struct TempDir {
    fs::path path;
    TempDir() {
        path = fs::temp_directory_path() / ("velmar-files-" + std::to_string(std::random_device{}()));
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& e : fs::directory_iterator(path)) out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }
};

// A value for parameter i of a code that no default has, exact in a 6-byte real.
Extended sample(int code, int i) { return code + 0.125L * (i + 1); }

// The scheme file of one element of every code 17..143 (a 4-cell pitch keeps them
// apart), a few pieces, a face and a comment, laid out byte by byte from the file
// layout and the catalogue's value orders, without the element types' own code.
struct HandMade {
    struct Placed {
        int col, row, code;
    };
    std::vector<Placed> placed;
    Bytes bytes;

    HandMade() {
        for (int code = 17; code <= 143; ++code) {
            const int i = code - 17;
            placed.push_back({2 + 4 * (i % 22), 2 + 4 * (i / 22), code});
        }
        placed.push_back({1, 40, 5});
        placed.push_back({2, 40, 1});
        placed.push_back({30, 41, 4});
        placed.push_back({50, 50, 144});
        std::sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
            return std::pair(a.col, a.row) < std::pair(b.col, b.row);
        });
        for (const Placed& p : placed) append(bytes, {p.col, p.row, p.code});
        append(bytes, {0});
        for (const Placed& p : placed) {
            if (p.code < 17 || p.code > 143) continue;
            if (p.code == 28 || p.code == 46) {  // degrees 1 and 2, then A and B
                append(bytes, {1, 2});
                for (int k = 0; k < 5; ++k) appendReal(bytes, sample(p.code, k));
            } else if (p.code == 118) {  // a0, n = 2, a1, a2
                appendReal(bytes, sample(118, 0));
                appendReal(bytes, 2);
                appendReal(bytes, sample(118, 1));
                appendReal(bytes, sample(118, 2));
            } else {
                for (int i : blockInfo(p.code).fileOrder) appendReal(bytes, sample(p.code, i));
            }
        }
        const std::string comment = "hand-made";
        bytes.insert(bytes.end(), comment.begin(), comment.end());
        append(bytes, {static_cast<int>(comment.size()), 42});
    }
};

}  // namespace

TEST(SchemeFile, ByteExamples) {
    Scheme s;
    EXPECT_EQ(SchemeBytes(s), (Bytes{0, 0, 42}));

    ASSERT_TRUE(s.PutCell(4, 7, 22));
    Bytes want{4, 7, 22, 0};
    for (Extended v : {1, 1, 0}) appendReal(want, v);
    append(want, {0, 42});
    EXPECT_EQ(SchemeBytes(s), want);
    EXPECT_EQ(want[4], 129);  // 1.0 is 129, 0, 0, 0, 0, 0

    Scheme back;
    readSchemeBytes(back, want);
    ASSERT_EQ(back.ElementCount(), 1);
    EXPECT_EQ(back.element(1).Col, 4);
    for (int c = 4; c < 7; ++c)
        for (int r = 7; r < 10; ++r) EXPECT_EQ(back.cell(c, r), 22);

    s.SchemeComment = "abc";
    const Bytes withComment = SchemeBytes(s);
    EXPECT_EQ(Bytes(withComment.end() - 5, withComment.end()), (Bytes{'a', 'b', 'c', 3, 42}));
    readSchemeBytes(back, withComment);
    EXPECT_EQ(back.SchemeComment, "abc");

    // Without the final 42 there is no comment (and bytes after the records are ignored).
    readSchemeBytes(back, Bytes(withComment.begin(), withComment.end() - 1));
    EXPECT_EQ(back.SchemeComment, "");
    EXPECT_EQ(back.ElementCount(), 1);
}

TEST(SchemeFile, HandLaidFileOfEveryCodeReadsAndWritesBackIdentically) {
    const HandMade file;
    Scheme s;
    readSchemeBytes(s, file.bytes);
    ASSERT_EQ(modelProblem(s), "");
    ASSERT_EQ(s.ElementCount(), 128);
    EXPECT_EQ(s.SchemeComment, "hand-made");
    for (const auto& p : file.placed) {
        const int size = p.code >= 22 ? 3 : 1;
        for (int c = p.col; c < p.col + size; ++c)
            for (int r = p.row; r < p.row + size; ++r) EXPECT_EQ(s.cell(c, r), p.code) << p.code;
        if (p.code < 17 || p.code > 143) continue;
        const Element* e = s.ElementAt(p.col, p.row);
        ASSERT_NE(e, nullptr) << p.code;
        ASSERT_EQ(e->Code, p.code);
        if (const auto* link = dynamic_cast<const PolynomialLink*>(e)) {
            EXPECT_EQ(link->entry.A, (Polynomial{sample(p.code, 0), sample(p.code, 1)}));
            EXPECT_EQ(link->entry.B, (Polynomial{sample(p.code, 2), sample(p.code, 3), sample(p.code, 4)}));
        } else if (const auto* signal = dynamic_cast<const PolynomialSignal*>(e)) {
            ASSERT_EQ(signal->degree(), 2);
            for (int k = 0; k <= 2; ++k) EXPECT_EQ(signal->param(k + 1), sample(118, k));
        } else {
            const auto& order = blockInfo(p.code).fileOrder;
            for (size_t i = 0; i < e->Params.size(); ++i) {
                const bool stored = std::find(order.begin(), order.end(), int(i)) != order.end();
                const Extended want =
                    stored ? sample(p.code, int(i)) : blockInfo(p.code).params[i].defaultValue;
                if (p.code == 35 && i == 0) continue;  // R follows from the stored scale
                EXPECT_EQ(e->Params[i].Value, Real48(want)) << p.code << " " << i;
            }
        }
    }
    // The user function, whose cell the file holds without a record, is the last element.
    ASSERT_NE(s.ElementAt(51, 51), nullptr);
    EXPECT_EQ(s.ElementAt(51, 51)->Number, 128);
    EXPECT_EQ(SchemeBytes(s), file.bytes);
}

TEST(SchemeFile, RecordsEndingAtARecordBoundaryLeaveDefaults) {
    Bytes b{5, 5, 22, 9, 5, 22, 0};
    for (Extended v : {2, 3, 4}) appendReal(b, v);
    Bytes noTrailer = b;
    append(b, {0, 42});
    for (const Bytes& file : {b, noTrailer}) {
        Scheme s;
        readSchemeBytes(s, file);
        ASSERT_EQ(s.ElementCount(), 2);
        EXPECT_EQ(s.element(1).param(0), 2);
        EXPECT_EQ(s.element(2).param(0), 1);
        EXPECT_EQ(s.element(2).param(1), 1);
    }
}

TEST(SchemeFile, DamagedFilesRaiseFileErrorAndLeaveTheSchemeAsItWas) {
    Bytes cutRecord{5, 5, 22, 0};
    appendReal(cutRecord, 2);
    append(cutRecord, {1, 2, 3, 0, 42});  // the comment trailer leaves 4 bytes of record 2
    Bytes commentBeforeData{5, 5, 22, 0};
    appendReal(commentBeforeData, 1);
    append(commentBeforeData, {'x', 200, 42});
    const Bytes damaged[] = {
        cutRecord, commentBeforeData, {5, 5, 22, 0, 9, 42},  // L = 9 reaches into the triples
        {42},                                                // a triple cut short
        {5, 5},    {7, 0, 42},                               // the trailer's L would be the terminator
    };
    for (const Bytes& file : damaged) {
        Scheme s;
        ASSERT_TRUE(s.PutCell(30, 30, 26));
        s.SchemeComment = "kept";
        const Bytes before = SchemeBytes(s);
        EXPECT_THROW(readSchemeBytes(s, file), FileError) << file.size();
        EXPECT_EQ(SchemeBytes(s), before);
    }
}

TEST(SchemeFile, AnEmptyFileOrCellsWithoutTheirEndAreDamaged) {
    for (const Bytes& file : {Bytes{}, Bytes{5, 5, 22}, Bytes{5, 5, 22, 9, 9, 17}}) {
        Scheme s;
        ASSERT_TRUE(s.PutCell(30, 30, 26));
        try {
            readSchemeBytes(s, file);
            ADD_FAILURE() << "a file of " << file.size() << " bytes loaded";
        } catch (const FileError& e) { EXPECT_NE(std::string(e.what()).find("damaged"), std::string::npos); }
        EXPECT_EQ(s.ElementCount(), 1);
    }
}

TEST(SchemeFile, RecordsEndingEarlyNameTheElementsLeftAtTheirDefaults) {
    // A block with its record, a node (no record), then two blocks whose records are gone.
    Bytes b{5, 5, 22, 9, 5, 17, 12, 5, 22, 20, 5, 30, 0};
    for (Extended v : {2, 3, 4}) appendReal(b, v);
    append(b, {0, 42});
    Scheme s;
    const SchemeRead read = readSchemeBytes(s, b);
    EXPECT_EQ(read.defaulted, (std::vector<int>{3, 4}));
    EXPECT_EQ(read.warning(),
              "The file ends before the parameters of elements 3, 4: they keep their defaults");
    EXPECT_TRUE(readSchemeBytes(s, SchemeBytes(s)).whole());
}

TEST(SchemeFile, ReadingTakesTimeInProportionToTheCells) {
    // Elements put down and swept away again by their neighbours, over and over, give
    // the same scheme as the editor's PutCell one cell after another.
    std::mt19937 random(11);
    std::vector<Scheme::PlacedCell> cells;
    for (int i = 0; i < 20000; ++i)
        cells.push_back({static_cast<std::uint8_t>(random() % 92), static_cast<std::uint8_t>(random() % 92),
                         static_cast<std::uint8_t>(random() % 146)});
    Scheme laid, put;
    laid.LayCells(cells);
    for (const auto& c : cells) put.PutCell(c.col, c.row, c.code);
    EXPECT_EQ(modelProblem(laid), "");
    EXPECT_EQ(SchemeBytes(laid), SchemeBytes(put));
    EXPECT_GT(laid.ElementCount(), 100);
}

TEST(SchemeFile, WhatCannotBePlacedIsSkipped) {
    Bytes b{
        200, 5,  22,   // column beyond the grid
        5,   91, 22,   // row beyond the grid
        6,   6,  150,  // code above 144
        89,  5,  22,   // square reaching past the grid
        10,  10, 22,   // kept
        11,  11, 30,   // overlaps the first: replaces it
        20,  20, 0,    // empty cell
        0,
    };
    append(b, {0, 42});
    Scheme s;
    readSchemeBytes(s, b);
    EXPECT_EQ(modelProblem(s), "");
    ASSERT_EQ(s.ElementCount(), 1);
    EXPECT_EQ(s.element(1).Code, 30);
    EXPECT_EQ(s.cell(89, 5), 0);

    // A 256th element is refused.
    Bytes many;
    for (int c = 1; c < 89; c += 2)
        for (int r = 1; r < 13; r += 2) append(many, {c, r, 17});
    append(many, {0, 0, 42});
    readSchemeBytes(s, many);
    EXPECT_EQ(s.ElementCount(), 255);
    EXPECT_EQ(modelProblem(s), "");
}

TEST(SchemeFile, ColumnZeroCannotBeStoredAndIsLeftOut) {
    Scheme s;
    ASSERT_TRUE(s.PutCell(0, 5, 22));
    ASSERT_TRUE(s.PutCell(0, 20, 5));
    ASSERT_TRUE(s.PutCell(10, 10, 30));
    s.element(2).Params[0].Value = 7;
    Scheme back;
    readSchemeBytes(back, SchemeBytes(s));
    ASSERT_EQ(back.ElementCount(), 1);
    EXPECT_EQ(back.element(1).param(0), 7);
    EXPECT_EQ(back.cell(0, 20), 0);
}

TEST(SchemeFile, HostileInputNeverBreaksTheModel) {
    const HandMade file;
    std::mt19937 random(7);
    auto below = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
    for (int round = 0; round < 2000; ++round) {
        Bytes b = file.bytes;
        switch (round % 4) {
            case 0: b.resize(below(b.size() + 1)); break;
            case 1:
                for (int k = 0; k < 1 + int(below(8)); ++k)
                    b[below(b.size())] = static_cast<std::uint8_t>(below(256));
                break;
            case 2: b.insert(b.begin() + long(below(b.size())), static_cast<std::uint8_t>(below(256))); break;
            default:
                b.resize(below(600));
                for (auto& x : b) x = static_cast<std::uint8_t>(below(256));
                break;
        }
        Scheme s;
        ASSERT_TRUE(s.PutCell(40, 80, 22));
        const Bytes before = SchemeBytes(s);
        try {
            readSchemeBytes(s, b);
        } catch (const FileError&) {
            ASSERT_EQ(SchemeBytes(s), before) << "round " << round;
            continue;
        }
        ASSERT_EQ(modelProblem(s), "") << "round " << round;
        // Whatever was read, this system writes it so that it reads back the same.
        const Bytes written = SchemeBytes(s);
        Scheme again;
        readSchemeBytes(again, written);
        ASSERT_EQ(SchemeBytes(again), written) << "round " << round;

        Scheme pasted;
        ASSERT_TRUE(pasted.PutCell(3, 3, 25));
        readBlockBytes(pasted, int(below(91)), int(below(91)), b);
        ASSERT_EQ(modelProblem(pasted), "") << "block round " << round;
    }
}

TEST(SchemeFile, LabelsFileHas255LinesAndOnlyExistsWithLabels) {
    TempDir dir;
    const fs::path shm = dir.path / "a.shm", sdf = labelsFileFor(shm);
    EXPECT_EQ(sdf.filename(), "a.sdf");
    Scheme s;
    s.Labels[2] = "two";
    s.Labels[255] = "last";
    SaveScheme(s, shm, sdf);
    const Bytes text = read(sdf);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 255);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 255);
    EXPECT_EQ(std::string(text.begin(), text.begin() + 7), "\r\ntwo\r\n");

    Scheme back;
    back.Labels[1] = "stale";
    LoadScheme(back, shm, sdf);
    EXPECT_EQ(back.Labels, s.Labels);

    // A short labels file reads its missing lines as empty; LF alone ends a line too.
    write(sdf, "one\nzwei\r\n");
    LoadScheme(back, shm, sdf);
    EXPECT_EQ(back.Labels[1], "one");
    EXPECT_EQ(back.Labels[2], "zwei");
    EXPECT_EQ(back.Labels[255], "");

    // No labels: the file is deleted, and loading without it leaves the labels alone.
    s.ClearLabels();
    SaveScheme(s, shm, sdf);
    EXPECT_FALSE(fs::exists(sdf));
    back.Labels[3] = "mine";
    LoadScheme(back, shm, sdf);
    EXPECT_EQ(back.Labels[3], "mine");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"a.shm"}));
}

// The user functions are numbered after every other element and have no record: the
// scheme file is the one a reader that sees only their faces writes, and their
// expressions go to the functions file beside it, keyed by their top-left cells.
TEST(SchemeFile, UserFunctionsAreKeptInTheFunctionsFileBesideTheScheme) {
    TempDir dir;
    const fs::path shm = dir.path / "f.shm", sdf = labelsFileFor(shm), fx = functionsFileFor(shm);
    EXPECT_EQ(fx.filename(), "f.fx");
    Scheme s;
    ASSERT_TRUE(s.PutCell(4, 5, 144));
    ASSERT_TRUE(s.PutCell(10, 5, 22));
    ASSERT_TRUE(s.PutCell(20, 20, 144));
    s.element(1).Params[0].Value = 2;
    EXPECT_EQ(s.ElementAt(10, 5)->Number, 1);
    EXPECT_EQ(s.ElementAt(4, 5)->Number, 2);
    EXPECT_EQ(s.ElementAt(20, 20)->Number, 3);
    s.ElementAt(4, 5)->ReadSideText("x^2");
    s.ElementAt(20, 20)->ReadSideText("sin(t)*x");
    s.Labels[1] = "lag";
    SaveScheme(s, shm, sdf);

    Bytes faces{4, 5, 144, 10, 5, 22, 20, 20, 144, 0};
    for (Extended v : {2, 1, 0}) appendReal(faces, v);
    append(faces, {0, 42});
    EXPECT_EQ(read(shm), faces);
    const Bytes lines = read(fx);
    EXPECT_EQ(std::string(lines.begin(), lines.end()), "4 5 x^2\r\n20 20 sin(t)*x\r\n");

    Scheme back;
    LoadScheme(back, shm, sdf);
    EXPECT_EQ(modelProblem(back), "");
    ASSERT_EQ(back.ElementCount(), 3);
    EXPECT_EQ(back.element(1).Code, 22);
    EXPECT_EQ(back.element(1).param(0), 2);
    EXPECT_EQ(back.element(2).SideText(), "x^2");
    EXPECT_EQ(back.element(3).SideText(), "sin(t)*x");
    EXPECT_EQ(back.Labels[1], "lag");
    EXPECT_EQ(storedForm(back), storedForm(s));

    // A line for a cell without a user function belongs to no block; a user function
    // without a line keeps its default; a line that is no "COLUMN ROW TEXT" is refused
    // and the scheme stays as it was.
    write(fx, "10 5 x+1\n20 20 t\n");
    LoadScheme(back, shm, sdf);
    EXPECT_EQ(back.element(2).SideText(), "x");
    EXPECT_EQ(back.element(3).SideText(), "t");
    for (const char* damaged : {"4 five x\r\n", "4 5\r\n", "x^2\r\n"}) {
        write(fx, damaged);
        EXPECT_THROW(LoadScheme(back, shm, sdf), FileError) << damaged;
        EXPECT_EQ(back.element(3).SideText(), "t");
    }

    // Without a user function there is no functions file.
    s.EraseCell(4, 5);
    s.EraseCell(20, 20);
    SaveScheme(s, shm, sdf);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"f.sdf", "f.shm"}));
}

TEST(SchemeFile, AFailedSaveKeepsThePreviousFiles) {
    TempDir dir;
    const fs::path shm = dir.path / "b.shm", sdf = dir.path / "b.sdf";
    write(shm, "previous");
    fs::create_directories(sdf / "occupied");  // the labels file cannot be replaced
    Scheme s;
    ASSERT_TRUE(s.PutCell(4, 4, 22));
    for (const char* label : {"", "x"}) {  // deleting and replacing the labels file fail
        s.Labels[1] = label;
        EXPECT_THROW(SaveScheme(s, shm, sdf), FileError);
        const Bytes kept = read(shm);
        EXPECT_EQ(std::string(kept.begin(), kept.end()), "previous");
        EXPECT_EQ(dir.names(), (std::vector<std::string>{"b.sdf", "b.shm"}));
    }
    EXPECT_THROW(SaveScheme(s, dir.path / "missing" / "c.shm", dir.path / "missing" / "c.sdf"), FileError);
}

TEST(SchemeFile, ASaveThatCannotReplaceBothFilesChangesNeither) {
    TempDir dir;
    const fs::path shm = dir.path / "c.shm", sdf = dir.path / "c.sdf";
    fs::create_directories(shm / "in the way");
    write(sdf, "old labels");
    Scheme s;
    for (const char* label : {"new", ""}) {  // the labels file replaced, or deleted
        s.Labels[1] = label;
        EXPECT_THROW(SaveScheme(s, shm, sdf), FileError);
        const Bytes kept = read(sdf);
        EXPECT_EQ(std::string(kept.begin(), kept.end()), "old labels");
    }
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"c.sdf", "c.shm"}));
}

// A labels file or a functions file of the scheme's own name would overwrite it.
TEST(SchemeFile, ASideFileThatWouldBeTheSchemeItselfIsRefused) {
    TempDir dir;
    for (const char* name : {"out.sdf", "out.fx"}) {
        const fs::path out = dir.path / name;
        write(out, "side file");
        Scheme s;
        s.Labels[1] = "one";
        ASSERT_TRUE(s.PutCell(4, 5, 144));
        EXPECT_THROW(SaveScheme(s, out, labelsFileFor(out)), FileError) << name;
        const Bytes kept = read(out);
        EXPECT_EQ(std::string(kept.begin(), kept.end()), "side file");
    }
}

TEST(SchemeFile, ALabelsFileTooLargeIsCalledALabelsFile) {
    TempDir dir;
    const fs::path shm = dir.path / "d.shm", sdf = dir.path / "d.sdf";
    SaveScheme(Scheme{}, shm, sdf);
    write(sdf, "");
    fs::resize_file(sdf, (64u << 20) + 1);  // sparse: nothing is written
    Scheme s;
    try {
        LoadScheme(s, shm, sdf);
        FAIL() << "a labels file of 64 MiB loaded";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("too large to be a labels file"), std::string::npos) << e.what();
    }
}

TEST(SchemeFile, LoadingAMissingOrForeignFileFails) {
    TempDir dir;
    Scheme s;
    ASSERT_TRUE(s.PutCell(4, 4, 22));
    EXPECT_THROW(LoadScheme(s, dir.path / "none.shm", dir.path / "none.sdf"), FileError);
    EXPECT_THROW(LoadScheme(s, dir.path, dir.path / "x.sdf"), FileError);
    write(dir.path / "bad.shm", std::string("\x05\x05\x16\x00\x01", 5));
    try {
        LoadScheme(s, dir.path / "bad.shm", dir.path / "bad.sdf");
        FAIL() << "a record cut short must not load";
    } catch (const FileError& e) { EXPECT_NE(std::string(e.what()).find("bad.shm"), std::string::npos); }
    EXPECT_EQ(s.ElementCount(), 1);
}

// A scheme that makes its own element types gets them from its readers too.
TEST(SchemeFile, ReadersMakeElementsWithTheSchemesFactory) {
    TempDir dir;
    Scheme drawn;
    velmar::testing::UseTestElements(drawn);
    ASSERT_TRUE(drawn.PutCell(4, 4, 22));
    SaveScheme(drawn, dir.path / "t.shm", dir.path / "t.sdf");
    const std::type_info& testType = typeid(drawn.element(1));
    const std::unique_ptr<Element> real = CreateElement(22);
    ASSERT_NE(testType, typeid(*real));
    Scheme loaded, copied;
    velmar::testing::UseTestElements(loaded);
    velmar::testing::UseTestElements(copied);
    LoadScheme(loaded, dir.path / "t.shm", dir.path / "t.sdf");
    readSchemeBytes(copied, SchemeBytes(drawn));
    EXPECT_EQ(typeid(loaded.element(1)), testType);
    EXPECT_EQ(typeid(copied.element(1)), testType);
}

TEST(SchemeFile, BlockFilesCoverTheWholeRectangle) {
    TempDir dir;
    const fs::path blk = dir.path / "block.tmp";
    Scheme s;
    velmar::testing::SchemeBuilder b(s);
    Element& source = b.block(33, 10, 10);
    source.Params[0].Value = 5;
    b.wire({{13, 11}, {14, 11}});
    EXPECT_FALSE(WriteBlock(s, 10, 10, 9, 12, blk));
    EXPECT_FALSE(fs::exists(blk));
    ASSERT_TRUE(WriteBlock(s, 10, 10, 14, 13, blk));  // 5 x 4 cells
    const Bytes bytes = read(blk);
    EXPECT_EQ(bytes[20 * 3], 0);  // the terminator after 20 triples
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 6), (Bytes{1, 1, 33, 1, 2, 0}));
    // Then every element's record, the block's own records with their length and mark.
    EXPECT_EQ(bytes.size(), 20 * 3 + 1 + 6u + 6u + 4u + 8u);

    ReadBlock(s, 40, 20, blk);
    EXPECT_EQ(modelProblem(s), "");
    ASSERT_EQ(s.ElementCount(), 2);
    EXPECT_EQ(s.element(2).Col, 40);
    EXPECT_EQ(s.element(2).param(0), 5);  // pasted blocks get the parameters the file holds
    EXPECT_EQ(s.cell(43, 21), 5);
    EXPECT_EQ(s.cell(44, 21), 1);
    EXPECT_EQ(s.mark.left, 40);
    EXPECT_EQ(s.mark.right, 44);
    EXPECT_EQ(s.mark.bottom, 23);

    // The target area is cleared first; what runs past the grid is dropped.
    ReadBlock(s, 88, 89, blk);
    EXPECT_EQ(s.cell(88, 89), 0);
    EXPECT_EQ(s.mark.right, 90);
    EXPECT_EQ(modelProblem(s), "");
    ReadBlock(s, 9, 9, blk);  // overlaps the original block: it is replaced
    EXPECT_EQ(s.ElementAt(9, 9)->Col, 9);
    EXPECT_EQ(s.cell(12, 12), 0);
    EXPECT_EQ(modelProblem(s), "");
}

// A block file keeps the layout other readers know (cells, terminator, the record of
// every element of the scheme) and after it gives its own blocks their parameters; its
// labels file beside it numbers the block's own elements.
TEST(SchemeFile, BlockFilesBringBackTheParametersAndLabelsOfTheirBlocks) {
    TempDir dir;
    const fs::path blk = dir.path / "block.shm";
    Scheme s;
    velmar::testing::SchemeBuilder b(s);
    Element& outside = b.block(22, 2, 2);
    Element& lag = b.block(22, 20, 10);
    lag.Params[0].Value = 2.5L;
    lag.Params[1].Value = 0.75L;
    Element& gain = b.block(30, 20, 20);
    gain.Params[0].Value = 4;
    s.Labels[outside.Number] = "outside";
    s.Labels[lag.Number] = "plant";
    s.Labels[gain.Number] = "gain";
    ASSERT_TRUE(WriteBlock(s, 18, 8, 26, 24, blk));

    Bytes layout;
    for (int c = 18; c <= 26; ++c)
        for (int r = 8; r <= 24; ++r) append(layout, {c - 17, r - 7, s.IsBlockCorner(c, r) ? s.cell(c, r) : 0});
    layout.push_back(0);
    ByteWriter records;
    for (const auto& e : s.ElementList()) e->WriteParameters(records);
    layout.insert(layout.end(), records.bytes().begin(), records.bytes().end());
    const Bytes bytes = read(blk);
    ASSERT_GT(bytes.size(), layout.size());
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + long(layout.size())), layout);

    Scheme into;
    ASSERT_TRUE(into.PutCell(1, 40, 22));
    ReadBlock(into, 50, 30, blk);
    ASSERT_EQ(into.ElementCount(), 3);
    const Element* pastedLag = into.ElementAt(52, 32);
    const Element* pastedGain = into.ElementAt(52, 42);
    ASSERT_TRUE(pastedLag && pastedGain);
    EXPECT_EQ(pastedLag->Params[0].Value, Real48(2.5L));
    EXPECT_EQ(pastedLag->Params[1].Value, Real48(0.75L));
    EXPECT_EQ(pastedGain->param(0), 4);
    EXPECT_EQ(into.Labels[1], "");
    EXPECT_EQ(into.Labels[pastedLag->Number], "plant");
    EXPECT_EQ(into.Labels[pastedGain->Number], "gain");
    EXPECT_EQ(modelProblem(into), "");

    // Without labels the labels file goes.
    s.ClearLabels();
    ASSERT_TRUE(WriteBlock(s, 18, 8, 26, 24, blk));
    EXPECT_FALSE(fs::exists(labelsFileFor(blk)));
}

TEST(SchemeFile, BlockFilesWithoutTheirBlocksRecordsGiveDefaultsAndDamagedOnesChangeNothing) {
    Scheme s;
    velmar::testing::SchemeBuilder b(s);
    b.block(22, 10, 10).Params[0].Value = 3;
    const Bytes whole = blockBytes(s, 10, 10, 12, 12);
    const std::size_t oldLayout = 9 * 3 + 1 + 18;  // cells, terminator, every element's record
    ASSERT_EQ(whole.size(), oldLayout + 18 + 12);

    Scheme older;
    readBlockBytes(older, 5, 5, Bytes(whole.begin(), whole.begin() + long(oldLayout)), std::vector<std::string>{"lag"});
    ASSERT_EQ(older.ElementCount(), 1);
    EXPECT_EQ(older.element(1).param(0), 1);
    EXPECT_EQ(older.Labels[1], "lag");

    // Lengths that cut the record short, leave bytes over, reach back into the cells.
    for (const int length : {17, 24, 200}) {
        Bytes damaged = whole;
        damaged[whole.size() - 12] = static_cast<std::uint8_t>(length);
        Scheme target;
        ASSERT_TRUE(target.PutCell(40, 40, 30));
        const Bytes before = SchemeBytes(target);
        EXPECT_THROW(readBlockBytes(target, 5, 5, damaged), FileError);
        EXPECT_EQ(SchemeBytes(target), before);
    }
}

TEST(DemoScheme, IsAClosedLoopWithRecorderAndAnalysisBlock) {
    Scheme s;
    const fs::path shm = fs::path(VELMAR_DATA_DIR) / "Schemes" / "demo.shm";
    LoadScheme(s, shm, labelsFileFor(shm));
    EXPECT_EQ(modelProblem(s), "");
    std::vector<int> codes;
    for (const auto& e : s.ElementList()) codes.push_back(e->Code);
    EXPECT_EQ(codes, (std::vector<int>{33, 18, 25, 22, 27, 62, 60}));
    const Element& node = s.element(2);
    EXPECT_EQ(s.cell(node.Col, node.Row + 1), 3);  // the feedback enters from below
    EXPECT_EQ(s.cell(node.Col - 1, node.Row), 1);
    EXPECT_FALSE(s.Labels[1].empty());
    EXPECT_FALSE(s.SchemeComment.empty());
}
