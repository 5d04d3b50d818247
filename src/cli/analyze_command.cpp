#include <iostream>

#include "commands.h"

namespace velmar::cli {

int tf(const Args&) {
    std::cerr << "velmar-cli tf: not available yet\n";
    return 2;
}

int analyze(const Args&) {
    std::cerr << "velmar-cli analyze: not available yet\n";
    return 2;
}

}  // namespace velmar::cli
