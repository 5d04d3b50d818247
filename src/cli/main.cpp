#include <iostream>

int main() {
    std::cerr << "usage: velmar-cli COMMAND ...\n";
    return 2;
}
