#pragma once

#include <cstdint>

#include "engine/requests.h"

// Small words the boss scripts are written in.
namespace boss_script {

// True for a script frame inside the window first..last, both ends included.
inline bool Within(int32_t t, int32_t first, int32_t last) {
    return t >= first && t <= last;
}

// Speeds are handed to the pools as f32.
inline float Speed(double v) {
    return static_cast<float>(v);
}

}  // namespace boss_script
