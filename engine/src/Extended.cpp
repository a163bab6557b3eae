#include "engine/Extended.h"

#include <cmath>
#include <ostream>

namespace kv {

double TExtended::ToDouble() const {
    if (IsZero()) return 0.0;
    // One rounding, in the conversion of the integer; the scaling is exact.
    return std::ldexp(static_cast<double>(significand_), exponent_ - 63);
}

std::ostream& operator<<(std::ostream& out, const TExtended& x) {
    const auto flags = out.flags();
    out << "0x" << std::hex << x.Significand() << std::dec << "p" << (x.IsZero() ? 0 : x.Exponent())
        << " (" << x.ToDouble() << ")";
    out.flags(flags);
    return out;
}

} // namespace kv
