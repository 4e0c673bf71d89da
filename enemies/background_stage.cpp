#include <algorithm>
#include <initializer_list>

#include "enemies/background.h"

namespace {

constexpr int32_t kFieldLeft = 134;
constexpr int32_t kFieldBottom = 8;
// Width of the scrolled strip of the three-tile rows: the play field and a little beyond.
constexpr int32_t kStripWidth = 380;
// The start of every stage runs at this speed while the picture fades in.
constexpr int32_t kStartSpeed = 7;
constexpr int32_t kStartFrames = 100;

struct SpeedStep {
    int32_t from;  // first frame of the step
    int32_t speed;
};

// The speed of the last step the frame has reached; before the first step it stays as it was.
int32_t Stepped(int32_t frame, int32_t speed, std::initializer_list<SpeedStep> steps) {
    for (const SpeedStep& step : steps) {
        if (frame >= step.from) speed = step.speed;
    }
    return speed;
}

// The fade-in shared by the stages that darken: from 50 down to 1 over the first 100 frames.
int32_t FadeInLevel(int32_t frame) {
    return 50 - frame / 2;
}

// Brightened toward white by five levels a frame from `from` on (at most 255), a plain copy
// before; set in the shared record, where it stays after the draw.
void BrightenSharedFrom(int32_t frame, int32_t from) {
    if (frame >= from) {
        g_DrawCopy.mode = 19;
        g_DrawCopy.level = std::min(255, (frame - from) * 5);
    } else {
        g_DrawCopy.mode = 21;
    }
}

}  // namespace

void CStageBonusBG::Init() {
    ResetCounters();
    g_pBGImage1->LoadCompressed("img/bgsb");
}

void CStageBonusBG::Draw() {
    const CImageShooting& tile = *g_pBGImage1;
    ++frame;
    speed = 6;
    offset += speed;
    if (offset >= tile.height) offset = 0;
    const int32_t level = frame < 1150 ? 255 - 5 * frame : frame - 1150;
    TileRow(Darkened(level), kFieldLeft, offset, 3, tile, 0, 0, kStripWidth, tile.height);
}

void CStage1BG::Init() {
    ResetCounters();
    g_pBGImage1->LoadCompressed("img/bgs1m");
    g_pBGImage2->LoadCompressed("img/bgs1b");
}

void CStage1BG::Draw() {
    const CImageShooting& tile = *g_pBGImage1;
    ++frame;
    offset += speed;
    if (offset >= tile.height) offset = 0;
    int32_t level = 0;
    if (frame < kStartFrames) {
        level = FadeInLevel(frame);
        speed = kStartSpeed;
    } else if (frame > 5000 && frame < 5050) {
        level = frame - 5000;
    } else if (frame >= 5050) {
        level = 60;
    }
    speed = Stepped(frame, speed, {{1000, 8}, {2000, 9}, {3000, 10}, {4000, 11}});
    Whole(Darkened(level), kFieldLeft, kFieldBottom, *g_pBGImage2);
    TileRow(CDrawMode(2), kFieldLeft, offset, 3, tile, 0, 0, kStripWidth, tile.height);
}

void CStage2BG::Init() {
    ResetCounters();
    g_pBGImage1->LoadCompressed("img/bgs2");
}

void CStage2BG::Draw() {
    const CImageShooting& tile = *g_pBGImage1;
    ++frame;
    offset += speed;
    if (offset >= tile.height) offset = 0;
    int32_t level = 0;
    if (frame < kStartFrames) {
        level = FadeInLevel(frame);
        speed = kStartSpeed;
    }
    if (frame >= 7141) level = frame - 7140;
    TileRow(Darkened(level), kFieldLeft, offset, 3, tile, 0, 0, kStripWidth, tile.height);
    speed = Stepped(frame, speed, {{1000, 8}, {2000, 9}, {4300, 10}, {5300, 11}});
}

void CStage3BG::Init() {
    ResetCounters();
    g_pBGImage1->LoadCompressed("img/bgs3");
}

void CStage3BG::Draw() {
    const CImageShooting& tile = *g_pBGImage1;
    offset += speed;
    ++frame;
    if (offset >= tile.height) offset = 0;
    BrightenSharedFrom(frame, 7700);
    // The picture is wider than the field; its left 25 columns never show.
    TileRow(g_DrawCopy, kFieldLeft, offset, 3, tile, 25, 0, kStripWidth, tile.height);
    if (frame < kStartFrames) speed = kStartSpeed;
    speed = Stepped(frame, speed, {{1000, 8}, {2000, 9}, {5000, 10}, {6000, 11}});
}

void CStage4BG::Init() {
    ResetCounters();
    g_pBGImage1->LoadCompressed("img/bgs4m");
    overlay.LoadCompressed("img/bgs4f");
}

void CStage4BG::Draw() {
    const CImageShooting& tile = *g_pBGImage1;
    offset += speed;
    ++frame;
    if (offset >= tile.height) offset = 0;
    if (frame >= 8100) {
        BrightenSharedFrom(frame, 8100);
        TileRow(g_DrawCopy, kFieldLeft, offset, 3, tile, 0, 0, kStripWidth, tile.height);
        return;
    }
    if (frame < kStartFrames) speed = kStartSpeed;
    speed = Stepped(frame, speed, {{1000, 8}, {2000, 9}, {4300, 10}, {6000, 11}});
    g_DrawCopy.mode = 21;
    TileRow(g_DrawCopy, kFieldLeft, offset, 3, tile, 0, 0, kStripWidth, tile.height);
    Whole(CDrawMode(4), kFieldLeft, kScreenHeight - overlay.height, overlay);
}

void CStage5BG::Init() {
    ResetCounters();
    offset2 = 0;
    g_pBGImage1->LoadCompressed("img/bgs5c");
    g_pBGImage2->LoadCompressed("img/bgs5a");
    g_pBGImage3->LoadCompressed("img/bgs5b");
}

void CStage5BG::Draw() {
    const CImageShooting& centre = *g_pBGImage1;
    const CImageShooting& left = *g_pBGImage2;
    const CImageShooting& right = *g_pBGImage3;
    ++frame;
    offset += speed;
    offset2 += speed;
    if (frame < kStartFrames) speed = kStartSpeed;
    speed = Stepped(frame, speed, {{1000, 8}, {2000, 9}, {4300, 10}, {6000, 11}, {7500, 12}});
    if (offset >= centre.height) offset = 0;
    if (offset2 >= right.height) offset2 = 0;
    int32_t level = 0;
    if (frame < kStartFrames) {
        level = FadeInLevel(frame);
    } else if (frame > 10000) {
        level = frame - 10000;
    }
    const CDrawMode dm = Darkened(level);
    TileRow(dm, kFieldLeft, offset2, 4, left, 0, 0, left.width, left.height);
    TileRow(dm, 252, offset, 4, centre, 0, 0, centre.width, centre.height);
    TileRow(dm, 391, offset2, 4, right, 0, 0, right.width, right.height);
}
