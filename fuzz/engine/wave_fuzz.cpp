#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/sound.h"

// ParseWaveData on arbitrary bytes: whatever it accepts must lie inside the bytes it was given.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size heap copy, so that any read past the end is caught.
    const std::vector<uint8_t> bytes(data, data + size);
    WaveInfo info;
    if (!ParseWaveData(bytes.data(), bytes.size(), info)) return 0;
    const uint8_t* begin = bytes.data();
    const uint8_t* end = begin + bytes.size();
    const bool formatInside = info.format >= begin && info.formatSize >= 14 &&
                              info.formatSize <= size_t(end - info.format);
    const bool dataInside =
        info.data >= begin && info.dataSize > 0 && info.dataSize <= size_t(end - info.data);
    if (!formatInside || !dataInside) std::abort();
    return 0;
}
