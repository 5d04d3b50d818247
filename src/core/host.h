// The host: the one way the computing core talks to a person. The workbench window
// implements it with real dialogs; the command-line tool and the tests with a scripted
// host that answers from a list and records what it was told.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/real48.h"

namespace velmar {

// One row of the common value dialog ("Input Parameters:"): a label, the value as
// text, and the "Mark" check box (shown disabled when markEnabled is false). `key` is
// the row's full label before it was cut for showing; scripts answer rows by it.
struct ValueRow {
    std::string label;
    std::string text;
    bool marked = false;
    bool markEnabled = true;
    bool editable = true;  // a read-only note row edits nothing
    std::string key;
    const std::string& name() const { return key.empty() ? label : key; }
};

// Checks the rows a person confirmed; returns the message to show when they cannot be
// accepted (the dialog then stays open), or an empty text.
using RowCheck = std::function<std::string(const std::vector<ValueRow>&)>;
// The same for a line of text (askText).
using TextCheck = std::function<std::string(const std::string&)>;

enum class Box { Error, Information, Warning, Plain };  // "Ошибка", "Сообщение", ...
enum class Reply { Yes, No, Cancel };

// One curve handed to the graph viewer: points 0..count-1 of x and y. The arrays stay
// the caller's.
struct Diagram {
    const Real48* x = nullptr;
    const Real48* y = nullptr;
    int count = 0;
    std::string name;
    bool present() const { return x != nullptr && y != nullptr; }
};
using Diagrams = std::array<Diagram, 5>;

// The code the key queue (readKey) gives for Escape, which stops a run, a scan or a
// search, and leaves a list.
inline constexpr int kEscapeKey = 27;
// The closing keys of the graph viewer come as the key code times 256: Escape, also
// when the window is closed.
inline constexpr int kGraphEsc = kEscapeKey * 256;

// The code of an item of the method chooser's lists: what the chooser hands back and
// what the analysis runs. Items that run at once in the chooser (Routh, Nyquist's
// question, Mikhailov, the D-decomposition) have codes of their own above 2000. The
// harmonic list's two items share their codes with the first two root lists'.
enum class MethodCode : int {
    Leave = kEscapeKey,  // no item: the chooser was left
    RootsNumerator = 41,
    RootsDenominator = 42,
    RootsFieldNumerator = 43,
    RootsFieldDenominator = 44,
    RootsBoth = 45,
    HarmonicFrequency = 41,  // "W( +s+ )"
    HarmonicAmplitude = 42,  // "A  ( +s+ )"
    Hodograph = 51,          // "W(jw)": Re against Im
    Amplitude = 52,          // "A(w)"
    LogAmplitude = 53,       // "20Lg(A)" against lg w
    Phase = 54,              // "Fi(w)", radians in -pi..pi
    Real = 55,               // "Re"
    Imaginary = 56,          // "Im"
    ModifiedPopov = 60,
    coefficientsByRoots = 82,
    errorCoefficients = 101,
    Hurwitz = 102,
    RootsFullPage = 103,  // the roots animation's displays
    RootsOneByOne = 104,
    RootsOverlaid = 105,
    MinimiseByCoefficients = 106,  // the square functional's minimisations
    MinimiseByRoots = 107,
    MinimiseByCurrent = 108,
    rootsAnimation = 311,
    squareIntegralEstimation = 331,
    TwoRegulators = 341,
    PRegulator = 1979,
    PiRegulator = 1980,
    PidRegulator = 1981,
    Routh = 2001,
    Nyquist = 2002,
    Mikhailov = 2003,
    DDecomposition = 2004,
};

// The lists of the method chooser ("Methods"); chooseMethod shows one and returns the
// code of the item picked, or MethodCode::Leave.
enum class MethodList {
    Characteristics,
    Stability,
    Quality,
    Roots,
    Other,
    Regulators,
    Synthesis,
    RootsDisplay,
    FunctionalMinimisation,
    Harmonic,
};

// Progress of a run: the strip filled up to `filled` of `width` pixels; the count and
// time panels get their texts when `texts` is set (at most 101 times per run).
struct ProgressInfo {
    int filled = 0;
    int width = 0;
    bool texts = false;
    std::string countText;
    std::string timeText;
};

// Pages of values asked in one window (the Ti values window, the plant polynomials of
// "System Parameters" shown page by page): each page has a count field, the values and
// at most one check box. The count shown is values.size() - countShift (a polynomial's
// order is its number of coefficients less one); value k is labelled valueLabel followed
// by firstIndex + k.
struct ValueList {
    std::string caption;
    std::string countLabel;  // empty: the count is fixed
    int countShift = 0;
    std::size_t maxCount = 100;  // values the page may hold
    std::string valueLabel;
    int firstIndex = 1;
    std::vector<std::string> values;  // the texts; a longer list is padded with `fill`
    std::string fill = "1";
    std::string checkLabel;  // empty: no check box
    bool checked = false;
    std::string valueName(std::size_t k) const {
        return valueLabel + std::to_string(firstIndex + static_cast<int>(k));
    }
};

// One choice among fixed items (a radio group): `index` is the item chosen.
struct ChoiceRow {
    std::string label;
    std::vector<std::string> items;
    int index = 0;
};

// A table of results shown in a window of its own, with an optional button under it.
struct ResultTable {
    std::string caption;
    std::string title;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    std::string button;  // empty: none
};

// A recorder's thumbnail: polylines in the 62 x 32 picture of its square, in pixels
// relative to the square's top-left corner.
struct Thumbnail {
    int col = 0;
    int row = 0;
    struct Line {
        int x1, y1, x2, y2;
    };
    std::vector<Line> axes;
    std::vector<std::vector<std::pair<int, int>>> curves;
};

// The bar of the "Progress" window at `position` of 0..`maximum`; `finished` closes
// the window.
struct ScanProgress {
    int position = 0;
    int maximum = 0;
    bool finished = false;
};

// The plane of two parameters scanned by the D-decomposition: their registered names
// and ranges, the grid sizes, and the number of right roots at each of the
// (nx + 1) x (ny + 1) grid points, row by row from Y(begin) with x running fastest.
// The grid coordinates, the painted cells, the legend and the mouse read-out are
// computed by analysis/d_decomposition.h.
struct DDecompositionMap {
    static constexpr int kUndetermined = -1;  // the Routh table stopped
    static constexpr int kNotScanned = -2;    // a stopped scan did not reach the point
    std::string xName, yName;
    Real48 xBegin, xEnd, yBegin, yEnd;
    int nx = 0, ny = 0;
    std::vector<int> counts;
    bool stopped = false;  // Escape ended the scan

