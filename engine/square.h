#pragma once

#include <cstdint>

// c times the square of t, the square taken first: the braking, falling and swooping curves
// all read this way, and the order decides the last bit of the result.
inline double TimesSquare(double c, int32_t t) {
    return c * (static_cast<double>(t) * t);
}
