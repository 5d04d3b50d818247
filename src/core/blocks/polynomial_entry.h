// A transfer function typed in by hand: the user polynomial link (28), the correction
// link (46) and the analysis block's hand entry (60) share it. A(s) has degree m and
// B(s) degree n; every coefficient is paired with an initial value ("H.y.").
#pragma once

#include <string>
#include <vector>

#include "core/model/element.h"
#include "core/model/polynomial.h"

namespace velmar {

class ByteReader;
class ByteWriter;
class Host;

struct PolynomialEntry {
    Polynomial A;  // ascending powers, exactly m + 1 coefficients (never trimmed)
    Polynomial B;  // exactly n + 1 coefficients
    std::vector<Real48> initialA;
    std::vector<Real48> initialB;

    int m() const { return A.order(); }
    int n() const { return B.order(); }

    // Degrees 0 with the given coefficients a0 = b0 = `coefficient`, initial values 0.
    void reset(Extended coefficient);
    // Changes the degrees: coefficients keep their powers, added higher powers start at
    // 1 with initial value 0, dropped powers are discarded.
    void setDegrees(int m, int n);

    // The degree dialog ("m", "n"), then one dialog per coefficient pairing "a"i or
    // "b"i with "H.y."i; no "Mark". Nothing changes unless every dialog is confirmed.
    bool edit(Host& host);

    // Scheme file: m and n as one byte each, then a0..am and b0..bn (initial values are
    // not written and read back as 0).
    void write(ByteWriter& out) const;
    void read(ByteReader& in);

    // Parameter grid rows "a0".."am", "b0".."bn"; setListed changes row k (1-based).
    void list(std::vector<ParameterRow>& rows) const;
    bool setListed(int k, Extended value);
};

}  // namespace velmar
