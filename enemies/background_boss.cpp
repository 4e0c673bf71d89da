#include <algorithm>

#include "enemies/background.h"

namespace {

constexpr int32_t kFieldLeft = 134;
constexpr int32_t kFieldBottom = 8;
constexpr int32_t kFieldRightEnd = 510;  // one past the last column the field blits reach
constexpr uint32_t kPinkTint = 0xFFCCFF;

// Darkened by 255 - 2 * counter (not below 0) while counter < 125, plain copy after: the
// picture of a boss's first phases fading in.
void FadeInShared(int32_t counter) {
    if (counter < 125) {
        g_DrawCopy.mode = 9;
        g_DrawCopy.level = std::max(0, 255 - 2 * counter);
    } else {
        g_DrawCopy.mode = 21;
    }
}

// Brightened by 255 - 5 * counter (not below 0) while counter < 51, plain copy after.
void FlashInShared(int32_t counter) {
    if (counter < 51) {
        g_DrawCopy.mode = 19;
        g_DrawCopy.level = std::max(0, 255 - 5 * counter);
    } else {
        g_DrawCopy.mode = 21;
    }
}

// Tinted pink by `level` while v > 0, then a plain copy at level 0.
void PinkShared(int32_t v, int32_t level) {
    if (v > 0) {
        g_DrawCopy.mode = 7;
        g_DrawCopy.tint = kPinkTint;
        g_DrawCopy.level = level;
    } else {
        g_DrawCopy.mode = 21;
        g_DrawCopy.level = 0;
    }
}

// The cross-fade from a boss's first picture to its last: the first picture darkens for 125
// frames, then the second comes up out of the dark (darkened by 2v) until it shows plainly.
// True while the first picture is the one to draw.
bool CrossFadeShared(int32_t frame) {
    g_DrawCopy.mode = 9;
    if (frame < 125) {
        g_DrawCopy.level = 2 * frame;
        return true;
    }
    const int32_t v = 250 - frame;
    g_DrawCopy.level = 2 * v;
    if (v <= 0) g_DrawCopy.mode = 21;
    return false;
}

}  // namespace

void CBossBonusBG::Init() {
    ResetCounters();
    fade = 0;
    g_pBGImage2->LoadCompressed("img/bgbb1");
    g_pBGImage3->LoadCompressed("img/bgbb2");
}

void CBossBonusBG::Draw() {
    if (g_pfnBossProgress == nullptr) return;  // no boss is current yet: nothing to follow
    const BossProgress boss = g_pfnBossProgress();
    if (boss.phasesLeft < 1) {
        Whole(g_DrawCopy, kFieldLeft, kFieldBottom, *g_pBGImage3);
        return;
    }
    fade = boss.entered ? std::min(100, fade + 1) : std::max(0, fade - 1);
    Whole(CDrawMode(9, fade), kFieldLeft, kFieldBottom, *g_pBGImage2);
}

void CBoss1BG::Init() {
    ResetCounters();
    g_pBGImage2->LoadCompressed("img/bgb1");
    g_pBGImage3->LoadCompressed("img/bgb1-2");
}

void CBoss1BG::Draw() {
    if (g_pfnBossProgress == nullptr) return;
    const CImageShooting& tile = *g_pBGImage3;
    if (g_pfnBossProgress().phasesLeft == 1) {
        if (counter < 125) {
            g_DrawCopy.mode = 9;
            g_DrawCopy.level = 255 - 2 * counter;
        }
        Whole(g_DrawCopy, kFieldLeft, kFieldBottom, *g_pBGImage2);
        frame = 0;
        ++counter;
        return;
    }
    ++frame;
    if (CrossFadeShared(frame)) {
        // One row higher than in the first phase.
        Whole(g_DrawCopy, kFieldLeft, kFieldBottom + 1, *g_pBGImage2);
        return;
    }
    // This picture scrolls upward: the offset falls and wraps back to the picture's height.
    speed = 10;
    offset -= 10;
    if (offset < 1) offset = tile.height;
    TileRow(g_DrawCopy, kFieldLeft, offset, 5, tile, 0, 0, 375, tile.height);
}

void CBoss2BG::Init() {
    ResetCounters();
    g_pBGImage2->LoadCompressed("img/bgb2");
    g_pBGImage3->LoadCompressed("img/bgb2-2");
}

