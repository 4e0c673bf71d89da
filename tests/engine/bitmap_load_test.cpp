#define ZLIB_CONST
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/image.h"
#include "engine/inflate.h"
#include "platform/bitmap.h"
#include "platform/headless/headless.h"
#include "tests/engine/temp_dir.h"
#include "tools/assets/assets.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr char kInflateErrorPrefix[] = "展開エラー（inflate関数）: ";

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

void Put16(Bytes& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(Bytes& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// A bitmap file put together by hand: a BITMAPINFOHEADER, the colour masks, the palette and
// the pixel data as given (rows, padding and run codes are the caller's).
Bytes HandBmp(int32_t width, int32_t height, uint16_t bitCount, uint32_t compression,
              const std::vector<uint32_t>& palette, const Bytes& data,
              const std::vector<uint32_t>& masks = {}) {
    const uint32_t offset = 14 + 40 + static_cast<uint32_t>(masks.size() + palette.size()) * 4;
    Bytes out = {'B', 'M'};
    Put32(out, offset + static_cast<uint32_t>(data.size()));
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, bitCount);
    Put32(out, compression);
    Put32(out, static_cast<uint32_t>(data.size()));
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, static_cast<uint32_t>(palette.size()));
    Put32(out, 0);
    for (uint32_t m : masks)
        Put32(out, m);
    for (uint32_t c : palette)
        Put32(out, c);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

std::vector<uint32_t> PixelsOf(const CImage32& image) {
    return {image.pixels, image.pixels + static_cast<size_t>(image.width) * image.height};
}

void ExpectBlack1x1(const CImage32& image) {
    ASSERT_NE(image.pixels, nullptr);
    EXPECT_EQ(image.width, 1);
    EXPECT_EQ(image.height, 1);
    EXPECT_EQ(image.pixels[0], 0u);
}

// A picture with shapes in several colours, white (the colour key) around them, and an odd
// width so that rows carry padding in the file.
assets::Picture TestPicture() {
    assets::Picture picture(13, 9);
    assets::FillEllipse(picture, 1, 1, 7, 6, 0xE03020);
    assets::FillRect(picture, 8, 0, 4, 4, 0x2040C0);
    assets::FillTriangle(picture, 6, 8, 12, 8, 9, 4, 0x30A050);
    assets::DrawLine(picture, 0, 8, 12, 0, 0x000000);
    assets::DrawText(picture, 1, 1, "7", 0x808080);
    return picture;
}

// Every test runs in a fresh temporary folder and leaves no "tmp.bmp" behind.
class BitmapLoadTest : public ::testing::Test {
protected:
    void SetUp() override { platform::headless::TakeBoxes(); }
    void TearDown() override { EXPECT_FALSE(std::filesystem::exists("tmp.bmp")); }

    InTempDir dir_;
};

TEST_F(BitmapLoadTest, EightBitPaletteAndTwentyFourBitGiveTheSamePixels) {
    const assets::Picture picture = TestPicture();
    WriteBytes("img/pic24.bmp", assets::EncodeBmp24(picture));
    WriteBytes("img/pic8.bmp", assets::EncodeBmp8(picture));

    CImageShooting from24("img/pic24.bmp");
    CImageShooting from8;
    from8.Load("img/pic8.bmp");
    ASSERT_EQ(from24.width, picture.width);
    ASSERT_EQ(from24.height, picture.height);
    EXPECT_EQ(PixelsOf(from24), picture.pixels);
    ASSERT_EQ(from8.width, picture.width);
    ASSERT_EQ(from8.height, picture.height);
    EXPECT_EQ(PixelsOf(from8), picture.pixels);
    // Row 0 is the bottom line: the black line starts at the top-left corner. The colour key
    // stays exactly white.
    for (const CImageShooting* image : {&from24, &from8}) {
        EXPECT_EQ(*image->GetPixelAddress(0, 8), 0x000000u);
        EXPECT_EQ(*image->GetPixelAddress(12, 7), 0xFFFFFFu);
    }
    EXPECT_TRUE(platform::headless::TakeBoxes().empty());
}

TEST_F(BitmapLoadTest, TopDownFileLandsBottomUp) {
    const assets::Picture picture = TestPicture();
    Bytes file = assets::EncodeBmp24(picture);
    // Negative height: the rows are stored from the top down.
    const int32_t height = -picture.height;
    for (int i = 0; i < 4; ++i)
        file[22 + i] = static_cast<uint8_t>(static_cast<uint32_t>(height) >> (8 * i));
    const size_t stride = (static_cast<size_t>(picture.width) * 3 + 3) & ~size_t{3};
    Bytes flipped(file.begin(), file.begin() + 54);
    for (int row = picture.height - 1; row >= 0; --row) {
        const auto begin = file.begin() + 54 + static_cast<std::ptrdiff_t>(row * stride);
        flipped.insert(flipped.end(), begin, begin + static_cast<std::ptrdiff_t>(stride));
    }
    CImageShooting image;
    image.LoadFromMemory(flipped.data(), flipped.size());
    ASSERT_EQ(image.height, picture.height);
    EXPECT_EQ(PixelsOf(image), picture.pixels);
}

struct DepthCase {
    const char* name;
    Bytes file;
    int32_t width;
    std::vector<uint32_t> expect;  // bottom-up
};

TEST_F(BitmapLoadTest, EveryDepthAndRunLengthFormDecodes) {
    const std::vector<uint32_t> pal = {0x202020, 0xFF0000, 0x00FF00, 0x0000FF};
    const uint32_t p0 = pal[0], p1 = pal[1], p2 = pal[2], p3 = pal[3];
    constexpr uint32_t kRle8 = 1;
    constexpr uint32_t kRle4 = 2;
    constexpr uint32_t kBitFields = 3;
    const Bytes kAlphaPixels = {0x33, 0x22, 0x11, 0x00, 0x66, 0x55,
                                0x44, 0x80, 0x99, 0x88, 0x77, 0xFF};
    const std::vector<uint32_t> kAlphaExpect = {0x112233, 0x445566, 0x778899};
    const DepthCase cases[] = {
        {"1 bpp",
         HandBmp(3, 2, 1, 0, {0x102030, 0xFFFFFF}, {0b10100000, 0, 0, 0, 0b01100000, 0, 0, 0}),
         3,
         {0xFFFFFF, 0x102030, 0xFFFFFF, 0x102030, 0xFFFFFF, 0xFFFFFF}},
        {"4 bpp",
         HandBmp(3, 2, 4, 0, pal, {0x01, 0x20, 0, 0, 0x22, 0x10, 0, 0}),
         3,
         {p0, p1, p2, p2, p2, p1}},
        {"16 bpp 5-5-5",
         HandBmp(2, 2, 16, 0, {}, {0x00, 0x7C, 0x1F, 0x00, 0xE0, 0x03, 0xFF, 0x7F}),
         2,
         {0xFF0000, 0x0000FF, 0x00FF00, 0xFFFFFF}},
        // Runs, an absolute run with its pad byte, ends of line and the end of the bitmap.
        {"RLE8",
         HandBmp(6, 4, 8, kRle8, pal, {4, 1, 2, 2, 0, 0, 0, 3, 3, 2, 1, 0, 3, 0,
                                       0, 0, 6, 3, 0, 0, 2, 1, 2, 2, 2, 3, 0, 1}),
         6,
         {p1, p1, p1, p1, p2, p2, p3, p2, p1, p0, p0, p0,
          p3, p3, p3, p3, p3, p3, p1, p1, p2, p2, p3, p3}},
        {"RLE4",
         HandBmp(6, 2, 4, kRle4, pal, {6, 0x12, 0, 0, 0, 4, 0x12, 0x30, 2, 0x33, 0, 1}),
         6,
         {p1, p2, p1, p2, p1, p2, p1, p2, p3, p0, p3, p3}},
        // 32-bit pixels may carry alpha in the top byte; it never reaches the image, whether
        // the file declares it as alpha or leaves it unused.
        {"32 bpp with alpha", HandBmp(3, 1, 32, 0, {}, kAlphaPixels), 3, kAlphaExpect},
        {"32 bpp bit fields without alpha",
         HandBmp(3, 1, 32, kBitFields, {}, kAlphaPixels, {0xFF0000, 0x00FF00, 0x0000FF}), 3,
         kAlphaExpect},
    };
    for (const DepthCase& c : cases) {
        SCOPED_TRACE(c.name);
        CImageShooting image;
        image.LoadFromMemory(c.file.data(), c.file.size());
        EXPECT_EQ(image.width, c.width);
        EXPECT_EQ(image.height, static_cast<int32_t>(c.expect.size()) / c.width);
        EXPECT_EQ(PixelsOf(image), c.expect);
    }
}

TEST_F(BitmapLoadTest, MissingOrCorruptFileLeavesABlack1x1Image) {
    const Bytes good = assets::EncodeBmp24(TestPicture());
    Bytes truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
    Bytes badMagic = good;
    badMagic[0] = 'X';
    Bytes huge = HandBmp(100000, 100000, 24, 0, {}, {0, 0, 0, 0});
    Bytes minHeight = HandBmp(4, INT_MIN, 24, 0, {}, {0, 0, 0, 0});
    Bytes zeroWidth = HandBmp(0, 4, 24, 0, {}, {0, 0, 0, 0});
    // SDL refuses an index past the end of the palette.
    Bytes badIndex = HandBmp(1, 1, 8, 0, {0x123456}, {5, 0, 0, 0});
    const std::pair<const char*, Bytes> files[] = {
        {"empty.bmp", {}},
        {"text.bmp", {'h', 'e', 'l', 'l', 'o'}},
        {"truncated.bmp", truncated},
        {"magic.bmp", badMagic},
        {"huge.bmp", huge},
        {"minheight.bmp", minHeight},
        {"zerowidth.bmp", zeroWidth},
        {"index.bmp", badIndex},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        WriteBytes(name, bytes);
        CImageShooting image(7, 5);
        image.SetPixel(0, 0, 0x123456);
        image.Load(name);
        ExpectBlack1x1(image);
        platform::DecodedBitmap decoded;
        EXPECT_FALSE(platform::DecodeBitmap(bytes.data(), bytes.size(), decoded));
        EXPECT_EQ(decoded.width, 0);
        EXPECT_TRUE(decoded.pixels.empty());
    }
    CImageShooting missing(5, 5);
    missing.Load("no/such/file.bmp");
    ExpectBlack1x1(missing);
    missing.Create(3, 3);
    missing.Load(".");  // a folder opens but does not read
    ExpectBlack1x1(missing);
    EXPECT_TRUE(platform::headless::TakeBoxes().empty());
}

// Compressed bitmaps ----------------------------------------------------------------------

Bytes PatternBytes(size_t n) {
    Bytes bytes(n);
    for (size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<uint8_t>((i * 7) ^ (i >> 5));
    return bytes;
}

// A zlib stream of n zero bytes, made without holding them all.
Bytes ZeroStream(size_t n) {
    z_stream stream{};
    EXPECT_EQ(deflateInit(&stream, Z_BEST_SPEED), Z_OK);
    const Bytes zeros(65536);
    Bytes out;
    uint8_t block[65536];
    int flush = Z_NO_FLUSH;
    while (flush != Z_FINISH) {
        const size_t chunk = std::min(n, zeros.size());
        n -= chunk;
        flush = n == 0 ? Z_FINISH : Z_NO_FLUSH;
        stream.next_in = zeros.data();
        stream.avail_in = static_cast<uInt>(chunk);
        do {
            stream.next_out = block;
            stream.avail_out = sizeof block;
            deflate(&stream, flush);
            out.insert(out.end(), block, block + (sizeof block - stream.avail_out));
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
    return out;
}

void ExpectOneInflateBox(const std::string& caption, const std::string& message) {
    const auto boxes = platform::headless::TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, caption);
    EXPECT_EQ(boxes[0].text, std::string(kInflateErrorPrefix) + message + "\n");
    EXPECT_FALSE(boxes[0].withWindow);
}

TEST_F(BitmapLoadTest, CompressedBitmapRoundTrip) {
    const assets::Picture picture = TestPicture();
    Bytes stream = assets::Compress(assets::EncodeBmp24(picture));
    WriteBytes("img/point", stream);
    // Whatever follows the end of the stream is ignored.
    stream.insert(stream.end(), {0xDE, 0xAD, 0xBE, 0xEF});
    WriteBytes("img/point2", stream);

    for (const char* path : {"img/point", "img/point2"}) {
        SCOPED_TRACE(path);
        CImageShooting image;
        image.LoadCompressed(path);
        ASSERT_EQ(image.width, picture.width);
        ASSERT_EQ(image.height, picture.height);
        EXPECT_EQ(PixelsOf(image), picture.pixels);
    }
    EXPECT_TRUE(platform::headless::TakeBoxes().empty());
    // Only the files written here: nothing temporary was made beside them.
    size_t entries = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(".")) {
        entries += entry.is_regular_file() ? 1 : 0;
    }
    EXPECT_EQ(entries, 2u);
}

TEST_F(BitmapLoadTest, ExpansionSizesAroundTheBlockSize) {
    for (size_t size : {size_t{0}, size_t{1}, size_t{4095}, size_t{4096}, size_t{4097},
                        size_t{8192}, size_t{12289}}) {
        SCOPED_TRACE(size);
        const Bytes original = PatternBytes(size);
        const Bytes stream = assets::Compress(original);
        Bytes out = {1, 2, 3};
        ASSERT_TRUE(InflateBuffer(stream.data(), stream.size(), "pattern", out));
        EXPECT_EQ(out, original);
    }

    // A whole bitmap file that ends exactly on a block boundary (rows padded with trailing
    // bytes, which the decoder ignores).
    const assets::Picture picture = TestPicture();
    Bytes file = assets::EncodeBmp24(picture);
    file.resize(8192, 0);
    WriteBytes("img/cont", assets::Compress(file));
    Bytes out;
    const Bytes stream = assets::Compress(file);
    ASSERT_TRUE(InflateBuffer(stream.data(), stream.size(), "img/cont", out));
    EXPECT_EQ(out, file);
    CImageShooting image;
    image.LoadCompressed("img/cont");
    EXPECT_EQ(PixelsOf(image), picture.pixels);
    EXPECT_TRUE(platform::headless::TakeBoxes().empty());
}

TEST_F(BitmapLoadTest, BrokenStreamsShowTheInflateBoxAndLeaveA1x1Image) {
    const Bytes file = assets::EncodeBmp24(TestPicture());
    const Bytes stream = assets::Compress(file);

    // A plain bitmap where a zlib stream belongs: zlib names the fault.
    WriteBytes("img/plain", file);
    CImageShooting image(4, 4);
    image.LoadCompressed("img/plain");
    ExpectOneInflateBox("img/plain", "incorrect header check");
    ExpectBlack1x1(image);

    // Cut short anywhere, the stream runs out of input; zlib has no message for that.
    for (size_t keep : {size_t{0}, size_t{2}, stream.size() / 2, stream.size() - 1}) {
        SCOPED_TRACE(keep);
        WriteBytes("img/title",
                   Bytes(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(keep)));
        image.Create(4, 4);
        image.LoadCompressed("img/title");
        ExpectOneInflateBox("img/title", "???");
        ExpectBlack1x1(image);
    }

    // Damage inside the compressed data is caught by zlib's own checks.
    Bytes damaged = stream;
    damaged[damaged.size() - 1] ^= 0xFF;
    WriteBytes("img/damaged", damaged);
    image.LoadCompressed("img/damaged");
    ExpectOneInflateBox("img/damaged", "incorrect data check");
    ExpectBlack1x1(image);

    // A stream of something that is not a bitmap expands fine and then fails to decode quietly.
    WriteBytes("img/notbmp", assets::Compress(PatternBytes(100)));
    image.Create(4, 4);
    image.LoadCompressed("img/notbmp");
    EXPECT_TRUE(platform::headless::TakeBoxes().empty());
    ExpectBlack1x1(image);
}

TEST_F(BitmapLoadTest, MissingCompressedFileIsSilent) {
    CImageShooting image(4, 4);
    image.LoadCompressed("img/missing");
    ExpectBlack1x1(image);
    EXPECT_TRUE(platform::headless::TakeBoxes().empty());
}

TEST_F(BitmapLoadTest, ExpansionLimit) {
    // About 64 KiB of stream expand to 64 MiB of zeros, the most a file may hold.
    const Bytes atLimit = ZeroStream(67108864);
    Bytes out;
    ASSERT_TRUE(InflateBuffer(atLimit.data(), atLimit.size(), "img/limit", out));
    EXPECT_EQ(out.size(), 67108864u);
    out = {};

    WriteBytes("img/bomb", ZeroStream(67108865));
    CImageShooting image(4, 4);
    image.LoadCompressed("img/bomb");
    ExpectOneInflateBox("img/bomb", "???");
    ExpectBlack1x1(image);
}

}  // namespace
