#pragma once

// The one degree-to-radian conversion of the program. Sines near exact halves round
// differently under other groupings of the same expression, so everyone uses this one.
inline double DegToRad(double deg) {
    return deg * 3.14159265358979323846 / 180.0;
}
