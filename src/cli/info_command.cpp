#include <iostream>

#include "commands.h"

namespace velmar::cli {

int info(const Args&) {
    std::cerr << "velmar-cli info: not available yet\n";
    return 2;
}

int resave(const Args&) {
    std::cerr << "velmar-cli resave: not available yet\n";
    return 2;
}

}  // namespace velmar::cli
