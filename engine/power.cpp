#include "power.h"

#include <cfloat>
#include <cmath>
#include <stdexcept>

namespace pecunor {

long double powerOrZero(bool raiseOnError, long double base, long double exponent)
{
    auto fail = [raiseOnError](const char* message) {
        if (raiseOnError)
            throw std::runtime_error(message);
        return 0.0L;
    };
    if (!(base > 0.0L))
        return fail("Division by zero");
    const long double power = std::exp(exponent * std::log(base));
    if (!std::isfinite(power))
        return fail("Overflow");
    if (power < LDBL_MIN)
        return fail("Underflow");
    return power;
}

}  // namespace pecunor