void CBoss2BG::Draw() {
    if (g_pfnBossProgress == nullptr) return;
    // The first picture is wider than the field; its middle part is shown.
    const auto drawFirst = [] {
        g_BackBuffer.BltField(g_DrawCopy, kFieldLeft, kFieldBottom, *g_pBGImage2, 100, 0, 376, 461);
    };
    if (g_pfnBossProgress().phasesLeft > 0) {
        ++counter;
        FadeInShared(counter);
        drawFirst();
        return;
    }
    ++frame;
    if (CrossFadeShared(frame)) {
        drawFirst();
    } else {
        Whole(g_DrawCopy, kFieldLeft, kFieldBottom, *g_pBGImage3);
    }
}

void CBoss3BG::Init() {
    ResetCounters();
    g_pBGImage3->LoadCompressed("img/bgb3-2");
    g_pBGImage2->LoadCompressed("img/bgb3");
    flash.LoadCompressed("img/bgb3f1");
    cloud[0].LoadCompressed("img/bgb3c1");
    cloud[1].LoadCompressed("img/bgb3c2");
    cloud[2].LoadCompressed("img/bgb3c3");
    cloud[3].LoadCompressed("img/bgb3c4");
}

void CBoss3BG::Draw() {
    if (g_pfnBossProgress == nullptr) return;
    if (g_pfnBossProgress().phasesLeft > 0) {
        ++counter;
        FlashInShared(counter);
        Whole(g_DrawCopy, kFieldLeft, kFieldBottom, *g_pBGImage2);
        return;
    }
    ++frame;
    if (frame < 300) {
        // Drawn with whatever the shared record was last given.
        Whole(g_DrawCopy, kFieldLeft, kFieldBottom, *g_pBGImage2);
    } else if (frame < 425) {
        // The level runs past 255 on purpose: the tint saturates and the picture stays
        // washed out for the last frames before the change.
        g_DrawCopy.mode = 7;
        g_DrawCopy.tint = kPinkTint;
        g_DrawCopy.level = std::min(300, 4 * (frame - 300));
        Whole(g_DrawCopy, kFieldLeft, kFieldBottom, *g_pBGImage2);
    } else {
        const int32_t v = 550 - frame;
        PinkShared(v, 2 * v);
        Whole(g_DrawCopy, kFieldLeft, kFieldBottom, *g_pBGImage3);
        DrawSkyAndClouds();
    }
}

// The clouds rush down over the last picture and wrap round; the flash screens over all.
// They have records of their own, so the shared record keeps what the picture set.
void CBoss3BG::DrawSkyAndClouds() {
    posA = 469 - (12 * frame) % 681;
    posB = 469 - (12 * frame + 200) % 681;
    posC = 469 - (4 * frame + 300) % 581;
    posD = 469 - (4 * frame + 100) % 581;
    const CDrawMode keyed(2);
    CDrawMode mirrored(11);
    mirrored.mirror = 1;
    Whole(keyed, 184, posC, cloud[2]);
    Whole(keyed, 234, posD, cloud[2]);
    Whole(keyed, kFieldLeft, posA, cloud[0]);
    Whole(mirrored, kFieldRightEnd - cloud[1].width, posB, cloud[1]);
    Whole(CDrawMode(12), kFieldLeft, kFieldBottom, flash);
}

void CBoss4BG::Init() {
    ResetCounters();
    g_pBGImage2->LoadCompressed("img/bgb4");
    g_pBGImage3->LoadCompressed("img/bgb4");
}

void CBoss4BG::Draw() {
    ++counter;
    FlashInShared(counter);
    Whole(g_DrawCopy, kFieldLeft, 6, *g_pBGImage2);
}

void CBoss5BG::Init() {
    ResetCounters();
    g_pBGImage2->LoadCompressed("img/bgb5-1");
    g_pBGImage3->LoadCompressed("img/bgb5-2");
}

void CBoss5BG::Draw() {
    if (g_pfnBossProgress == nullptr) return;
    if (g_pfnBossProgress().phasesLeft < 3) {
        ++frame;
        const int32_t v = 125 - frame;
        PinkShared(v, 2 * v);
        Whole(g_DrawCopy, kFieldLeft, kFieldBottom, *g_pBGImage3);
        return;
    }
    ++counter;
    FadeInShared(counter);
    Whole(g_DrawCopy, kFieldLeft, kFieldBottom, *g_pBGImage2);
}
