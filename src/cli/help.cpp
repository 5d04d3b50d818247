#include "cli/help.h"

#include <iomanip>
#include <iostream>
#include <map>

#include "cli/methods.h"
#include "cli/version.h"
#include "core/analysis/method_lists.h"
#include "core/analysis/optimisation/settings.h"

namespace velmar::cli {

namespace {

struct VerbHelp {
    std::string_view name;
    std::string_view synopsis;  // the usage lines after "velmar-cli "
    std::string_view options;
    void (*methods)(std::ostream&);  // the methods it accepts; null for none
    std::string_view examples;
};

constexpr std::string_view kExitCodes =
    "Exit codes:\n"
    "  0  done\n"
    "  1  done with a warning (a scheme read only in part, a side file not written), or the\n"
    "     method refused, or the run failed; the message says which\n"
    "  2  the call was wrong: usage, an unreadable or damaged input, an answer no dialog asked\n"
    "     or one a dialog refused, an output that cannot be written\n";

constexpr std::string_view kAnswerOption =
    "  --answer LABEL=VALUE  answer the dialog row LABEL (repeatable); a value as typed in the\n"
    "                        dialog (2pi); an answer no dialog asks is refused\n";
constexpr std::string_view kSetOption =
    "  --set E:LABEL=VALUE   give element E's parameter of dialog row LABEL a value for this\n"
    "                        call (repeatable)\n";

// Every item of the method chooser by code, with the name of those that have one.
void analysisMethods(std::ostream& out) {
    std::map<int, std::string> captions;
    for (int list = 0; list <= static_cast<int>(MethodList::Harmonic); ++list)
        for (const MethodItem& item : methodItems(static_cast<MethodList>(list))) {
            const int code = static_cast<int>(item.code);
            if (methodOf(std::to_string(code))) captions.emplace(code, item.caption);
        }
    out << "Methods (--method CODE or NAME):\n";
    auto row = [&out](const std::string& method, const std::string& caption) {
        out << "  " << std::left << std::setw(16) << method << caption << '\n';
    };
    for (const auto& [code, caption] : captions) {
        const std::string_view name = NameOfMethod(MethodCode{code});
        row(std::to_string(code) + (name.empty() ? "" : " " + std::string(name)), caption);
    }
    row("harmonic", "the harmonic balance of the loop (Run menu)");
    row("popov", "the Popov criterion of the loop (Run menu)");
}

void optimisationMethods(std::ostream& out) {
    out << "Criteria (--criterion C):\n";
    for (std::size_t c = 0; c < kCriterionCaptions.size(); ++c)
        out << "  " << c << "  " << kCriterionCaptions[c] << '\n';
    out << "  optmaxaw  Optim Max A(w)\n"
           "Searches (--method M; criteria 0, 1 and optmaxaw search with Nelder-Mid unless M is given):\n";
    for (std::size_t m = 0; m < kMethodCaptions.size(); ++m) {
        std::string caption = kMethodCaptions[m];
        std::erase(caption, '&');
        out << "  " << m << "  " << caption << '\n';
    }
}

constexpr VerbHelp kVerbs[] = {
    {"info", "info SCHEME", "Lists what a scheme file holds, one line per element.\n", nullptr,
     "  velmar-cli info data/Schemes/demo.shm\n"
     "  velmar-cli info scheme.shm | grep code\n"},
    {"resave", "resave IN OUT",
     "Reads IN with its labels file and writes it as OUT (and OUT's labels file).\n", nullptr,
     "  velmar-cli resave old.shm new.shm\n"
     "  velmar-cli resave data/Schemes/demo.shm /tmp/demo.shm\n"},
    {"run",
     "run SCHEME [--variable] [--answer LABEL=VALUE]... [--set E:LABEL=VALUE]... [--edit E]...\n"
     "               [--sweep E:LABEL=BEGIN:END:STEP] [--metrics] [--csv OUT] [--pnt DIR]",
     "Runs the scheme and writes every recorder's curves as CSV.\n"
     "  --variable            run with the variable step (rows Time, Eps; else Step, Time)\n"
     "  --edit E              open element E's own window (a user function's \"f (x)=\"),\n"
     "                        answered by --answer, for this call\n"
     "  --sweep E:L=B:E:S     one run per value of the parameter, at most 100000 values;\n"
     "                        not with --pnt, nor with a --set of the same parameter\n"
     "  --metrics             the step-response metrics of every curve instead of the points\n"
     "  --csv OUT             the CSV to OUT (- or none: standard output)\n"
     "  --pnt DIR             every curve as the point file DIR/NUMBER-SLOT.pnt\n",
     nullptr,
     "  velmar-cli run data/Schemes/demo.shm --answer Time=20 --csv demo.csv\n"
     "  velmar-cli run data/Schemes/demo.shm --sweep 4:K=0.5:2:0.5 --metrics --csv -\n"},
    {"tf", "tf SCHEME --block N [--answer LABEL=VALUE]... [--set E:LABEL=VALUE]... [--side-files DIR]",
     "Solves analysis block N (code 60) and prints W(s) as tf: lines.\n"
     "  --block N             the analysis block\n"
     "  --side-files DIR      write CfFile.txt and mcad/root_*.prn into DIR\n",
     nullptr,
     "  velmar-cli tf loop.shm --block 6 --answer Entry=1\n"
     "  velmar-cli tf loop.shm --block 6 --answer Entry=0 --answer m=0 --answer n=1 \\\n"
     "      --answer a0=1 --answer b0=1 --answer b1=1\n"},
    {"analyze",
     "analyze SCHEME --block N --method M [--mark E:LABEL]... [--answer LABEL=VALUE]...\n"
     "                   [--set E:LABEL=VALUE]... [--csv OUT] [--side-files DIR]",
     "Solves analysis block N (code 60) and runs method M on W(s).\n"
     "  --block N             the analysis block (for harmonic and popov: the loop's output,\n"
     "                        by default the last analysis block)\n"
     "  --method M            a code or a name below\n"
     "  --mark E:LABEL        vary element E's parameter of dialog row LABEL (repeatable)\n"
     "  --csv OUT             the curves handed to the graph viewer as CSV (- : standard output)\n"
     "  --side-files DIR      write CfFile.txt and mcad/root_*.prn into DIR\n",
     analysisMethods,
     "  velmar-cli analyze scheme.shm --block 3 --method 52 --answer Entry=1 --csv amplitude.csv\n"
     "  velmar-cli analyze loop.shm --method popov\n"},
    {"optimize",
     "optimize SCHEME --block N --criterion C [--method M] [--mark E:LABEL]...\n"
     "                    [--answer LABEL=VALUE]... [--expression TEXT] [--save OUT]",
     "Runs the optimisation of optimisation block N (code 47) and prints every varied\n"
     "parameter (param: NAME = VALUE), the last criterion value and the evaluation count.\n"
     "  --block N             the optimisation block\n"
     "  --mark E:LABEL        vary element E's parameter of dialog row LABEL (at most 10)\n"
     "  --expression TEXT     the user criterion over a, b, c, d, f, g, ... (default a^2)\n"
     "  --save OUT            write the tuned scheme to OUT\n",
     optimisationMethods,
     "  velmar-cli optimize open.shm --block 4 --criterion 4 --mark 2:K --method 3\n"
     "  velmar-cli optimize open.shm --block 4 --criterion 5 --mark 2:K --expression 'a^2+1' --save "
     "tuned.shm\n"},
    {"metrics",
     "metrics SCHEME [--element N] [--diagram D] [--variable] [--answer LABEL=VALUE]...\n"
     "                   [--set E:LABEL=VALUE]... [--edit E]...",
     "Runs the scheme as run does and prints the step-response metrics of one curve.\n"
     "  --element N           the recorder (default: the first holding a curve)\n"
     "  --diagram D           its slot, 1 to 5 (default 1)\n"
     "  --variable            run with the variable step\n"
     "  --edit E              open element E's own window, answered by --answer\n",
     nullptr,
     "  velmar-cli metrics data/Schemes/demo.shm --diagram 2\n"
     "  velmar-cli metrics data/Schemes/demo.shm --answer Time=3 --set 4:K=2\n"},
};

const VerbHelp* verbHelp(std::string_view verb) {
    for (const VerbHelp& v : kVerbs)
        if (v.name == verb) return &v;
    return nullptr;
}

// Every verb that runs or analyses answers dialogs; all of them but optimize take --set.
bool answersDialogs(std::string_view verb) { return verb != "info" && verb != "resave"; }
bool setsParameters(std::string_view verb) { return answersDialogs(verb) && verb != "optimize"; }

}  // namespace

bool printHelp(std::string_view verb, std::ostream& out) {
    if (verb.empty()) {
        out << "velmar-cli: runs and analyses Velmar schemes without a window.\n\nUsage:\n";
        for (const VerbHelp& v : kVerbs) out << "  velmar-cli " << v.synopsis << '\n';
        out << "  velmar-cli VERB --help\n  velmar-cli --version\n\n" << kExitCodes;
        return true;
    }
    const VerbHelp* v = verbHelp(verb);
    if (!v) return false;
    out << "Usage: velmar-cli " << v->synopsis << "\n\n" << v->options;
    if (answersDialogs(verb)) out << kAnswerOption;
    if (setsParameters(verb)) out << kSetOption;
    if (v->methods) {
        out << '\n';
        v->methods(out);
    }
    out << '\n' << kExitCodes << "\nExamples:\n" << v->examples;
    return true;
}

int usageError(std::string_view verb, const std::string& what) {
    std::cerr << "velmar-cli " << verb << ": " << what << '\n';
    if (const VerbHelp* v = verbHelp(verb))
        std::cerr << "usage: velmar-cli " << v->synopsis << "\n(velmar-cli " << verb << " --help)\n";
    return kWrongCall;
}

std::string versionText() {
    std::string text = std::string("velmar-cli ") + kVersion;
    if (*kGitDescription) text += std::string(" (") + kGitDescription + ")";
    return text;
}

}  // namespace velmar::cli
