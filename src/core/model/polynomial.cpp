#include "core/model/polynomial.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "core/errors.h"

namespace velmar {

namespace {

void checkOrder(int order) {
    if (order > kMaxOrder)
        throw MathError("Polynomial order " + std::to_string(order) + " exceeds " +
                        std::to_string(kMaxOrder));
}

}  // namespace

Polynomial::Polynomial(std::initializer_list<Extended> coefficients) {
    checkOrder(static_cast<int>(coefficients.size()) - 1);
    c_.assign(coefficients.begin(), coefficients.end());
}

Extended Polynomial::Coefficient(int i) const {
    if (i < 0 || i >= static_cast<int>(c_.size()))
        throw std::out_of_range("Polynomial coefficient " + std::to_string(i) + " beyond order " +
                                std::to_string(order()));
    return c_[static_cast<size_t>(i)];
}

void Polynomial::set(int i, Extended value) {
    if (i < 0 || i >= static_cast<int>(c_.size()))
        throw std::out_of_range("Polynomial coefficient " + std::to_string(i) + " beyond order " +
                                std::to_string(order()));
    c_[static_cast<size_t>(i)] = value;
}

void Polynomial::Allocate(int order) {
    checkOrder(order);
    c_.assign(static_cast<size_t>(order) + 1, Real48());
}

void Polynomial::Negate() {
    for (auto& c : c_) c = -c.get();
}

void Polynomial::Add(const Polynomial& other) {
    if (other.c_.size() > c_.size()) c_.resize(other.c_.size());
    for (size_t i = 0; i < other.c_.size(); ++i) c_[i] = c_[i].get() + other.c_[i].get();
    Trim();
}

void Polynomial::Multiply(const Polynomial& other) {
    if (c_.empty() || other.c_.empty()) {
        c_.clear();
        return;
    }
    const int order = this->order() + other.order();
    checkOrder(order);
    std::vector<Real48> product(static_cast<size_t>(order) + 1);
    for (int k = 0; k <= order; ++k) {
        Extended sum = 0;
        const int lo = std::max(0, k - other.order());
        const int hi = std::min(k, this->order());
        for (int i = lo; i <= hi; ++i) sum += c_[i].get() * other.c_[k - i].get();
        product[k] = sum;
    }
    c_ = std::move(product);
    Trim();
}

void Polynomial::MultiplyAdd(const Polynomial& x, const Polynomial& y) {
    if (x.c_.empty() || y.c_.empty()) return;
    const int productOrder = x.order() + y.order();
    checkOrder(productOrder);
    const int resultOrder = std::max(productOrder, order());
    std::vector<Real48> sum(static_cast<size_t>(resultOrder) + 1);
    for (int k = 0; k <= resultOrder; ++k) {
        Extended s = k < static_cast<int>(c_.size()) ? c_[k].get() : 0;
        if (k <= productOrder) {
            const int lo = std::max(0, k - y.order());
            const int hi = std::min(k, x.order());
            for (int i = lo; i <= hi; ++i) s += x.c_[i].get() * y.c_[k - i].get();
        }
        sum[k] = s;
    }
    c_ = std::move(sum);
    Trim();
}

void Polynomial::Reverse() { std::reverse(c_.begin(), c_.end()); }

void Polynomial::Trim() {
    while (c_.size() > 1 && c_.back().get() == 0) c_.pop_back();
}

Extended Polynomial::Evaluate(Extended x) const {
    Extended result = 0;
    for (auto it = c_.rbegin(); it != c_.rend(); ++it) result = result * x + it->get();
    return result;
}

Polynomial Polynomial::Derivative() const {
    Polynomial d;
    if (order() == 0) {
        d.Allocate(0);
        return d;
    }
    d.Allocate(order() - 1);
    for (int i = 0; i < order(); ++i) d.c_[i] = static_cast<Extended>(i + 1) * c_[i + 1].get();
    return d;
}

void Polynomial::ShiftUp() {
    if (c_.empty()) return;
    checkOrder(order() + 1);
    c_.insert(c_.begin(), Real48());
}

void Polynomial::DropConstant() {
    if (c_.size() <= 1) {
        c_.assign(c_.empty() ? 0 : 1, Real48());
        return;
    }
    c_.erase(c_.begin());
}

Polynomial Polynomial::EvenPart() const {
    Polynomial e;
    if (c_.empty()) return e;
    e.Allocate(order() / 2);
    for (int i = 0; i <= order(); i += 2) e.c_[i / 2] = c_[i];
    return e;
}

void Polynomial::Normalise() {
    Trim();
    if (c_.empty()) return;
    const Extended lead = c_.back().get();
    for (auto& c : c_) c = c.get() / lead;
}

void Polynomial::SplitAtJw(Polynomial& P, Polynomial& Q) const {
    const int n = order();
    P.Allocate(n - n % 2);
    Q.Allocate(n >= 1 ? (n % 2 == 1 ? n : n - 1) : 0);
    for (int i = 0; i <= n && !c_.empty(); ++i) {
        const Extended v = (i % 4 == 2 || i % 4 == 3) ? -c_[i].get() : c_[i].get();
        if (i % 2 == 0) P.c_[i] = v;
        else Q.c_[i] = v;
    }
}

Polynomial operator*(const Polynomial& a, const Polynomial& b) {
    Polynomial r = a;
    r.Multiply(b);
    return r;
}

Polynomial operator+(const Polynomial& a, const Polynomial& b) {
    Polynomial r = a;
    r.Add(b);
    return r;
}

}  // namespace velmar
