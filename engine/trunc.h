#pragma once

#include <cstdint>

// Positions handed on are whole numbers truncated toward zero. A value outside the int range
// becomes INT32_MIN, as the processor's own conversion gives, instead of undefined behaviour.
inline int32_t Trunc(double v) {
    if (!(v > -2147483649.0 && v < 2147483648.0)) return INT32_MIN;
    return static_cast<int32_t>(v);
}
