#include "core/shell/test_schemes.h"

#include <algorithm>
#include <charconv>

namespace velmar {

namespace {

// A missing "Prm" reads as this text, which stands for the full height.
constexpr std::string_view kMissingPercent = "Empty";
constexpr int kFullPercent = 100;

const std::vector<TestScheme>& table() {
    static const std::vector<TestScheme> schemes = {
        {"aperiodic.sht", {22}},
        {"der_real.sht", {23}},
        {"el_1_1_3(1_4_1,1_4_2).sht", {24, 31, 32}},
        {"el_1_2_1(1_2_3,1_3_2).sht", {25, 27, 29}},
        {"el_1_2_2.sht", {26}},
        {"el_1_3_1.sht", {28}},
        {"amplific.sht", {30}},
        {"Nelin.sht", {38, 65, 68, 69}},
        {"ImpZp.sht", {39, 64}},
        {"Signum.sht", {43, 80}},
        {"Luft.sht", {45}},
        {"optim.sht", {47}},
        {"acp.sht", {48, 52, 53}},
        {"Integ10.sht", {50, 51}},
        {"Selector.sht", {54, 55, 56, 57, 58, 59, 136}},
        {"Rele1.sht", {66}},
        {"OgrRzn.sht", {67, 70}},
        {"Rl_Gs.sht", {71}},
        {"Rele3.sht", {72}},
        {"stepennaia.sht", {75}},
        {"cuantovateli.sht", {76}},
        {"el_4_3_3(4_4_1).sht", {78, 123, 124}},
        {"Parab3.sht", {79}},
        {"comutator.sht", {81}},
        {"ASME2.sht", {83}},
        {"Compar.sht", {84, 106, 111}},
        {"SnCn.sht", {85, 86}},
        {"Tg.sht", {87, 88}},
        {"Lexp.sht", {89, 90}},
        {"Ynorx.sht", {91, 95}},
        {"YandX.sht", {92}},
        {"Yorx.sht", {93}},
        {"ine.sht", {94}},
        {"Xor.sht", {96}},
        {"MxMn.sht", {100, 101}},
        {"Comutator1.sht", {125}},
        {"Comutator2.sht", {126}},
        {"RS_trig.sht", {127}},
        {"T_trigTest.sht", {129}},
        {"D_trigTest.sht", {132}},
        {"RCStr.sht", {133}},
        {"D_TTrig.sht", {135}},
        // The user function has a face but no element type; its scheme file is named
        // without an extension.
        {"Functia polizovatelea", {144}},
    };
    return schemes;
}

int percentOf(std::string_view text) {
    int percent = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), percent);
    if (text == kMissingPercent || error != std::errc{} || end != text.data() + text.size() || percent <= 0)
        return kFullPercent;
    return percent;
}

}  // namespace

std::span<const TestScheme> testSchemes() { return table(); }

const TestScheme* testSchemeFor(int code) {
    const std::vector<TestScheme>& schemes = table();
    const auto it = std::find_if(schemes.begin(), schemes.end(), [code](const TestScheme& t) {
        return std::find(t.types.begin(), t.types.end(), code) != t.types.end();
    });
    return it == schemes.end() ? nullptr : &*it;
}

bool offersTestScheme(int code) {
    // clang-format off
    constexpr struct {
        int first, last;
    } kOffered[] = {{22, 33}, {38, 45}, {47, 48}, {50, 59}, {64, 64}, {75, 76}, {78, 81},
                    {83, 96}, {100, 101}, {106, 106}, {111, 111}, {123, 137}};
    // clang-format on
    for (const auto& r : kOffered)
        if (code >= r.first && code <= r.last) return true;
    return testSchemeFor(code) != nullptr;
}

std::string_view descriptionFile(NameSet names) {
    return names == NameSet::Romanian ? "Descriere.dts" : "Descript.dts";
}

std::string_view descriptionMissingText(NameSet names) {
    return names == NameSet::Romanian ? "Fisierul \"Descriere.dts\" nu se gaseste !"
                                      : "Файл \"Descript.dts\" не найден !";
}

TestDescription describeTest(const IniFile& descriptions, std::string_view testFile) {
    TestDescription d;
    d.heading = descriptions.readString(testFile, "TF1", "");
    d.text = descriptions.readString(testFile, "TF", "");
    d.percent = percentOf(descriptions.readString(testFile, "Prm", kMissingPercent));
    return d;
}

}  // namespace velmar
