#pragma once
// Two samples of the same quantity compared by the chi-square test of
// homogeneity: bins too thin to test (fewer than ten in both samples
// together) are pooled with their neighbours.

#include <cmath>
#include <cstdint>
#include <vector>

namespace kv::test {

// The probability that a chi-square variable with `df` degrees of freedom
// exceeds `x`: the regularized upper incomplete gamma function Q(df/2, x/2).
inline double ChiSquareTail(double x, int df) {
    const double a = df / 2.0, z = x / 2.0;
    if (z <= 0) return 1;
    const double front = std::exp(a * std::log(z) - z - std::lgamma(a));
    if (z < a + 1) { // the series of P(a, z)
        double term = 1 / a, sum = term;
        for (int n = 1; n < 1000 && term > sum * 1e-15; ++n) {
            term *= z / (a + n);
            sum += term;
        }
        return 1 - sum * front;
    }
    double b = z + 1 - a, c = 1e300, d = 1 / b, h = d; // Lentz's continued fraction of Q(a, z)
    for (int i = 1; i < 1000; ++i) {
        const double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        c = b + an / c;
        d = 1 / d;
        const double step = d * c;
        h *= step;
        if (std::fabs(step - 1) < 1e-15) break;
    }
    return front * h;
}

// The p-value of "both samples come from one distribution".
inline double SameDistribution(const std::vector<std::int64_t>& a,
                               const std::vector<std::int64_t>& b) {
    double na = 0, nb = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        na += static_cast<double>(a[i]);
        nb += static_cast<double>(b[i]);
    }
    double chi = 0, pa = 0, pb = 0;
    int bins = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        pa += static_cast<double>(a[i]);
        pb += static_cast<double>(b[i]);
        if (pa + pb < 10 && i + 1 < a.size()) continue;
        const double expected = (pa + pb) / (na + nb);
        if (pa + pb > 0) {
            chi += std::pow(pa - expected * na, 2) / (expected * na) +
                   std::pow(pb - expected * nb, 2) / (expected * nb);
            ++bins;
        }
        pa = pb = 0;
    }
    return bins < 2 ? 1 : ChiSquareTail(chi, bins - 1);
}

} // namespace kv::test
