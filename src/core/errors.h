// The small error hierarchy of the core. Each error carries the text the user sees;
// it is thrown where a fault becomes visible and caught once, by the command that
// started the work (a GUI command handler or a CLI command).
#pragma once

#include <stdexcept>
#include <string>

namespace velmar {

// A floating-point fault: overflow, division by zero, invalid operation, or a value
// that cannot be stored as a 6-byte real. The command is abandoned, the program goes on.
class MathError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reading or writing a file failed, or its content cannot be understood.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The user (or a script) cancelled a value dialog where the command cannot go on.
class Cancelled : public std::runtime_error {
public:
    Cancelled() : std::runtime_error("cancelled") {}
};

}  // namespace velmar
