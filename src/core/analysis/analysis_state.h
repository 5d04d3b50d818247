// State of the analysis subsystem that lives as long as the program runs: the method
// group, the analysis block last served and the dialogs' remembered values. (The
// optimisation criterion a run accumulates is part of the run context.)
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/host.h"
#include "core/real48.h"

namespace velmar {

// The method group chosen by the last group command of the Run menu: which list the
// chooser offers ("character", "stability", "quality", "root", "optmaxaw", "other",
// "sintez"; None before the first command).
enum class MethodGroup { None, Character, Stability, Quality, Root, OptMaxAw, Other, Synthesis };

// The ranges and grid sizes of the D-decomposition, kept between uses.
struct PlaneRanges {
    Real48 xBegin = 0.0L, xEnd = 1.0L, yBegin = 0.0L, yEnd = 1.0L;
    int nx = 10, ny = 10;
};

struct AnalysisState {
    MethodGroup methodGroup = MethodGroup::None;
    int lastBlock = 0;  // number of the last analysis block served
    // The method a Solve operation is running, while it runs (the live parameter panel
    // recomputes the characteristic it shows).
    std::optional<MethodCode> running;
    bool nyquist = false;
    bool synthesisShown = false;  // the chooser's synthesis panel, once shown, stays
    // The frequency range of the characteristics, kept between uses.
    Real48 wBegin = 0.0L, wEnd = 5.0L, wStep = 0.01L;
    PlaneRanges plane;
    // Where the side files (the coefficient file and the root lists) are written;
    // empty: nowhere. The workbench window sets it.
    std::filesystem::path workingFolder;
};

}  // namespace velmar
