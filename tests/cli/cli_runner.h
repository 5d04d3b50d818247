// Runs the velmar-cli program built beside the tests.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace velmar::testing {

struct CliResult {
    int code = -1;
    std::string out;  // standard output and standard error, joined
};

// Runs velmar-cli with the arguments (each single-quoted) in the folder `cwd`.
inline CliResult runCli(const std::vector<std::string>& args, const std::string& cwd = ".") {
    std::string command = "cd '" + cwd + "' && " + std::string(VELMAR_CLI);
    for (const auto& a : args) command += " '" + a + "'";
    command += " 2>&1";
    CliResult r;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return r;
    std::array<char, 4096> buf;
    while (const size_t n = fread(buf.data(), 1, buf.size(), pipe)) r.out.append(buf.data(), n);
    const int status = pclose(pipe);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

}  // namespace velmar::testing
