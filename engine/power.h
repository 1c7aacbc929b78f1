#pragma once

namespace pecunor {

// base^exponent as e^(exponent * ln base) for a positive base; the exponent
// may be fractional. A result beyond the range, or too small to keep, gives
// 0, or raises std::runtime_error ("Overflow", "Underflow", "Division by
// zero") when asked to.
long double powerOrZero(bool raiseOnError, long double base, long double exponent);

}  // namespace pecunor
