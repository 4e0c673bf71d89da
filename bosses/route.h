#pragma once

#include <algorithm>
#include <cstdint>

#include "engine/check.h"

// Entry i of a boss waypoint table read flat, row after row. The scripts loop early enough to
// stay inside the table; a wrong index stops a checked build, and in play holds to the nearer
// end so the boss stays in the field.
inline int32_t RouteAt(const int32_t* table, int32_t count, int32_t i) {
    ZARUNE_CHECK(i >= 0 && i < count);
    return table[std::clamp(i, 0, count - 1)];
}

// The same over a table kept as rows: a read past a row's end takes the next row.
template <int32_t Rows, int32_t Steps>
int32_t RouteAt(const int32_t (&table)[Rows][Steps], int32_t i) {
    ZARUNE_CHECK(i >= 0 && i < Rows * Steps);
    const int32_t flat = std::clamp(i, 0, Rows * Steps - 1);
    return table[flat / Steps][flat % Steps];
}
