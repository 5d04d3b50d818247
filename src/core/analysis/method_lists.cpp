#include "core/analysis/method_lists.h"

namespace velmar {

namespace {

struct ListRow {
    MethodList list;
    MethodGroup group;  // the method group that shows it; None for secondary lists
    std::vector<MethodItem> items;
};

const std::vector<ListRow>& lists() {
    static const std::vector<ListRow> rows = {
        {MethodList::Characteristics,
         MethodGroup::Character,
         {{"W(jw)", 51}, {"A(w)", 52}, {"20Lg(A)", 53}, {"Fi(w)", 54}, {"Re", 55}, {"Im", 56}}},
        {MethodList::Stability,
         MethodGroup::Stability,
         {{"Rauth method", kCodeRouth},
          {"Gurvitz method", kCodeHurwitz},
          {"Nykvist method", kCodeNyquist},
          {"Mikhailov method", kCodeMikhailov},
          {"Modif Godograf Popova", kCodeModifiedPopov},
          {"D - Composition", kCodeDDecomposition}}},
        {MethodList::Quality, MethodGroup::Quality, {{"Error coeficients", kCodeErrorCoefficients}}},
        {MethodList::Regulators,
         MethodGroup::Other,
         {{"  P      -regulator", 1979}, {"  PI     -regulator", 1980}, {"  PID  -regulator ", 1981}}},
        {MethodList::Other, MethodGroup::None, {{"Coefficients by roots", kCodeCoefficientsByRoots}}},
        {MethodList::Synthesis,
         MethodGroup::Synthesis,
         {{"Roots animation", 311},
          {"Square integral estimation", kCodeSquareIntegralEstimation},
          {"Sintez of the regulator", 341}}},
        {MethodList::RootsDisplay,
         MethodGroup::None,
         {{"Full page of roots", 103}, {"Roots \"one by one\"", 104}, {"Roots with overlaying", 105}}},
        {MethodList::FunctionalMinimisation,
         MethodGroup::None,
         {{"Coeff.of I -> min using Coeff(D(s))", 106},
          {"Coeff.of I -> min using Roots(D(s))", 107},
          {"Coeff.of I -> min using Curr.(D(s))", 108}}},
        {MethodList::Roots,
         MethodGroup::Root,
         {{"Chislitel", kCodeRootsNumerator},
          {"Znamenatel", kCodeRootsDenominator},
          {"Roots field chislitel", kCodeRootsFieldNumerator},
          {"Roots field znamenatel", kCodeRootsFieldDenominator},
          {"Roots field c & z simultaneously", kCodeRootsBoth}}},
        {MethodList::Harmonic, MethodGroup::None, {{"W( +s+ )", 41}, {"A  ( +s+ )", 42}}},
    };
    return rows;
}

}  // namespace

const std::vector<MethodItem>& MethodItems(MethodList list) {
    for (const ListRow& row : lists())
        if (row.list == list) return row.items;
    static const std::vector<MethodItem> none;
    return none;
}

bool ListForGroup(MethodGroup group, MethodList& list) {
    for (const ListRow& row : lists())
        if (row.group != MethodGroup::None && row.group == group) {
            list = row.list;
            return true;
        }
    return false;
}

MethodGroup GroupForCode(int code) {
    for (const ListRow& row : lists())
        for (const MethodItem& item : row.items)
            if (item.code == code && row.group != MethodGroup::None) return row.group;
    // Codes of the secondary lists belong to the synthesis group's methods.
    return MethodGroup::Synthesis;
}

std::string CaptionOfCode(int code) {
    for (const ListRow& row : lists())
        for (const MethodItem& item : row.items)
            if (item.code == code) return item.caption;
    return {};
}

}  // namespace velmar
