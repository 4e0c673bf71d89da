// Shows known pictures in the real SDL window, so a screenshot of it can be checked pixel for
// pixel: `present_check show` presents a whole picture, then two rectangles of a second one
// (the play area in place, and a small one moved), and keeps the window up, showing again now
// and then without new pixels, until Delete or the window is closed. `present_check compare
// FILE` checks an xwd screenshot of the window against what those presents must leave.

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string_view>
#include <vector>

#include "engine/image.h"
#include "platform/platform.h"
#include "tests/engine/marked_picture.h"

namespace {

struct Rect {
    int dx, dy, sx, sy, w, h;
};
constexpr Rect kPlayArea{132, 8, 132, 8, 500, 464};
constexpr Rect kMoved{10, 20, 132, 8, 50, 40};

bool Inside(const Rect& r, int x, int y) {
    return x >= r.dx && x < r.dx + r.w && y >= r.dy && y < r.dy + r.h;
}

// What window pixel (x, y), counted from the top, must show.
uint32_t Expected(int x, int y) {
    for (const Rect& r : {kMoved, kPlayArea}) {
        if (Inside(r, x, y)) return Mark(2, x - r.dx + r.sx, 479 - (y - r.dy + r.sy));
    }
    return Mark(1, x, 479 - y);
}

int Show() {
    if (!platform::Init(platform::WindowStyle::Windowed)) {
        std::fprintf(stderr, "no window\n");
        return 1;
    }
    platform::ShowWindow();
    CImageDIB a(kScreenWidth, kScreenHeight);
    CImageDIB b(kScreenWidth, kScreenHeight);
    Paint(a, 1);
    Paint(b, 2);
    a.Present(0, 0);
    for (const Rect& r : {kPlayArea, kMoved})
        b.PresentRect(r.dx, r.dy, r.sx, r.sy, r.w, r.h);
    for (;;) {
        platform::Event event{};
        while (platform::PollEvent(event)) {
            if (event.type == platform::Event::Type::Quit ||
                (event.type == platform::Event::Type::KeyDown &&
                 event.key == platform::Key::Delete)) {
                platform::Shutdown();
                return 0;
            }
        }
        b.PresentRect(0, 0, 0, 0, 0, 0);
        for (int i = 0; i < 50; ++i)
            platform::Sleep1ms();
    }
}

uint32_t BigEndian(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) << 24 | static_cast<uint32_t>(bytes[at + 1]) << 16 |
           static_cast<uint32_t>(bytes[at + 2]) << 8 | bytes[at + 3];
}

// The value of a mask's bits, moved down to bit 0.
uint32_t Channel(uint32_t pixel, uint32_t mask) {
    if (mask == 0) return 0;
    while ((mask & 1) == 0) {
        mask >>= 1;
        pixel >>= 1;
    }
    return pixel & mask;
}

int Compare(const char* path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in), {}};
    if (file.size() < 100) {
        std::fprintf(stderr, "%s: not an xwd file\n", path);
        return 1;
    }
    // The header's words, as xwd writes them: big-endian.
    auto word = [&](int i) { return BigEndian(file, static_cast<size_t>(i) * 4); };
    const uint32_t headerSize = word(0), width = word(4), height = word(5), byteOrder = word(7),
                   bitsPerPixel = word(11), bytesPerLine = word(12), redMask = word(14),
                   greenMask = word(15), blueMask = word(16), colours = word(19);
    const size_t start = headerSize + static_cast<size_t>(colours) * 12;
    if (width != 640 || height != 480 || bitsPerPixel != 32 ||
        file.size() < start + static_cast<size_t>(bytesPerLine) * height) {
        std::fprintf(stderr, "%s: a %ux%u window at %u bits a pixel, not 640x480 at 32\n", path,
                     width, height, bitsPerPixel);
        return 1;
    }
    int wrong = 0;
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            const uint8_t* p = &file[start + static_cast<size_t>(y) * bytesPerLine + x * 4u];
            const uint32_t pixel =
                byteOrder == 0
                    ? uint32_t{p[0]} | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24
                    : BigEndian(file, static_cast<size_t>(p - &file[0]));
            const uint32_t shown = Channel(pixel, redMask) << 16 | Channel(pixel, greenMask) << 8 |
                                   Channel(pixel, blueMask);
            if (shown != Expected(x, y) && wrong++ < 5) {
                std::fprintf(stderr, "window (%d, %d) shows %06x, not %06x\n", x, y, shown,
                             Expected(x, y));
            }
        }
    }
    if (wrong != 0) std::fprintf(stderr, "%d pixels differ\n", wrong);
    return wrong == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string_view(argv[1]) == "show") return Show();
    if (argc == 3 && std::string_view(argv[1]) == "compare") return Compare(argv[2]);
    std::fprintf(stderr, "usage: present_check show | compare FILE.xwd\n");
    return 2;
}
