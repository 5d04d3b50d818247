#include <gtest/gtest.h>

#include "core/blocks/linear.h"
#include "core/blocks/sources.h"
#include "core/model/bytes.h"
#include "core/model/catalogue.h"
#include "core/model/compiled.h"
#include "core/model/element.h"

using namespace velmar;

namespace {

std::vector<std::uint8_t> record(const Element& e) {
    ByteWriter out;
    e.WriteParameters(out);
    return out.bytes();
}

// Codes whose records hold counts and are laid out by their own type.
bool ownLayout(int code) { return code == 28 || code == 46 || code == 118; }

}  // namespace

TEST(ElementBase, EveryCodeIsCreatedWithItsCatalogueDefaults) {
    for (int code = 0; code <= 255; ++code) {
        const auto e = CreateElement(static_cast<std::uint8_t>(code));
        if (code < 17 || code > 144) {
            EXPECT_EQ(e, nullptr) << code;
            continue;
        }
        ASSERT_NE(e, nullptr) << code;
        EXPECT_EQ(e->Code, code);
        EXPECT_EQ(e->TypeCode(), code == 46 ? 28 : code);
        EXPECT_EQ(e->Output, Real48(0));
        for (Element* in : e->Inputs) EXPECT_EQ(in, nullptr);
        if (ownLayout(code)) continue;
        const BlockInfo& info = blockInfo(code);
        ASSERT_EQ(e->Params.size(), info.params.size()) << code;
        for (size_t i = 0; i < info.params.size(); ++i) {
            EXPECT_EQ(e->Params[i].Value, Real48(info.params[i].defaultValue)) << code << " " << i;
            EXPECT_EQ(e->Params[i].Name, info.params[i].storedName) << code;
            EXPECT_FALSE(e->Params[i].Varied);
        }
    }
    // A few stored names that differ from their dialog labels.
    EXPECT_EQ(CreateElement(22)->Params[2].Name, "Nu");
    EXPECT_EQ(CreateElement(27)->Params[0].Name, "k");
    EXPECT_EQ(CreateElement(34)->Params[0].Name, "Amplitude");
    EXPECT_EQ(CreateElement(40)->Params[2].Name, "Decr");
    EXPECT_EQ(CreateElement(80)->Params[2].Name, "Nu");
}

TEST(ElementBase, RecordsHoldTheValuesInFileOrderAndReadBack) {
    for (int code = 17; code <= 144; ++code) {
        if (ownLayout(code)) continue;
        const auto e = CreateElement(static_cast<std::uint8_t>(code));
        for (size_t i = 0; i < e->Params.size(); ++i)
            e->Params[i].Value = code + 0.125L * static_cast<Extended>(i + 1);
        ByteWriter want;
        for (int i : blockInfo(code).fileOrder) want.real(e->Params[static_cast<size_t>(i)].Value);
        const std::vector<std::uint8_t> bytes = record(*e);
        ASSERT_EQ(bytes, want.bytes()) << code;

        const auto back = CreateElement(static_cast<std::uint8_t>(code));
        ByteReader in(bytes);
        back->ReadParameters(in);
        EXPECT_TRUE(in.atEnd()) << code;
        EXPECT_EQ(record(*back), bytes) << code;
        for (int i : blockInfo(code).fileOrder)
            EXPECT_EQ(back->Params[static_cast<size_t>(i)].Value, e->Params[static_cast<size_t>(i)].Value)
                << code;
    }
    // Values the file does not hold keep their defaults: the ramp's initial value, the
    // exponential function's K.
    auto ramp = CreateElement(37);
    ramp->Params[1].Value = 5;
    EXPECT_EQ(record(*ramp).size(), 6u);
    EXPECT_TRUE(record(*CreateElement(89)).empty());
    EXPECT_TRUE(record(*CreateElement(17)).empty());
    // The user function's expression is no record: it is kept beside the scheme file.
    auto function = CreateElement(144);
    function->ReadSideText("x^2");
    EXPECT_TRUE(record(*function).empty());
    EXPECT_EQ(function->SideText(), "x^2");
}

TEST(ElementBase, RandomInputStoresItsScale) {
    auto e = CreateElement(35);
    e->Params[0].Value = 65535 * 2;  // R
    e->Params[1].Value = 2;          // its scale
    const auto bytes = record(*e);
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{130, 0, 0, 0, 0, 0}));
    auto back = CreateElement(35);
    ByteReader in(bytes);
    back->ReadParameters(in);
    EXPECT_EQ(back->param(0), 65535 * 2);
}

