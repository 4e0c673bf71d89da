#pragma once

#include <cstdint>
#include <memory>

#include "engine/draw_mode.h"

// A 32-bit picture, 0x00RRGGBB pixels, row 0 at the bottom (y grows upward, as on screen).
class CImage32 {
public:
    uint32_t* pixels = nullptr;  // null when the image has no surface
    int32_t width = 0;
    int32_t height = 0;

    CImage32() = default;
    CImage32(const CImage32&) = delete;
    CImage32& operator=(const CImage32&) = delete;
    virtual ~CImage32();

    virtual void Free();
    // Frees the old surface, then makes a zero-filled (black) one of the given size.
    virtual void Create(int32_t w, int32_t h);

    uint32_t* GetPixelAddress(int32_t x, int32_t y);
    const uint32_t* GetPixelAddress(int32_t x, int32_t y) const;
    void SetPixel(int32_t x, int32_t y, uint32_t colour);

    // The blitter. Every form copies the rectangle (sx, sy, w, h) of src to (x, y) of this
    // image through the record's blend mode; they differ only in how they clip.
    void BltCore(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src, int32_t sx,
                 int32_t sy, int32_t w, int32_t h);
    bool Blt(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src, int32_t sx, int32_t sy,
             int32_t w, int32_t h);
    bool BltWide(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src, int32_t sx,
                 int32_t sy, int32_t w, int32_t h);
    bool BltField(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src, int32_t sx,
                  int32_t sy, int32_t w, int32_t h);
    bool BltNoClip(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src, int32_t sx,
                   int32_t sy, int32_t w, int32_t h);

    bool BltAll(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src);
    bool BltNoClipAll(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src);
    bool BltFieldAll(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src);
    bool BltWideAll(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src);
    bool BltFieldFrom(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src, int32_t sx,
                      int32_t sy);

    bool Copy(int32_t x, int32_t y, const CImage32& src);
    bool CopyNoClip(int32_t x, int32_t y, const CImage32& src);
    bool CopyField(int32_t x, int32_t y, const CImage32& src);

    // The option lasers' row: n - 2 pixels from p brightened by c, the middle one 0x9999FF.
    static void AddBeamRow(uint32_t* p, uint32_t c, int32_t n);

    // Scaled blits: the rectangle (sx, sy, w, h) of src grown or shrunk by `scale` with its
    // lower-left corner at (x, y), cut to the play field. They blend by their own row kernels
    // (mode 2 keyed copy, 4 multiply, 10 full add, any other the add scaled by the level). A
    // scale that is not above 0 draws nothing.
    void BltScaled(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src, double scale,
                   int32_t sx, int32_t sy, int32_t w, int32_t h);
    void BltScaledAll(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src, double scale);
    // The whole source, scaled and centred on (x, y).
    void BltScaledCentred(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src,
                          double scale);
    // The rectangle, scaled and centred on (x, y).
    void BltScaledCentredRect(const CDrawMode& dm, int32_t x, int32_t y, const CImage32& src,
                              double scale, int32_t sx, int32_t sy, int32_t w, int32_t h);
    // Takes level (kept within 0..255) off every channel, not below 0.
    void Darken(int32_t level);
    void DarkenRect(int32_t level, int32_t x, int32_t y, int32_t w, int32_t h);
    // Scales the width only, rows one to one; screens and adds on alternate calls.
    void BltScaledFlicker(int32_t x, int32_t y, const CImage32& src, int32_t sx, int32_t sy,
                          int32_t w, int32_t h, double scale);
    // One-pixel-wide additive spans of the pixels p[0..count), field-clipped, mode 10 only:
    // rightward along row y, and upward along column x.
    void AddSpanH(const CDrawMode& dm, int32_t x, int32_t y, const uint32_t* p, int32_t count);
    void AddSpanV(const CDrawMode& dm, int32_t x, int32_t y, const uint32_t* p, int32_t count);

    // Turned and scaled blits: the rectangle is turned by `angle` radians (counter-clockwise)
    // and scaled about the centre (cx, cy), or for the pivot forms about the point half its
    // width across and `pivot` above its bottom edge. The draw mode is carried for the callers
    // but each operation has its own blend: keyed saturating add, keyed copy, or keyed copy
    // brightened by 100.
    void BltRotatedAdd(int32_t cx, int32_t cy, double angle, double scale, const CDrawMode& dm,
                       const CImage32& src, int32_t sx, int32_t sy, int32_t w, int32_t h);
    void BltRotatedAddAll(int32_t cx, int32_t cy, double angle, double scale, const CDrawMode& dm,
                          const CImage32& src);
    void BltRotatedKey(int32_t cx, int32_t cy, double angle, double scale, const CDrawMode& dm,
                       const CImage32& src, int32_t sx, int32_t sy, int32_t w, int32_t h);
    void BltRotatedKeyPivot(int32_t cx, int32_t cy, double angle, double scale, const CDrawMode& dm,
                            const CImage32& src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                            int32_t pivot);
    void BltRotatedFlash(int32_t cx, int32_t cy, double angle, double scale, const CDrawMode& dm,
                         const CImage32& src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                         int32_t pivot);
    // A straight beam from (x, y) at `angle` whole degrees, painted row by row from row 0 of
    // a 14-texel strip stretched over each row, opening from its tip over 128 rows.
    void DrawBeam(int32_t x, int32_t y, int32_t angle, int32_t length, const CImage32& strip,
                  int32_t width);

private:
    std::unique_ptr<uint32_t[]> storage_;
};

// Which blend the next BltScaledFlicker uses: the add when true, the screen when false.
extern bool g_bFlickerAdd;

// The presentable image. Pixels stay in ordinary memory in the same bottom-up order; the
// platform layer shows them.
class CImageDIB : public CImage32 {
public:
    CImageDIB() { CImageDIB::Create(1, 1); }
    CImageDIB(int32_t w, int32_t h) { CImageDIB::Create(w, h); }
    ~CImageDIB() override = default;

    // Shows the whole image at (x, y) of the window.
    void Present(int32_t x, int32_t y) const;
    // Shows the rectangle (sx, sy, w, h) of the image at (dx, dy) of the window; coordinates are
    // top-down, as the window counts them.
    void PresentRect(int32_t dx, int32_t dy, int32_t sx, int32_t sy, int32_t w, int32_t h) const;
};

// A sprite, sheet or background loaded from a bitmap file.
class CImageShooting : public CImageDIB {
public:
    CImageShooting() = default;
    CImageShooting(int32_t w, int32_t h) : CImageDIB(w, h) {}
    explicit CImageShooting(const char* path) { Load(path); }
    ~CImageShooting() override = default;

    // Replaces the image with a bitmap file's pixels; a file that cannot be read leaves a
    // black 1x1 image.
    void Load(const char* path);
    // The same for a zlib-compressed bitmap file.
    void LoadCompressed(const char* path);
    // The same for a whole bitmap file already in memory.
    void LoadFromMemory(const uint8_t* bytes, size_t size);
};

// The 640x480 back buffer every scene draws into.
inline constexpr int32_t kScreenWidth = 640;
inline constexpr int32_t kScreenHeight = 480;
extern CImageDIB g_BackBuffer;
