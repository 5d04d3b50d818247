// velmar-cli: the headless front end of the workbench.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string_view>

#include "cli/commands.h"
#include "cli/help.h"

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

// A verb's output is only done once it has reached the standard output: a failing
// stream (a full disk, a closed pipe) turns any exit code into 2.
int checkedOutput(int code) {
    std::cout.flush();
    if (std::cout && std::fflush(stdout) == 0 && !std::ferror(stdout)) return code;
    std::cerr << "velmar-cli: cannot write the standard output\n";
    return velmar::cli::kWrongCall;
}

int wrongCall(std::string_view what) {
    std::cerr << "velmar-cli: " << what
              << "\nusage: velmar-cli VERB ARGUMENTS... (velmar-cli --help lists the verbs)\n";
    return velmar::cli::kWrongCall;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return wrongCall("no verb given");
    const std::string_view name = argv[1];
    if (name == "--help") return checkedOutput((velmar::cli::printHelp({}, std::cout), 0));
    if (name == "--version") return checkedOutput((std::cout << velmar::cli::versionText() << '\n', 0));
    const velmar::cli::Args args(argv + 2, argv + argc);
    for (const Command& c : kCommands) {
        if (c.name != name) continue;
        // Help is asked anywhere among the arguments: it is never a file name.
        if (std::find(args.begin(), args.end(), "--help") != args.end())
            return checkedOutput((velmar::cli::printHelp(name, std::cout), 0));
        return checkedOutput(c.run(args));
    }
    return wrongCall("unknown verb " + std::string(name));
}
