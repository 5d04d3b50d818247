// The coefficient file "CfFile.txt": the transfer function of the analysis block solved
// last, written after every Solve operation into the working folder for people and
// other programs (a side file, side_files.h). Layout (text):
//   m+1, then a0 .. am one per line, an empty line, n+1, then b0 .. bn one per line;
// values in the default float format. Readers take the counts as integers and the
// values as reals separated by any white space.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/model/polynomial.h"

namespace velmar {

class Host;

inline constexpr const char* kCoefficientFileName = "CfFile.txt";
// A reader keeps 31 coefficients: the criteria accept at most this order.
inline constexpr int kMaxCriterionOrder = 30;

std::string coefficientFileText(const TransferFunction& w);

// Writes the file into `folder` (nothing without one); a failure is a warning.
void writeCoefficientFile(Host& host, const std::filesystem::path& folder, const TransferFunction& w);

// Nothing when the file does not exist; FileError when it cannot be read or understood,
// or a polynomial in it is of an order above kMaxCriterionOrder.
std::optional<TransferFunction> readCoefficientFile(const std::filesystem::path& folder);

}  // namespace velmar
