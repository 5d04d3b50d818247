// The Routh, Hurwitz and Mikhailov items of the stability list. Each reads the
// characteristic polynomial D(s) = B(s) back from the coefficient file in `folder`,
// clears the report memo, writes its report there and shows the verdict in the
// information box. A missing coefficient file is reported in the error box and nothing
// is tested.
#pragma once

#include <filesystem>

namespace velmar {

class Host;

void RouthCriterion(Host& host, const std::filesystem::path& folder);
void HurwitzCriterion(Host& host, const std::filesystem::path& folder);
// After the verdict, asks a frequency range (defaults 0, 2, 0.01) and hands the
// hodograph X(w) against Y(w) to the graph viewer (kind 13, "Indicator").
void MikhailovCriterion(Host& host, const std::filesystem::path& folder);

inline constexpr int kMikhailovGraphKind = 13;

}  // namespace velmar
