#pragma once

#include <cstddef>
#include <cstdint>

// The WAVE files built into the program, looked up by number.
namespace platform {

// The bytes of WAVE number `id` and their count, or null when there is no such WAVE.
const uint8_t* FindWave(int id, size_t* size);

}  // namespace platform
