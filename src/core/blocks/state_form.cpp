#include "core/blocks/state_form.h"

#include "core/blocks/linear_messages.h"
#include "core/errors.h"

namespace velmar {

void StateForm::prepare(const Polynomial& A, const Polynomial& B) {
    const int n = B.order();
    if (A.order() > n) throw MathError(kErrorInInputData);
    const Extended lead = B[n];
    d_ = A.order() == n ? quotient(A[n], lead) : 0.0L;
    a_.assign(static_cast<size_t>(n), Real48());
    b_.assign(static_cast<size_t>(n), Real48());
    for (int i = 0; i < n; ++i) {
        const Extended bi = quotient(B[i], lead);
        const Extended ai = i <= A.order() ? A[i] / lead : 0.0L;
        b_[static_cast<size_t>(i)] = bi;
        a_[static_cast<size_t>(i)] = ai - bi * d_;
    }
}

Extended StateForm::output(int k, const StateVector& x, Extended u) const {
    return x[static_cast<size_t>(k + order() - 1)] + d_ * u;
}

void StateForm::rates(int k, const StateVector& x, Extended u, StateVector& dx) const {
    const int n = order();
    const Extended last = x[static_cast<size_t>(k + n - 1)];
    for (int i = 0; i < n; ++i) {
        const Extended previous = i == 0 ? 0.0L : x[static_cast<size_t>(k + i - 1)].get();
        // x(i+1)' = x(i) - b(i) xn + (a(i) - b(i) d) u
        dx[static_cast<size_t>(k + i)] =
            previous - b_[static_cast<size_t>(i)] * last + a_[static_cast<size_t>(i)] * u;
    }
}

}  // namespace velmar
