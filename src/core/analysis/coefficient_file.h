// The coefficient file "CfFile.txt": the transfer function of the analysis block solved
// last, written after every Solve operation into the working folder and read back by
// the stability criteria. Layout (text):
//   m+1, then a0 .. am one per line, an empty line, n+1, then b0 .. bn one per line;
// values in the default float format. Readers take the counts as integers and the
// values as reals separated by any white space.
#pragma once

#include <filesystem>
#include <optional>

#include "core/model/polynomial.h"

namespace velmar {

inline constexpr const char* kCoefficientFileName = "CfFile.txt";
// The criteria read at most this order back (a reader keeps 31 coefficients).
inline constexpr int kMaxCriterionOrder = 30;

// Throws FileError when the file cannot be written.
void WriteCoefficientFile(const std::filesystem::path& folder, const TransferFunction& w);

// Nothing when the file does not exist; FileError when it cannot be read or understood,
// or a polynomial in it is of an order above kMaxCriterionOrder.
std::optional<TransferFunction> ReadCoefficientFile(const std::filesystem::path& folder);

// The message shown when a criterion finds no coefficient file.
inline constexpr const char* kNoCoefficientFile =
    "No transfer function to test: CfFile.txt is missing (solve an analysis block first)";

}  // namespace velmar
