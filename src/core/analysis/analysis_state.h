// State of the analysis subsystem that lives as long as the program runs: the method
// group, the analysis block last served, the dialogs' remembered values and the
// optimisation settings.
#pragma once

#include <filesystem>
#include <string>

#include "core/real48.h"

namespace velmar {

// Optimisation criteria, by index of the "Criteria" group.
enum class Criterion { IntegralE2, IntegralE2Tau, Maximum, T1Max, IntegralX2, User };

struct AnalysisState {
    std::string methodGroup;   // "character", "stability", "quality", "root", ...
    int lastBlock = 0;         // number of the last analysis block served
    bool methodChosen = false; // second phase of the Solve operation
    int methodCode = 0;
    bool nyquist = false;
    bool synthesisShown = false;  // the chooser's synthesis panel, once shown, stays
    Criterion criterion = Criterion::IntegralE2;
    // The frequency range of the characteristics, kept between uses.
    Real48 wBegin = 0.0L, wEnd = 5.0L, wStep = 0.01L;
    // Where the coefficient file and the root lists are written; empty: the current
    // folder.
    std::filesystem::path workingFolder;
};

}  // namespace velmar