TEST(ElementBase, PolynomialLinkRecordHasDegreesThenCoefficients) {
    for (int code : {28, 46}) {
        auto e = CreateElement(static_cast<std::uint8_t>(code));
        auto& link = dynamic_cast<PolynomialLink&>(*e);
        EXPECT_EQ(link.entry.A, Polynomial{1});
        EXPECT_EQ(link.entry.B, Polynomial{1});
        link.entry.A = Polynomial{2, 3};
        link.entry.B = Polynomial{4, 5, 1};
        link.entry.initialA = {Real48(7), Real48(7)};
        link.entry.initialB = {Real48(7), Real48(7), Real48(7)};
        ByteWriter want;
        want.byte(1);
        want.byte(2);
        for (Extended v : {2, 3, 4, 5, 1}) want.real(v);
        const auto bytes = record(*e);
        ASSERT_EQ(bytes, want.bytes());

        auto back = CreateElement(static_cast<std::uint8_t>(code));
        ByteReader in(bytes);
        back->ReadParameters(in);
        const auto& read = dynamic_cast<PolynomialLink&>(*back).entry;
        EXPECT_EQ(read.A, link.entry.A);
        EXPECT_EQ(read.B, link.entry.B);
        EXPECT_EQ(read.initialB, (std::vector<Real48>(3)));  // initial values are not stored

        // A record cut short leaves the element as it was.
        std::vector<std::uint8_t> cut(bytes.begin(), bytes.end() - 1);
        ByteReader short_(cut);
        EXPECT_THROW(back->ReadParameters(short_), FileError);
        EXPECT_EQ(dynamic_cast<PolynomialLink&>(*back).entry.B, link.entry.B);
        EXPECT_EQ(dynamic_cast<PolynomialLink&>(*back).entry.initialA.size(), 2u);
    }
}

