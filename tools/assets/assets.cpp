#include "tools/assets/assets.h"

#include <zlib.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>

namespace assets {

// One function per subsystem, each in its own file; their order is the order of AllAssets.
void AddEngineAssets(AssetList& list);
void AddSoundAssets(AssetList& list);
void AddShootingAssets(AssetList& list);
void AddEffectAssets(AssetList& list);
void AddItemAssets(AssetList& list);
void AddBulletAssets(AssetList& list);
void AddBackgroundAssets(AssetList& list);
void AddEnemyAssets(AssetList& list);
void AddMissileAssets(AssetList& list);
void AddBossAssets(AssetList& list);
void AddBossB23Assets(AssetList& list);
void AddBoss45Assets(AssetList& list);
void AddMenuAssets(AssetList& list);
void AddPlayScreenAssets(AssetList& list);
void AddEndingAssets(AssetList& list);
void AddChatAssets(AssetList& list);

AssetList AllAssets() {
    AssetList list;
    AddEngineAssets(list);
    AddSoundAssets(list);
    AddShootingAssets(list);
    AddEffectAssets(list);
    AddItemAssets(list);
    AddBulletAssets(list);
    AddBackgroundAssets(list);
    AddEnemyAssets(list);
    AddMissileAssets(list);
    AddBossAssets(list);
    AddBossB23Assets(list);
    AddBoss45Assets(list);
    AddMenuAssets(list);
    AddPlayScreenAssets(list);
    AddEndingAssets(list);
    AddChatAssets(list);
    return list;
}

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// The file header and a BITMAPINFOHEADER for bottom-up rows.
std::vector<uint8_t> BmpHeaders(const Picture& picture, uint32_t bitCount, uint32_t paletteSize,
                                uint32_t rowBytes) {
    const uint32_t offset = kFileHeaderSize + kInfoHeaderSize + paletteSize * 4;
    const uint32_t imageSize = rowBytes * static_cast<uint32_t>(picture.height);
    std::vector<uint8_t> out;
    out.reserve(offset + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<uint32_t>(picture.width));
    Put32(out, static_cast<uint32_t>(picture.height));
    Put16(out, 1);
    Put16(out, bitCount);
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, paletteSize);
    Put32(out, 0);
    return out;
}

uint32_t RowBytes(int width, int bitCount) {
    return (static_cast<uint32_t>(width) * static_cast<uint32_t>(bitCount) / 8 + 3) & ~3u;
}

bool Fail(std::string* error, std::string message) {
    if (error != nullptr) *error = std::move(message);
    return false;
}

// Asset paths must stay inside the output folder.
bool SafePath(const std::string& path) {
    const std::filesystem::path p(path);
    if (path.empty() || p.is_absolute()) return false;
    for (const auto& part : p) {
        if (part == "..") return false;
    }
    return true;
}

bool WriteFile(const std::filesystem::path& target, const std::vector<uint8_t>& bytes,
               std::string* error) {
    std::filesystem::path temp = target;
    temp += ".part";
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(temp.c_str(), "wb"),
                                                         &std::fclose);
    if (file == nullptr) {
        return Fail(error, "cannot create " + temp.string() + ": " + std::strerror(errno));
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) {
        const std::string reason = std::strerror(errno);
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return Fail(error, "cannot write " + temp.string() + ": " + reason);
    }
    std::error_code ec;
    std::filesystem::rename(temp, target, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return Fail(error, "cannot rename " + temp.string() + ": " + ec.message());
    }
    return true;
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const Picture& picture) {
    const uint32_t rowBytes = RowBytes(picture.width, 24);
    std::vector<uint8_t> out = BmpHeaders(picture, 24, 0, rowBytes);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t c = picture.At(x, y);
            out.push_back(static_cast<uint8_t>(c));
            out.push_back(static_cast<uint8_t>(c >> 8));
            out.push_back(static_cast<uint8_t>(c >> 16));
        }
        out.resize(out.size() + rowBytes - static_cast<uint32_t>(picture.width) * 3, 0);
    }
    return out;
}

std::vector<uint8_t> EncodeBmp8(const Picture& picture) {
    std::map<uint32_t, uint8_t> index;
    std::vector<uint32_t> palette;
    for (uint32_t c : picture.pixels) {
        if (index.count(c) != 0) continue;
        if (palette.size() == 256) return {};
        index.emplace(c, static_cast<uint8_t>(palette.size()));
        palette.push_back(c & 0x00FFFFFF);
    }
    // A full palette: every byte value is a valid index.
    palette.resize(256, kBlack);

    const uint32_t rowBytes = RowBytes(picture.width, 8);
    std::vector<uint8_t> out = BmpHeaders(picture, 8, 256, rowBytes);
    for (uint32_t c : palette)
        Put32(out, c);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x)
            out.push_back(index.at(picture.At(x, y)));
        out.resize(out.size() + rowBytes - static_cast<uint32_t>(picture.width), 0);
    }
    return out;
}

std::vector<uint8_t> Compress(const std::vector<uint8_t>& bytes) {
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::vector<uint8_t> out(size);
    if (compress2(out.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        throw std::runtime_error("zlib could not compress an asset");
    }
    out.resize(size);
    return out;
}

void AddBmp(AssetList& list, std::string path, const Picture& picture) {
    list.push_back({std::move(path), EncodeBmp24(picture)});
}

void AddCompressedBmp(AssetList& list, std::string path, const Picture& picture) {
    list.push_back({std::move(path), Compress(EncodeBmp24(picture))});
}

bool WriteAssets(const std::string& dir, std::string* error) {
    AssetList list;
    try {
        list = AllAssets();
    } catch (const std::exception& e) {
        return Fail(error, std::string("cannot generate the assets: ") + e.what());
    }

    std::set<std::string> seen;
    for (const AssetFile& file : list) {
        if (!SafePath(file.path)) return Fail(error, "asset path out of bounds: " + file.path);
        if (!seen.insert(file.path).second) return Fail(error, "two assets named " + file.path);
    }

    for (const AssetFile& file : list) {
        const std::filesystem::path target = std::filesystem::path(dir) / file.path;
        std::error_code ec;
        std::filesystem::create_directories(target.parent_path(), ec);
        if (ec) {
            return Fail(error,
                        "cannot create " + target.parent_path().string() + ": " + ec.message());
        }
        if (!WriteFile(target, file.bytes, error)) return false;
    }
    return true;
}

}  // namespace assets
