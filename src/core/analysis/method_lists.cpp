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
         {{"W(jw)", MethodCode::Hodograph},
          {"A(w)", MethodCode::Amplitude},
          {"20Lg(A)", MethodCode::LogAmplitude},
          {"Fi(w)", MethodCode::Phase},
          {"Re", MethodCode::Real},
          {"Im", MethodCode::Imaginary}}},
        {MethodList::Stability,
         MethodGroup::Stability,
         {{"Rauth method", MethodCode::Routh},
          {"Gurvitz method", MethodCode::Hurwitz},
          {"Nykvist method", MethodCode::Nyquist},
          {"Mikhailov method", MethodCode::Mikhailov},
          {"Modif Godograf Popova", MethodCode::ModifiedPopov},
          {"D - Composition", MethodCode::DDecomposition}}},
        {MethodList::Quality, MethodGroup::Quality, {{"Error coeficients", MethodCode::errorCoefficients}}},
        {MethodList::Regulators,
         MethodGroup::Other,
         {{"  P      -regulator", MethodCode::PRegulator},
          {"  PI     -regulator", MethodCode::PiRegulator},
          {"  PID  -regulator ", MethodCode::PidRegulator}}},
        {MethodList::Other, MethodGroup::None, {{"Coefficients by roots", MethodCode::coefficientsByRoots}}},
        {MethodList::Synthesis,
         MethodGroup::Synthesis,
         {{"Roots animation", MethodCode::rootsAnimation},
          {"Square integral estimation", MethodCode::squareIntegralEstimation},
          {"Sintez of the regulator", MethodCode::TwoRegulators}}},
        {MethodList::RootsDisplay,
         MethodGroup::None,
         {{"Full page of roots", MethodCode::RootsFullPage},
          {"Roots \"one by one\"", MethodCode::RootsOneByOne},
          {"Roots with overlaying", MethodCode::RootsOverlaid}}},
        {MethodList::FunctionalMinimisation,
         MethodGroup::None,
         {{"Coeff.of I -> min using Coeff(D(s))", MethodCode::MinimiseByCoefficients},
          {"Coeff.of I -> min using Roots(D(s))", MethodCode::MinimiseByRoots},
          {"Coeff.of I -> min using Curr.(D(s))", MethodCode::MinimiseByCurrent}}},
        {MethodList::Roots,
         MethodGroup::Root,
         {{"Chislitel", MethodCode::RootsNumerator},
          {"Znamenatel", MethodCode::RootsDenominator},
          {"Roots field chislitel", MethodCode::RootsFieldNumerator},
          {"Roots field znamenatel", MethodCode::RootsFieldDenominator},
          {"Roots field c & z simultaneously", MethodCode::RootsBoth}}},
        {MethodList::Harmonic,
         MethodGroup::None,
         {{"W( +s+ )", MethodCode::HarmonicFrequency}, {"A  ( +s+ )", MethodCode::HarmonicAmplitude}}},
    };
    return rows;
}

}  // namespace

const std::vector<MethodItem>& methodItems(MethodList list) {
    for (const ListRow& row : lists())
        if (row.list == list) return row.items;
    static const std::vector<MethodItem> none;
    return none;
}

bool listForGroup(MethodGroup group, MethodList& list) {
    for (const ListRow& row : lists())
        if (row.group != MethodGroup::None && row.group == group) {
            list = row.list;
            return true;
        }
    return false;
}

MethodGroup groupForCode(MethodCode code) {
    for (const ListRow& row : lists())
        for (const MethodItem& item : row.items)
            if (item.code == code && row.group != MethodGroup::None) return row.group;
    // Codes of the secondary lists belong to the synthesis group's methods.
    return MethodGroup::Synthesis;
}

std::string captionOfCode(MethodCode code) {
    for (const ListRow& row : lists())
        for (const MethodItem& item : row.items)
            if (item.code == code) return item.caption;
    return {};
}

}  // namespace velmar
