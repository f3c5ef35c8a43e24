#ifndef ORLEVAN_DECIMAL_H
#define ORLEVAN_DECIMAL_H

#include <cstdint>

// A plain decimal read by hand, as strtof would read it: the mantissa m (its digits as
// one integer) divided by 10^decimales. Below 10^8 with at most 8 decimals, the
// quotient rounded to a double lies closer to the exact value than any halfway point
// between two floats does (53 >= 2 * 24 + 2 bits), so rounding it to a float gives
// strtof's correctly rounded result. False outside that range: strtof must read it.
inline bool flottantDecimal(uint64_t m, int decimales, bool negatif, float* v) {
    if (m >= 100000000 || decimales > 8) return false;
    static const double puissances[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    double x = static_cast<double>(m) / puissances[decimales < 0 ? 0 : decimales];
    *v = static_cast<float>(negatif ? -x : x);
    return true;
}

#endif
