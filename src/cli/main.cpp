// velmar-cli: the headless front end of the workbench.
#include <cstdio>
#include <iostream>
#include <string_view>

#include "cli/commands.h"

namespace {

struct Command {
    std::string_view name;
    int (*run)(const velmar::cli::Args&);
};

constexpr Command kCommands[] = {
    {"info", velmar::cli::info},       {"resave", velmar::cli::resave},   {"run", velmar::cli::run},
    {"tf", velmar::cli::tf},           {"analyze", velmar::cli::analyze}, {"optimize", velmar::cli::optimize},
    {"metrics", velmar::cli::metrics},
};

int usage() {
    std::cerr
        << "usage: velmar-cli info SCHEME\n"
           "       velmar-cli resave IN OUT\n"
           "       velmar-cli run SCHEME [--variable] [--answer LABEL=VALUE]... [--set E:LABEL=VALUE]...\n"
           "                      [--edit E]... [--sweep E:LABEL=BEGIN:END:STEP] [--metrics] [--csv OUT]\n"
           "                      [--pnt DIR]\n"
           "       velmar-cli tf SCHEME --block N [--answer LABEL=VALUE]... [--set E:LABEL=VALUE]...\n"
           "                     [--side-files DIR]\n"
           "       velmar-cli analyze SCHEME --block N --method M [--mark E:LABEL]... [--answer "
           "LABEL=VALUE]...\n"
           "                          [--set E:LABEL=VALUE]... [--csv OUT] [--side-files DIR]\n"
           "       velmar-cli optimize SCHEME --block N --criterion C [--method M] [--mark E:LABEL]...\n"
           "                           [--answer LABEL=VALUE]... [--expression TEXT] [--save OUT]\n"
           "                           (velmar-cli optimize --help)\n"
           "       velmar-cli metrics SCHEME [--element N] [--diagram D] [--variable]\n"
           "                          [--answer LABEL=VALUE]... [--set E:LABEL=VALUE]... [--edit E]...\n";
    return 2;
}

// A verb's output is only done once it has reached the standard output: a failing
// stream (a full disk, a closed pipe) turns any exit code into 2.
int checkedOutput(int code) {
    std::cout.flush();
    if (std::cout && std::fflush(stdout) == 0 && !std::ferror(stdout)) return code;
    std::cerr << "velmar-cli: cannot write the standard output\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string_view name = argv[1];
    for (const Command& c : kCommands)
        if (c.name == name) return checkedOutput(c.run(velmar::cli::Args(argv + 2, argv + argc)));
    return usage();
}
