// velmar-cli: the headless front end of the workbench.
#include <iostream>
#include <string_view>

#include "cli/commands.h"

namespace {

struct Command {
    std::string_view name;
    int (*run)(const velmar::cli::Args&);
};

constexpr Command kCommands[] = {
    {"info", velmar::cli::info}, {"resave", velmar::cli::resave},   {"run", velmar::cli::run},
    {"tf", velmar::cli::tf},     {"analyze", velmar::cli::analyze}, {"optimize", velmar::cli::optimize},
};

int usage() {
    std::cerr
        << "usage: velmar-cli info SCHEME\n"
           "       velmar-cli resave IN OUT\n"
           "       velmar-cli run SCHEME [--variable] [--answer LABEL=VALUE]... [--csv OUT] [--pnt DIR]\n"
           "       velmar-cli tf SCHEME --block N [--answer LABEL=VALUE]...\n"
           "       velmar-cli analyze SCHEME --block N --method M [--answer LABEL=VALUE]... [--csv OUT]\n"
           "       velmar-cli optimize SCHEME --block N --criterion C [--method M] [--mark E:LABEL]...\n"
           "                           [--answer LABEL=VALUE]... [--expression TEXT] [--save OUT]\n"
           "                           (velmar-cli optimize --help)\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string_view name = argv[1];
    for (const Command& c : kCommands)
        if (c.name == name) return c.run(velmar::cli::Args(argv + 2, argv + argc));
    return usage();
}
