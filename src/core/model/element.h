// Element: one node (codes 17..21) or block (22..144) of a scheme.
//
// An element has a small common header (Output, Col, Row, Code, Number, its input
// links), its parameters (one ParamRec each, from the catalogue) and type-specific
// working fields. Its behaviour is given by twenty virtual operations in a fixed slot
// order; a type overrides only what it needs, the rest keeps the base behaviour.
//
//  #  operation             called by                                     base behaviour
//  0  ReleaseResults        the driver before a new run, on out-of-memory   nothing (recorders free
//                           and instability; element destruction            their arrays)
//  1  ShowResults           the driver after every run, numbering order     nothing (recorders draw
//                                                                           their thumbnail)
//  2  BindInputs(n)         compilation, numbering order                    fill the input slots from
//                                                                           column n of LinkMatrix by
//                                                                           the code's InputKind
//  3  EditParameters        Run regime (Enter on the block), the parameter  the common value dialog
//                           grid                                            over the catalogue rows
//                                                                           (60: the Solve operation,
//                                                                           via the run context)
//  4  SetDefaults           creation, once                                  catalogue defaults
//  5  Advance               constant-step run, once per time point, in      nothing
//                           CalcOrder; variable-step right-hand side for
//                           elements without states
//  6  LoadState(k, y)       variable-step right-hand side                   nothing
//  7  Derivatives(k, y, dy) variable-step right-hand side, after every      nothing
//                           LoadState/Advance
//  8  Numerator             analysis (reduction to W(s))                    the polynomial 1
//  9  Denominator           analysis; variable-step run (its order is the   the polynomial 1
//                           element's number of states)
// 10  InitRun               before the time loop, in CalcOrder              Output := 0
// 11  RegisterParameters    optimisation, synthesis, regime block, D-decomp append every Varied
//                                                                           parameter, renamed to its
//                                                                           digit-free name + Number
// 12  FinishRun             after a run, in CalcOrder (may come twice)      nothing
// 13  AllocateResults       before a run, numbering order                   nothing (recorders allocate
//                                                                           and may raise OutOfMemory)
// 14  WriteParameters       scheme writer                                   the catalogue's file order
// 15  ListParameters        parameter grid                                  one row per parameter
// 16  ReadParameters        scheme reader                                   the catalogue's file order
// 17  DescribingGain(A)     harmonic linearisation                          0 (45, 67..72 implement it)
// 18  OscillationAmplitude  harmonic linearisation                          0 (66..70 implement it)
// 19  TypeCode              the Run-regime dispatcher                       Code
//
// Advance reads its feeders' Output through Input()/Inputs; a missing input contributes
// nothing (single-input types leave Output unchanged). Run settings and state (Step,
// StepIndex, PointCount, Time), the host and the rest an operation may need come from
// the run context passed in (run_context.h).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/catalogue.h"
#include "core/model/polynomial.h"
#include "core/real48.h"

namespace velmar {

class Host;
class ByteReader;
class ByteWriter;
struct CompiledScheme;
class RunContext;

struct ParamRec {
    Real48 Value;
    bool Varied = false;  // the "Mark" check box: takes part in optimisation or synthesis
    std::string Name;     // short name shown in lists, e.g. "K", "Nu"
};

// A parameter's name in lists of tuned or marked parameters: its name without digits,
// followed by the element's number ("K" of element 3 is "K3"), at most 254 characters.
std::string numberedParameterName(const std::string& name, int number);

class Element;

// The tuned-parameter list filled by RegisterParameters; `limit` is the most it takes.
struct TunedParameter {
    ParamRec* param;
    Element* element;
};
struct TunedParameters {
    std::vector<TunedParameter> list;
    std::size_t limit = 255;
    bool add(ParamRec& p, Element& e) {
        if (list.size() >= limit) return false;
        list.push_back({&p, &e});
        return true;
    }
};

// Rows added to the parameter grid by ListParameters: the label of the parameter's
// dialog row and the value in general format (9 significant digits, 4 exponent digits).
struct ParameterRow {
    std::string name;
    std::string value;
};

// The state vectors of the variable-step run: index 1..n used.
using StateVector = std::vector<Real48>;

inline constexpr int kMaxInputs = 7;

class Element {
public:
    explicit Element(std::uint8_t code);
    virtual ~Element();
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;

    // --- the twenty operations, in slot order ---
    virtual void ReleaseResults();                                         // 0
    virtual void ShowResults(RunContext& ctx);                             // 1
    virtual void BindInputs(int n, const CompiledScheme& compiled);        // 2
    virtual void EditParameters(RunContext& ctx);                          // 3
    virtual void SetDefaults();                                            // 4
    virtual void Advance(RunContext& ctx);                                 // 5
    virtual void LoadState(int k, const StateVector& y, RunContext& ctx);  // 6
    virtual void Derivatives(int k, const StateVector& y, StateVector& dy,
                             RunContext& ctx);                                        // 7
    virtual Polynomial Numerator() const;                                             // 8
    virtual Polynomial Denominator() const;                                           // 9
    virtual void InitRun(RunContext& ctx);                                            // 10
    virtual void RegisterParameters(TunedParameters& tuned);                          // 11
    virtual void FinishRun(RunContext& ctx);                                          // 12
    virtual void AllocateResults(RunContext& ctx);                                    // 13
    virtual void WriteParameters(ByteWriter& out) const;                              // 14
    virtual void ListParameters(std::vector<ParameterRow>& rows) const;               // 15
    virtual void ReadParameters(ByteReader& in);                                      // 16
    virtual Extended DescribingGain(Extended amplitude) const;                        // 17
    virtual Extended OscillationAmplitude(Extended x, Extended y, Host& host) const;  // 18
    virtual std::uint8_t TypeCode() const;                                            // 19

    // Beyond the twenty: the text a block kept beside the scheme file holds (the user
    // function's expression, 144), one line; every other type has none and reads none.
    virtual std::string SideText() const;
    virtual void ReadSideText(std::string_view text);

    // --- header ---
    Real48 Output;
    std::uint8_t Col = 0;
    std::uint8_t Row = 0;
    std::uint8_t Code;
    std::uint8_t Number = 0;
    std::array<Element*, kMaxInputs> Inputs{};  // Inputs[0] is the single Input
    std::vector<ParamRec> Params;               // catalogue order, hidden values last

    Element* Input() const { return Inputs[0]; }
    const BlockInfo& info() const { return blockInfo(Code); }
    // The value of parameter i (catalogue row order), loaded.
    Extended param(int i) const { return Params[static_cast<std::size_t>(i)].Value; }
    bool isSelector() const { return info().isSelector(); }

protected:
    // The dialog of the catalogue rows; true when confirmed (or applied from the grid).
    bool editCatalogueParameters(RunContext& ctx);
};

// The parameter of an element's catalogue dialog whose row label is `label` (blanks
// around either are ignored); nothing when the dialog has no such row. `markable` is
// false for a row whose "Mark" box is disabled; `row` is the row's place among the
// dialog's rows, from 1 (the index the parameter grid hands to EditParameters).
struct ParameterRef {
    ParamRec* param = nullptr;
    bool markable = false;
    int row = 0;
};
ParameterRef parameterByLabel(Element& e, std::string_view label);

// Creates the element for a code 17..144 with its defaults; nothing for other codes.
// Code 46 creates the type of 28, which reports 28 through TypeCode.
std::unique_ptr<Element> CreateElement(std::uint8_t code);

}  // namespace velmar
