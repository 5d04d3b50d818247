#include "core/analysis/coefficient_file.h"

#include <fstream>
#include <sstream>
#include <string>

#include "core/analysis/side_files.h"
#include "core/errors.h"
#include "core/numtext.h"

namespace velmar {

namespace {

void writePolynomial(std::ostream& out, const Polynomial& p) {
    out << p.order() + 1 << '\n';
    for (int i = 0; i <= p.order(); ++i) out << floatText(p.empty() ? 0 : p[i]) << '\n';
}

Polynomial readPolynomial(std::istream& in, const std::string& name) {
    long count = 0;
    if (!(in >> count) || count < 1) throw FileError(name + ": a coefficient count is missing or wrong");
    if (count > kMaxCriterionOrder + 1)
        throw FileError(name + ": a polynomial of order " + std::to_string(count - 1) +
                        " is above the order " + std::to_string(kMaxCriterionOrder) + " the criteria accept");
    Polynomial p;
    p.Allocate(static_cast<int>(count) - 1);
    for (int i = 0; i < count; ++i) {
        std::string word;
        if (!(in >> word)) throw FileError(name + ": coefficients are missing");
        const auto value = parseNumber(word);
        if (!value) throw FileError(name + ": \"" + word + "\" is not a number");
        p.set(i, *value);
    }
    return p;
}

}  // namespace

std::string coefficientFileText(const TransferFunction& w) {
    std::ostringstream out;
    writePolynomial(out, w.A);
    out << '\n';
    writePolynomial(out, w.B);
    return out.str();
}

void writeCoefficientFile(Host& host, const std::filesystem::path& folder, const TransferFunction& w) {
    writeSideFile(host, folder, kCoefficientFileName, coefficientFileText(w));
}

std::optional<TransferFunction> readCoefficientFile(const std::filesystem::path& folder) {
    const std::filesystem::path path = folder / kCoefficientFileName;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return std::nullopt;
    std::ifstream in(path);
    if (!in) throw FileError("Cannot read " + path.string());
    TransferFunction w;
    w.A = readPolynomial(in, path.string());
    w.B = readPolynomial(in, path.string());
    return w;
}

}  // namespace velmar