    int count(int i, int j) const { return counts[static_cast<std::size_t>(j * (nx + 1) + i)]; }
};

class Host {
public:
    virtual ~Host() = default;

    // The common value dialog. Returns false when cancelled; otherwise rows hold the
    // confirmed texts and marks. `check` runs on confirmation; a non-empty answer is
    // shown and the dialog stays open.
    virtual bool askValues(std::string_view caption, std::vector<ValueRow>& rows, const RowCheck& check) = 0;
    virtual void message(Box box, std::string_view text) = 0;
    virtual Reply ask(std::string_view caption, std::string_view text, bool withCancel) = 0;

    // The graph viewer; returns the closing key code (kGraphEsc when closed).
    virtual int showGraph(const Diagrams& diagrams, int kind) {
        (void)diagrams;
        (void)kind;
        return kGraphEsc;
    }
    // The key queue fed by the window: waiting lets pending events run first.
    virtual bool keyWaiting() { return false; }
    virtual int readKey() { return kEscapeKey; }
    virtual MethodCode chooseMethod(MethodList list) {
        (void)list;
        return MethodCode::Leave;
    }
    // The method chooser's formula area and coefficient memos.
    virtual void showTransferFunction(const std::vector<std::string>& numeratorLines,
                                      const std::vector<std::string>& denominatorLines) {
        (void)numeratorLines;
        (void)denominatorLines;
    }
    virtual void statusMessage(std::string_view text) { (void)text; }
    virtual void progress(const ProgressInfo& info) { (void)info; }
    virtual void showThumbnail(const Thumbnail& thumbnail) { (void)thumbnail; }
    virtual void clearCanvas() {}
    virtual void canvasText(int x, int y, std::string_view text) {
        (void)x;
        (void)y;
        (void)text;
    }
    virtual void clearReport() {}
    virtual void report(std::string_view line) { (void)line; }
    // Something the person should know that does not stop the command (an algebraic
    // loop found by the compilation). Default: the status line.
    virtual void warning(std::string_view text) { statusMessage(text); }

