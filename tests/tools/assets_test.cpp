#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/image.h"
#include "engine/inflate.h"
#include "platform/headless/headless.h"
#include "tests/engine/temp_dir.h"
#include "tools/assets/assets.h"

namespace {

using Bytes = std::vector<uint8_t>;

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Compressed bitmaps are the pictures named without an extension.
bool IsCompressedBitmap(const std::string& path) {
    return path.rfind("img/", 0) == 0 && std::filesystem::path(path).extension().empty();
}

int32_t HeaderInt(const Bytes& bmp, size_t at) {
    return static_cast<int32_t>(uint32_t{bmp[at]} | uint32_t{bmp[at + 1]} << 8 |
                                uint32_t{bmp[at + 2]} << 16 | uint32_t{bmp[at + 3]} << 24);
}

// The bitmap file inside an asset, expanded when it is compressed.
Bytes BitmapBytes(const assets::AssetFile& file) {
    if (!IsCompressedBitmap(file.path)) return file.bytes;
    Bytes out;
    EXPECT_TRUE(InflateBuffer(file.bytes.data(), file.bytes.size(), file.path.c_str(), out));
    return out;
}

Bytes ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Generating every asset takes a while, so the tests that only read them share one list.
const assets::AssetList& Assets() {
    static const assets::AssetList list = assets::AllAssets();
    return list;
}

const assets::AssetFile* Find(const assets::AssetList& list, const std::string& path) {
    for (const auto& file : list) {
        if (file.path == path) return &file;
    }
    return nullptr;
}

TEST(AssetGenerator, EveryBitmapDecodesAtItsSize) {
    platform::headless::TakeBoxes();
    const assets::AssetList& list = Assets();
    ASSERT_FALSE(list.empty());
    for (const auto& file : list) {
        if (!EndsWith(file.path, ".bmp") && !IsCompressedBitmap(file.path)) continue;
        SCOPED_TRACE(file.path);
        const Bytes bmp = BitmapBytes(file);
        ASSERT_GE(bmp.size(), 54u);
        CImageShooting image;
        image.LoadFromMemory(bmp.data(), bmp.size());
        EXPECT_EQ(image.width, HeaderInt(bmp, 18));
        EXPECT_EQ(image.height, HeaderInt(bmp, 22));
        EXPECT_EQ(HeaderInt(bmp, 28) & 0xFFFF, 24) << "pictures are written as 24-bit files";
    }
    EXPECT_TRUE(platform::headless::TakeBoxes().empty());

    // The sizes and cell layouts the game relies on.
    const struct {
        const char* path;
        int32_t width, height;
    } sizes[] = {
        {"img/figur12_15_2.bmp", 120, 15},
    };
    for (const auto& expected : sizes) {
        SCOPED_TRACE(expected.path);
        const assets::AssetFile* file = Find(list, expected.path);
        ASSERT_NE(file, nullptr);
        const Bytes bmp = BitmapBytes(*file);
        CImageShooting image;
        image.LoadFromMemory(bmp.data(), bmp.size());
        EXPECT_EQ(image.width, expected.width);
        EXPECT_EQ(image.height, expected.height);
    }
}

TEST(AssetGenerator, FrameRateDigitsFillTheirOwnCells) {
    const assets::AssetFile* file = Find(Assets(), "img/figur12_15_2.bmp");
    ASSERT_NE(file, nullptr);
    CImageShooting image;
    image.LoadFromMemory(file->bytes.data(), file->bytes.size());
    ASSERT_EQ(image.width, 120);

    std::set<std::vector<uint32_t>> cells;
    for (int n = 0; n < 10; ++n) {
        SCOPED_TRACE(n);
        std::vector<uint32_t> cell;
        int keyed = 0;
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 12; ++x) {
                const uint32_t c = *image.GetPixelAddress(12 * n + x, y);
                cell.push_back(c);
                keyed += c == assets::kKey ? 1 : 0;
            }
        }
        // A digit on the colour key: some of each, and no digit is drawn twice.
        EXPECT_GT(keyed, 12 * 15 / 3);
        EXPECT_LT(keyed, 12 * 15);
        EXPECT_TRUE(cells.insert(cell).second);
    }
}

