// Running velmar-cli from the CLI tests, each test in its own temporary folder.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace velmar::testing {

namespace fs = std::filesystem;

struct Result {
    int code = -1;
    std::string out;
};

// Runs velmar-cli with the arguments (each single-quoted) in the folder `cwd`, standard
// error joined to standard output. `shell` runs first in the same shell (a limit, a
// trap); `streams` replaces the joining of the streams.
inline Result cli(const std::vector<std::string>& args, const std::string& cwd = ".",
                  const std::string& shell = "", const std::string& streams = " 2>&1") {
    std::string command = "cd '" + cwd + "' && " + shell + std::string(VELMAR_CLI);
    for (const auto& a : args) command += " '" + a + "'";
    command += streams;
    Result r;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return r;
    std::array<char, 4096> buf;
    while (const size_t n = fread(buf.data(), 1, buf.size(), pipe)) r.out.append(buf.data(), n);
    const int status = pclose(pipe);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

inline std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The lines of a command's output, without their line ends.
inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

struct Cli : ::testing::Test {
    fs::path dir = fs::temp_directory_path() / ("velmar-cli-" + std::to_string(std::random_device{}()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
};

}  // namespace velmar::testing
