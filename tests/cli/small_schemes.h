// Small schemes and argument lists shared by the CLI tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/model/scheme_file.h"

namespace velmar::testing {

inline const std::filesystem::path kDemo = std::filesystem::path(VELMAR_DATA_DIR) / "Schemes" / "demo.shm";

// A step source (33) wired to a time recorder (62).
inline std::filesystem::path saveStepScheme(const std::filesystem::path& dir) {
    Scheme s;
    s.PutCell(4, 9, 33);
    s.PutCell(7, 10, 1);
    s.PutCell(8, 9, 62);
    const std::filesystem::path file = dir / "step.shm";
    SaveScheme(s, file, labelsFileFor(file));
    return file;
}

// One analysis block (60) at (10, 10), the terminator and an empty comment.
inline std::filesystem::path saveAnalysisScheme(const std::filesystem::path& dir) {
    const std::filesystem::path file = dir / "one.shm";
    std::ofstream(file, std::ios::binary) << std::string("\x0a\x0a\x3c\x00\x00\x2a", 6);
    return file;
}

// The answers of a hand-typed W(s) = 1 / (s^2 + 3s + 2).
inline std::vector<std::string> handEntry() {
    std::vector<std::string> args;
    for (const char* a : {"Entry=0", "m=0", "n=2", "a0=1", "b0=2", "b1=3", "b2=1"})
        args.insert(args.end(), {"--answer", a});
    return args;
}

inline std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace velmar::testing