TEST(AssetGenerator, OutputIsDeterministicAndWrittenWhole) {
    const assets::AssetList& first = Assets();
    const assets::AssetList second = assets::AllAssets();
    ASSERT_EQ(first.size(), second.size());
    std::set<std::string> paths;
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].path, second[i].path);
        EXPECT_TRUE(first[i].bytes == second[i].bytes) << first[i].path;
        EXPECT_TRUE(paths.insert(first[i].path).second) << "twice: " << first[i].path;
    }

    TempDir a;
    TempDir b;
    std::string error;
    ASSERT_TRUE(assets::WriteAssets(a.Path().string(), &error)) << error;
    ASSERT_TRUE(assets::WriteAssets(b.Path().string(), &error)) << error;
    // Writing again over existing files gives the same folder.
    ASSERT_TRUE(assets::WriteAssets(b.Path().string(), &error)) << error;
    for (const TempDir* dir : {&a, &b}) {
        std::map<std::string, Bytes> written;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir->Path())) {
            if (!entry.is_regular_file()) continue;
            written[std::filesystem::relative(entry.path(), dir->Path()).generic_string()] =
                ReadFile(entry.path());
        }
        EXPECT_EQ(written.size(), first.size()) << "no temporary or stray files";
        for (const auto& file : first) {
            EXPECT_TRUE(written[file.path] == file.bytes) << file.path;
        }
    }
}

TEST(AssetGenerator, WriteFailureGivesAMessage) {
    TempDir dir;
    const std::filesystem::path blocker = dir.Path() / "file";
    std::ofstream(blocker) << "not a folder";
    std::string error;
    EXPECT_FALSE(assets::WriteAssets(blocker.string(), &error));
    EXPECT_NE(error.find(blocker.string()), std::string::npos) << error;
}

TEST(AssetGenerator, EncodersAndDrawingHelpers) {
    // 256 colours fit an 8-bit palette and decode like the 24-bit file; 257 do not fit.
    assets::Picture picture(16, 17, assets::kBlack);
    for (int i = 0; i < 256; ++i)
        picture.Set(i % 16, i / 16, 0x010101u * static_cast<uint32_t>(i));
    const Bytes eight = assets::EncodeBmp8(picture);
    const Bytes twentyFour = assets::EncodeBmp24(picture);
    ASSERT_FALSE(eight.empty());
    CImageShooting a;
    CImageShooting b;
    a.LoadFromMemory(eight.data(), eight.size());
    b.LoadFromMemory(twentyFour.data(), twentyFour.size());
    ASSERT_EQ(a.width, 16);
    ASSERT_EQ(a.height, 17);
    EXPECT_TRUE(std::equal(a.pixels, a.pixels + 16 * 17, picture.pixels.begin()));
    EXPECT_TRUE(std::equal(b.pixels, b.pixels + 16 * 17, picture.pixels.begin()));
    picture.Set(0, 16, 0xABCDEF);
    EXPECT_TRUE(assets::EncodeBmp8(picture).empty());

    // Shapes reaching past the edges are clipped to the picture.
    assets::Picture small(4, 4);
    assets::FillRect(small, -5, -5, 10, 10, 0x112233);
    for (uint32_t c : small.pixels)
        EXPECT_EQ(c, 0x112233u);
    assets::FillCircle(small, 0, 0, 9, 0x445566);
    assets::FillEllipse(small, -3, 2, 20, 20, 0x445566);
    assets::FillTriangle(small, -10, -10, 20, -10, 5, 30, 0x445566);
    assets::DrawLine(small, -8, 2, 12, 3, 0x445566);
    assets::Checker(small, -1, -1, 9, 9, 2, 0x445566, 0x778899);
    assets::DrawTextInCell(small, -2, -2, 30, 30, "W?", 0x445566, assets::kBlack);
    assets::Paste(small, 2, 2, assets::Picture(5, 5, 0x445566));
    EXPECT_EQ(small.pixels.size(), 16u);

    // Text sits with its bottom-left corner at the given point, top row highest.
    assets::Picture text(5, 7);
    assets::DrawText(text, 0, 0, "T", 0x000000);
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(text.At(x, 6), 0u);
    EXPECT_EQ(text.At(0, 0), assets::kKey);
    EXPECT_EQ(text.At(2, 0), 0u);
}

}  // namespace