TEST(ElementBase, PolynomialSignalRecordIsA0ThenDegreeThenTheRest) {
    auto e = CreateElement(118);
    auto& signal = dynamic_cast<PolynomialSignal&>(*e);
    EXPECT_EQ(record(*e),
              (std::vector<std::uint8_t>{129, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));  // a0 = 1, n = 0
    signal.setDegree(2);
    signal.Params[1].Value = 0.5L;
    signal.Params[2].Value = 2;
    signal.Params[3].Value = -1;
    ByteWriter want;
    for (Extended v : {0.5L, 2.0L, 2.0L, -1.0L}) want.real(v);
    const auto bytes = record(*e);
    ASSERT_EQ(bytes, want.bytes());

    auto back = CreateElement(118);
    ByteReader in(bytes);
    back->ReadParameters(in);
    ASSERT_EQ(dynamic_cast<PolynomialSignal&>(*back).degree(), 2);
    EXPECT_EQ(record(*back), bytes);

    // A degree outside 0..255 or a record cut short is an error and changes nothing.
    // -0.5 rounds away from zero to -1, so it is outside too.
    for (Extended degree : {256.0L, 255.5L, -0.5L, -1.0L}) {
        ByteWriter bad;
        bad.real(1);
        bad.real(degree);
        ByteReader badIn(bad.bytes());
        EXPECT_THROW(back->ReadParameters(badIn), FileError) << degree;
    }
    std::vector<std::uint8_t> cut(bytes.begin(), bytes.end() - 6);
    ByteReader cutIn(cut);
    EXPECT_THROW(back->ReadParameters(cutIn), FileError);
    EXPECT_EQ(record(*back), bytes);
}

namespace {

// N elements of the given codes with a hand-filled link matrix.
struct Linked {
    std::vector<std::unique_ptr<Element>> owned;
    CompiledScheme compiled;

    explicit Linked(std::vector<int> codes) {
        compiled.N = static_cast<int>(codes.size());
        compiled.Elements.push_back(nullptr);
        for (int code : codes) {
            owned.push_back(CreateElement(static_cast<std::uint8_t>(code)));
            owned.back()->Number = static_cast<std::uint8_t>(owned.size());
            compiled.Elements.push_back(owned.back().get());
        }
        compiled.LinkMatrix.assign(codes.size() + 1, std::vector<std::uint8_t>(codes.size() + 1, 0));
    }
    void link(int from, int to, std::uint8_t value = 1) {
        compiled.LinkMatrix[size_t(from)][size_t(to)] = value;
    }
    Element* at(int n) const { return compiled.Elements[size_t(n)]; }
    // The inputs of element n after binding, as element numbers (0 for none).
    std::vector<int> bound(int n) const {
        at(n)->BindInputs(n, compiled);
        std::vector<int> out;
        for (Element* in : at(n)->Inputs) out.push_back(in ? in->Number : 0);
        return out;
    }
};

using Inputs = std::vector<int>;

}  // namespace

TEST(ElementBase, BindingFollowsTheInputKind) {
    // Elements 1..8 feed element 9 in the ways the rows set; the code of 9 varies.
    struct Row {
        int code;
        std::vector<std::pair<int, int>> links;  // feeder, link value
        Inputs want;
    };
    const Row rows[] = {
        {22, {}, {0, 0, 0, 0, 0, 0, 0}},
        {22, {{2, 1}, {5, 1}, {3, 1}}, {5, 0, 0, 0, 0, 0, 0}},  // the highest feeder
        {17, {{5, 1}, {2, 1}}, {2, 5, 0, 0, 0, 0, 0}},
        {21, {{7, 1}, {1, 1}, {4, 1}, {6, 1}}, {1, 4, 6, 0, 0, 0, 0}},  // a fourth is ignored
        {62, {{3, 1}}, {3, 0, 0, 0, 0, 0, 0}},
        {18, {{5, 2}, {2, 1}}, {5, 2, 0, 0, 0, 0, 0}},
        {19, {{1, 2}, {6, 2}, {4, 1}, {3, 1}}, {6, 3, 4, 0, 0, 0, 0}},  // the highest subtracted
        {18, {{4, 1}, {2, 1}}, {0, 2, 4, 0, 0, 0, 0}},
        {20, {{1, 1}, {8, 1}, {6, 2}, {2, 2}}, {8, 2, 6, 0, 0, 0, 0}},
        {136, {{8, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}}, {1, 2, 3, 4, 5, 6, 7}},
    };
    for (const Row& row : rows) {
        Linked l({33, 30, 30, 30, 30, 30, 30, 30, row.code});
        for (auto [from, value] : row.links) l.link(from, 9, static_cast<std::uint8_t>(value));
        l.link(9, 1);  // links out of 9 do not matter
        EXPECT_EQ(l.bound(9), row.want) << "code " << row.code;
    }
}

TEST(ElementBase, RebindingForgetsOldInputs) {
    Linked l({30, 30, 17});
    l.link(1, 3);
    l.link(2, 3);
    EXPECT_EQ(l.bound(3), (Inputs{1, 2, 0, 0, 0, 0, 0}));
    l.link(1, 3, 0);
    EXPECT_EQ(l.bound(3), (Inputs{2, 0, 0, 0, 0, 0, 0}));
}

TEST(ElementBase, RegisteringRenamesToTheElementNumber) {
    auto e = CreateElement(22);
    e->Params[0].Name = "K12";
    e->Params[0].Varied = true;
    e->Params[2].Varied = true;
    e->Number = 3;
    TunedParameters tuned;
    e->RegisterParameters(tuned);
    ASSERT_EQ(tuned.list.size(), 2u);
    EXPECT_EQ(tuned.list[0].param, &e->Params[0]);
    EXPECT_EQ(tuned.list[1].element, e.get());
    EXPECT_EQ(e->Params[0].Name, "K3");
    EXPECT_EQ(e->Params[1].Name, "T");  // not varied: untouched
    EXPECT_EQ(e->Params[2].Name, "Nu3");
    // Registering again never accumulates digits.
    e->Number = 127;
    e->RegisterParameters(tuned);
    EXPECT_EQ(e->Params[0].Name, "K127");
    e->Number = 7;
    e->RegisterParameters(tuned);
    EXPECT_EQ(e->Params[0].Name, "K7");
    // A full list takes nothing more and renames nothing.
    TunedParameters full;
    full.limit = 1;
    auto f = CreateElement(22);
    f->Number = 9;
    f->Params[0].Varied = f->Params[1].Varied = true;
    f->RegisterParameters(full);
    EXPECT_EQ(full.list.size(), 1u);
    EXPECT_EQ(f->Params[0].Name, "K9");
    EXPECT_EQ(f->Params[1].Name, "T");
}

TEST(ElementBase, ParametersAreFoundByTheirDialogLabel) {
    auto pi = CreateElement(25);  // "T", "H y"
    EXPECT_EQ(parameterByLabel(*pi, "H y").param, &pi->Params[1]);
    EXPECT_EQ(parameterByLabel(*pi, " T ").param, &pi->Params[0]);
    EXPECT_TRUE(parameterByLabel(*pi, "T").markable);
    EXPECT_EQ(parameterByLabel(*pi, "Nu").param, nullptr);  // the stored name is not a row label
    auto random = CreateElement(35);  // "R" cannot be marked; "Scale" is hidden
    EXPECT_FALSE(parameterByLabel(*random, "R").markable);
    EXPECT_EQ(parameterByLabel(*random, "Scale").param, nullptr);
}
