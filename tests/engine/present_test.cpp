#include <gtest/gtest.h>

#include "engine/image.h"
#include "platform/headless/headless.h"
#include "tests/engine/marked_picture.h"

// Presenting an image into the window: image row 0 is the window's bottom line, a rectangle
// (sx, sy, w, h) given top-down is shown at (dx, dy) of the window, cut to the image and the
// window, and the rest of the window keeps what the presents before left there.
namespace {

class Present : public ::testing::Test {
protected:
    void SetUp() override {
        platform::headless::Reset();
        platform::headless::KeepWindow();
        Paint(a_, 1);
        Paint(b_, 2);
    }
    uint32_t At(int x, int yFromTop) { return platform::headless::Window().At(x, yFromTop); }

    CImageDIB a_{kScreenWidth, kScreenHeight};
    CImageDIB b_{kScreenWidth, kScreenHeight};
};

}  // namespace

TEST_F(Present, RectanglesLandWhereTheyAreSentAndTheRestKeepsTheLastPresent) {
    a_.Present(0, 0);
    EXPECT_EQ(At(0, 0), Mark(1, 0, 479));
    EXPECT_EQ(At(639, 479), Mark(1, 639, 0));

    struct Case {
        int dx, dy, sx, sy, w, h;
        int x, yFromTop;  // a window pixel
        uint32_t shows;
    };
    const Case cases[] = {
        // The play area, in place: its corners from b, just outside them still a.
        {132, 8, 132, 8, 500, 464, 132, 8, Mark(2, 132, 471)},
        {132, 8, 132, 8, 500, 464, 631, 471, Mark(2, 631, 8)},
        {132, 8, 132, 8, 500, 464, 131, 8, Mark(1, 131, 471)},
        {132, 8, 132, 8, 500, 464, 632, 471, Mark(1, 632, 8)},
        {132, 8, 132, 8, 500, 464, 200, 7, Mark(1, 200, 472)},
        // Moved: source (132, 8) shown at (10, 20), 50x40.
        {10, 20, 132, 8, 50, 40, 10, 20, Mark(2, 132, 471)},
        {10, 20, 132, 8, 50, 40, 59, 59, Mark(2, 181, 432)},
        {10, 20, 132, 8, 50, 40, 60, 59, Mark(1, 60, 420)},
        {10, 20, 132, 8, 50, 40, 9, 20, Mark(1, 9, 459)},
        // Over the window's corner: only the 20x10 inside is shown.
        {620, 470, 0, 0, 50, 50, 639, 479, Mark(2, 19, 470)},
        {620, 470, 0, 0, 50, 50, 619, 479, Mark(1, 619, 0)},
        // A source starting left of and above the image: the part inside moves with it.
        {300, 100, -5, -3, 20, 20, 305, 103, Mark(2, 0, 479)},
        {300, 100, -5, -3, 20, 20, 304, 103, Mark(1, 304, 376)},
        {300, 100, -5, -3, 20, 20, 305, 102, Mark(1, 305, 377)},
    };
    for (const Case& c : cases) {
        a_.Present(0, 0);
        b_.PresentRect(c.dx, c.dy, c.sx, c.sy, c.w, c.h);
        EXPECT_EQ(At(c.x, c.yFromTop), c.shows)
            << "(" << c.dx << ", " << c.dy << ") from (" << c.sx << ", " << c.sy << "), window ("
            << c.x << ", " << c.yFromTop << ")";
    }

    // A whole image shown at an offset.
    a_.Present(0, 0);
    b_.Present(600, 400);
    EXPECT_EQ(At(600, 400), Mark(2, 0, 479));
    EXPECT_EQ(At(599, 400), Mark(1, 599, 79));
}

TEST_F(Present, AWindowNobodyKeepsIsOnlyCounted) {
    platform::headless::Reset();
    a_.Present(0, 0);
    b_.PresentRect(132, 8, 132, 8, 500, 464);
    // Only an image of the window's size is shown.
    CImageDIB(kScreenWidth, kScreenHeight - 1).Present(0, 0);
    CImageDIB(kScreenWidth - 1, kScreenHeight).Present(0, 0);
    EXPECT_EQ(platform::headless::PresentCount(), 2);
    EXPECT_EQ(At(200, 200), 0u);
}
