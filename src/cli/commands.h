// The commands of velmar-cli. Each takes its arguments after the command name and
// returns the exit code of cli/help.h: 0 done; 1 done with a warning, or the method
// refused, or the run failed; 2 the call was wrong.
#pragma once

#include <string>
#include <vector>

namespace velmar::cli {

using Args = std::vector<std::string>;

int info(const Args& args);      // info SCHEME
int resave(const Args& args);    // resave IN OUT
int run(const Args& args);       // run SCHEME [--variable] [--answer L=V]... [--csv OUT] [--pnt DIR]
int tf(const Args& args);        // tf SCHEME --block N [--answer L=V]...
int analyze(const Args& args);   // analyze SCHEME --block N --method M [--answer L=V]... [--csv OUT]
int optimize(const Args& args);  // optimize SCHEME --block N --criterion C [--method M] [--mark E:L]...
int metrics(const Args& args);   // metrics SCHEME [--element N] [--diagram D] [run options]

}  // namespace velmar::cli