    // --- windows of the nonlinear analysis and the regulator synthesis ---
    // Each has a default that a host without such a window can keep: it falls back to
    // the value dialog or to the report memo (host.cpp).

    // The graph viewer with lines of text shown beside the curves ("Radius=", "Kr =").
    // Default: the texts go to the report, then showGraph.
    virtual int showGraphWithTexts(const Diagrams& diagrams, int kind, const std::vector<std::string>& texts);
    // A chooser list whose item captions are replaced (the harmonic sweep's "W( K3 )",
    // " A( K3 )"); returns the code of the item picked as chooseMethod does. Default:
    // chooseMethod(list).
    virtual MethodCode chooseRelabelled(MethodList list, const std::vector<std::string>& captions) {
        (void)captions;
        return chooseMethod(list);
    }
    // The waiting window with a live counter ("Я думаю !!!", "Iteration"): shown or
    // updated with count >= 0, closed with a negative count. Default: nothing.
    virtual void showCounter(std::string_view caption, std::string_view label, int count) {
        (void)caption;
        (void)label;
        (void)count;
    }
    // Pages of values (ValueList), with "Next >>" / "<< Back" between pages. `check`
    // runs on every confirmation as for askValues. False when cancelled. Default: one
    // value dialog with every page's count and check box (0 or 1), then the values of
    // each page, seven rows a dialog.
    virtual bool askValuePages(std::vector<ValueList>& pages, const RowCheck& check);
    // Choices among fixed items. False when cancelled. Default: one value dialog with a
    // row per choice holding the item's text; an answer names an item by its text (blanks
    // and case aside), its first word ("PI") or its number from 1.
    virtual bool askChoices(std::string_view caption, std::vector<ChoiceRow>& rows);
    // A result table; true when its button was pressed. Default: the title and the rows
    // go to the report, and the button counts as pressed.
    virtual bool showTable(const ResultTable& table);

    // A window asking one line of text, such as an expression (the user function's
    // "Input function y=f(x)" with its field "f (x)="). `check` runs on confirmation as
    // for askValues: a non-empty answer is shown and the window stays open. False when
    // cancelled. Default: the value dialog with one row, answered by the field's label
    // without its closing "=" ("f (x)=sin(x)").
    virtual bool askText(std::string_view caption, std::string_view label, std::string& text,
                         const TextCheck& check);

    // The "Progress" window of a scan: opened by the first call, closed by `finished`.
    virtual void scanProgress(const ScanProgress& progress) { (void)progress; }
    // The D-decomposition window ("D Composition"), shown modally with a finished map.
    virtual void showDDecomposition(const DDecompositionMap& map) { (void)map; }

    // Enter on optimisation block `block` in Run: the optimisation window opens over it.
    virtual void openOptimisation(int block) { (void)block; }
    // After every evaluation of an optimisation: the evaluation count and the value.
    virtual void optimisationProgress(int evaluations, Extended value) {
        (void)evaluations;
        (void)value;
    }
};

// The item a choice answer names (see askChoices), or -1.
int choiceIndex(std::string_view answer, const std::vector<std::string>& items);

}  // namespace velmar
