// Files an analysis leaves for people and other programs to read: the coefficient file
// "CfFile.txt" and the root lists "mcad/root_u.prn" and "mcad/root_v.prn". Nothing in
// the system reads them back.
//
// They go into the working folder of the analysis state; without one (the command-line
// tool unless asked) none is written. Each is written through a replacing write that
// follows no link below the working folder: a link planted at a file's name is
// replaced, a link in place of a folder on the way (mcad) is refused, so two analyses
// in one folder cannot mix their files and nothing outside the folder is written. A
// file that cannot be written is told in the warning box; the analysis goes on.
#pragma once

#include <filesystem>
#include <string_view>

namespace velmar {

class Host;

// Writes `name` (relative, e.g. "mcad/root_u.prn") under `folder`, making the folders
// it needs. Does nothing when `folder` is empty.
void writeSideFile(Host& host, const std::filesystem::path& folder, const std::filesystem::path& name,
                   std::string_view text);

}  // namespace velmar
