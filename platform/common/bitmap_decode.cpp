#include <SDL.h>

#include <climits>
#include <cstring>

#include "platform/bitmap.h"

namespace platform {
namespace {

// SDL allocates the whole surface from the header's numbers before it reads a single pixel,
// so a few bytes could ask for gigabytes. The largest picture the game uses is far below
// these bounds.
constexpr int64_t kMaxSide = 32768;
constexpr int64_t kMaxPixels = int64_t{1} << 24;

uint32_t ReadLE16(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8;
}

uint32_t ReadLE32(const uint8_t* p) {
    return ReadLE16(p) | ReadLE16(p + 2) << 16;
}

// Reads the size from the file header and the info header (the 12-byte core form carries
// 16-bit sizes, every later form 32-bit ones, with a negative height for top-down rows). An
// uncompressed picture must also have the bytes of all but its last row in the file: SDL fails
// on a short file anyway, but only after allocating and clearing the whole surface.
bool PlausibleSize(const uint8_t* bytes, size_t size) {
    constexpr size_t kFileHeader = 14;
    constexpr uint32_t kUncompressed = 0;
    constexpr uint32_t kBitFields = 3;
    if (size < kFileHeader + 12 || bytes[0] != 'B' || bytes[1] != 'M') return false;
    const uint8_t* info = bytes + kFileHeader;
    int64_t width = 0;
    int64_t height = 0;
    int64_t bits = 0;
    uint32_t compression = kUncompressed;
    if (ReadLE32(info) == 12) {
        width = ReadLE16(info + 4);
        height = ReadLE16(info + 6);
        bits = ReadLE16(info + 10);
    } else {
        if (size < kFileHeader + 20) return false;
        width = static_cast<int32_t>(ReadLE32(info + 4));
        height = static_cast<int32_t>(ReadLE32(info + 8));
        if (height < 0) height = -height;
        bits = ReadLE16(info + 14);
        compression = ReadLE32(info + 16);
    }
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
        width * height > kMaxPixels) {
        return false;
    }
    const bool uncompressed = compression == kUncompressed || compression == kBitFields;
    return !uncompressed || (height - 1) * (width * bits / 8) <= static_cast<int64_t>(size);
}

// Copies a 32-bit surface into bottom-up rows; the top byte may hold alpha and is cleared.
void CopyFlipped(const SDL_Surface& surface, DecodedBitmap& out) {
    const size_t width = static_cast<size_t>(surface.w);
    const size_t height = static_cast<size_t>(surface.h);
    out.width = surface.w;
    out.height = surface.h;
    out.pixels.resize(width * height);
    const auto* base = static_cast<const uint8_t*>(surface.pixels);
    for (size_t row = 0; row < height; ++row) {
        const uint8_t* src = base + row * static_cast<size_t>(surface.pitch);
        uint32_t* dst = out.pixels.data() + (height - 1 - row) * width;
        std::memcpy(dst, src, width * sizeof(uint32_t));
        for (size_t x = 0; x < width; ++x)
            dst[x] &= 0x00FFFFFFu;
    }
}

}  // namespace

bool DecodeBitmap(const uint8_t* bytes, size_t size, DecodedBitmap& out) {
    out = DecodedBitmap{};
    if (bytes == nullptr || size > static_cast<size_t>(INT_MAX)) return false;
    if (!PlausibleSize(bytes, size)) return false;

    SDL_RWops* stream = SDL_RWFromConstMem(bytes, static_cast<int>(size));
    if (stream == nullptr) return false;
    SDL_Surface* loaded = SDL_LoadBMP_RW(stream, 1);
    if (loaded == nullptr) return false;
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(loaded);
    if (converted == nullptr) return false;

    bool ok = converted->w > 0 && converted->h > 0 && SDL_LockSurface(converted) == 0;
    if (ok) {
        CopyFlipped(*converted, out);
        SDL_UnlockSurface(converted);
    }
    SDL_FreeSurface(converted);
    return ok;
}

}  // namespace platform
