#include <iostream>

#include "commands.h"

namespace velmar::cli {

int run(const Args&) {
    std::cerr << "velmar-cli run: not available yet\n";
    return 2;
}

}  // namespace velmar::cli
