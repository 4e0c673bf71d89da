#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "engine/image.h"
#include "engine/inflate.h"
#include "platform/bitmap.h"

namespace {

// Reads a whole file; false when it cannot be opened or read. The file is closed on every path.
bool ReadWholeFile(const char* path, std::vector<uint8_t>& bytes) {
    bytes.clear();
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "rb"), &std::fclose);
    if (file == nullptr) return false;
    uint8_t buffer[16384];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return std::ferror(file.get()) == 0;
}

}  // namespace

void CImageShooting::Load(const char* path) {
    std::vector<uint8_t> bytes;
    if (ReadWholeFile(path, bytes)) {
        LoadFromMemory(bytes.data(), bytes.size());
    } else {
        Create(1, 1);
    }
}

void CImageShooting::LoadFromMemory(const uint8_t* bytes, size_t size) {
    platform::DecodedBitmap bitmap;
    if (!platform::DecodeBitmap(bytes, size, bitmap)) {
        Create(1, 1);
        return;
    }
    Create(bitmap.width, bitmap.height);
    std::copy(bitmap.pixels.begin(), bitmap.pixels.end(), pixels);
}

void CImageShooting::LoadCompressed(const char* path) {
    std::vector<uint8_t> source;
    std::vector<uint8_t> expanded;
    // A missing source has never been reported; a broken stream has shown its box by now.
    if (ReadWholeFile(path, source) &&
        InflateBuffer(source.data(), source.size(), path, expanded)) {
        LoadFromMemory(expanded.data(), expanded.size());
    } else {
        Create(1, 1);
    }
}
