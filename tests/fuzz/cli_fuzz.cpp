// velmar-cli run (both step kinds) and analyze, called in-process on fuzzed scheme
// files: whatever the file, every verb ends with an exit code of 0, 1 or 2, and the
// sanitizers see no fault on the way.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "cli/commands.h"
#include "core/errors.h"
#include "core/model/scheme_file.h"
#include "fuzz/check.h"

using namespace velmar;

namespace {

// Swallows what a verb prints while it runs.
class Silence {
public:
    Silence() : out_(std::cout.rdbuf(&sink_)), err_(std::cerr.rdbuf(&sink_)) {}
    ~Silence() {
        std::cout.rdbuf(out_);
        std::cerr.rdbuf(err_);
    }

private:
    struct Sink : std::streambuf {
        int overflow(int c) override { return c; }
        std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
    } sink_;
    std::streambuf* out_;
    std::streambuf* err_;
};

// Methods built so far, tried on the scheme's first analysis block in turn.
const char* const kMethods[] = {"51", "52", "53", "54",  "55",    "56",        "41",     "42",
                                "43", "44", "45", "102", "routh", "mikhailov", "nyquist"};

void requireExitCode(int code) { fuzz::require(code >= 0 && code <= 2, "an exit code outside 0..2"); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/velmar-fuzz-" + std::to_string(getpid()) + ".shm";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    int block = 0;
    try {
        Scheme scheme;
        LoadScheme(scheme, path, labelsFileFor(path));
        for (const auto& e : scheme.ElementList())
            if (e->Code == 60 && block == 0) block = e->Number;
    } catch (const FileError&) { return 0; }  // the verbs refuse it as the reader does

    Silence quiet;
    requireExitCode(cli::run({path, "--answer", "Time=0.2"}));
    requireExitCode(cli::run({path, "--variable", "--answer", "Time=0.2"}));
    if (block != 0)
        requireExitCode(cli::analyze(
            {path, "--block", std::to_string(block), "--method", kMethods[size % std::size(kMethods)]}));
    return 0;
}
