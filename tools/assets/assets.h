#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The placeholder assets: every picture and sound the game reads from its folders, drawn or
// synthesised here so that the game runs without any outside files. Each subsystem adds its
// files from one function in its own source file (AddEngineAssets in engine_assets.cpp, ...);
// AllAssets in assets.cpp calls them in a fixed order.
namespace assets {

struct AssetFile {
    std::string path;  // relative to the folder the game runs in, '/'-separated
    std::vector<uint8_t> bytes;
};
using AssetList = std::vector<AssetFile>;

// Every generated file, always the same bytes in the same order.
AssetList AllAssets();
// Writes AllAssets under dir, making folders as needed; each file is written under a temporary
// name and renamed into place. False with a message in *error (when given) on failure.
bool WriteAssets(const std::string& dir, std::string* error);

// Drawing ---------------------------------------------------------------------------------

// The colour key: pixels of this colour are left out when a sprite is drawn keyed.
inline constexpr uint32_t kKey = 0xFFFFFF;
inline constexpr uint32_t kBlack = 0x000000;

// A picture being drawn: 0x00RRGGBB pixels with row 0 at the bottom, the order of the game's
// images and of bitmap files, so (x, y) here is (x, y) of the loaded image. Everything drawn
// is clipped to the picture.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    Picture(int w, int h, uint32_t background = kKey);
    uint32_t At(int x, int y) const;
    void Set(int x, int y, uint32_t colour);
};

void FillRect(Picture& picture, int x, int y, int w, int h, uint32_t colour);
void FrameRect(Picture& picture, int x, int y, int w, int h, uint32_t colour);
// The ellipse inscribed in the rectangle (x, y, w, h).
void FillEllipse(Picture& picture, int x, int y, int w, int h, uint32_t colour);
void FillCircle(Picture& picture, int cx, int cy, int r, uint32_t colour);
void FillTriangle(Picture& picture, int x0, int y0, int x1, int y1, int x2, int y2,
                  uint32_t colour);
void DrawLine(Picture& picture, int x0, int y0, int x1, int y1, uint32_t colour);
// Squares of `cell` pixels alternating between a and b, starting with a at (x, y).
void Checker(Picture& picture, int x, int y, int w, int h, int cell, uint32_t a, uint32_t b);
// Copies src with its bottom-left corner at (x, y).
void Paste(Picture& picture, int x, int y, const Picture& src);

// The built-in font: 5x7 glyphs for digits, A-Z (lower case drawn as upper case), space and
// . , : ; - + / ! ? ' " ( ) = % * # < > _; any other character draws as a filled box.
inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr uint32_t kNoShadow = 0xFFFFFFFFu;

// Width of text drawn at the given scale: 6 * scale per glyph, less the last gap.
int TextWidth(std::string_view text, int scale = 1);
// Draws text with its bottom-left corner at (x, y), each dot scale x scale pixels.
void DrawText(Picture& picture, int x, int y, std::string_view text, uint32_t colour,
              int scale = 1);
// Draws text centred in the cell (x, y, w, h) at the largest scale that fits, with a shadow one
// pixel right and down unless shadow is kNoShadow.
void DrawTextInCell(Picture& picture, int x, int y, int w, int h, std::string_view text,
                    uint32_t colour, uint32_t shadow);

// Files ---------------------------------------------------------------------------------------

// A 24-bit bitmap file.
std::vector<uint8_t> EncodeBmp24(const Picture& picture);
// An 8-bit bitmap file with a full 256-entry palette (colours in order of first appearance,
// the rest black); empty when the picture has more than 256 colours.
std::vector<uint8_t> EncodeBmp8(const Picture& picture);
// A zlib stream of the bytes at the best compression level.
std::vector<uint8_t> Compress(const std::vector<uint8_t>& bytes);

// Appends a picture as a 24-bit bitmap file, plain or as a compressed bitmap (a zlib stream of
// the whole file, named without an extension).
void AddBmp(AssetList& list, std::string path, const Picture& picture);
void AddCompressedBmp(AssetList& list, std::string path, const Picture& picture);

}  // namespace assets
