#include "game/chat.h"

#include <algorithm>
#include <iterator>

#include "engine/game_state.h"
#include "engine/trunc.h"
#include "game/input.h"
#include "game/sprite_images.h"

CChat* g_pChat = nullptr;

namespace {

// Faces slide in over 10 frames across the play field's edges (x 134 to 509).
constexpr int32_t kSlideFrames = 10;
constexpr int32_t kFieldLeft = 134;
constexpr int32_t kFieldRight = 510;
constexpr int32_t kFieldCentre = 322;
constexpr int32_t kRightSlideStep = 35;
constexpr int32_t kLeftSlideReach = 46;

constexpr int32_t kPageRows = 120;
constexpr int32_t kTextX = 160;
constexpr int32_t kTextY = 40;
constexpr int32_t kWindowX = 140;
constexpr int32_t kWindowY = 30;
constexpr int32_t kNamePlateCount = 6;
constexpr int32_t kInsetSize = 70;

const CDrawMode kPlainCopy;
const CDrawMode kAverage(17);
const CDrawMode kThreeQuarter(18);

// The files of slots A to D and the text by stage index; null leaves the slot at 1x1.
struct SlotSet {
    const char* faces[CChat::kSlotCount];
    const char* text;
};

constexpr SlotSet kSlotSets[] = {
    {{"img/cb3.bmp", "img/ch1.bmp", "img/cb1.bmp", "img/ch2.bmp"}, "text/chatstrb.bmp"},
    {{"img/cb1.bmp", "img/cb2.bmp", nullptr, nullptr}, "text/chatstr1.bmp"},
    {{"img/cc1.bmp", "img/cc2.bmp", "img/cb2.bmp", "img/cb1.bmp"}, "text/chatstr2.bmp"},
    {{"img/ct1.bmp", "img/cm1.bmp", "img/cb2.bmp", "img/cm2.bmp"}, "text/chatstr3.bmp"},
    {{"img/cb1.bmp", "img/face.bmp", nullptr, nullptr}, "text/chatstr5.bmp"},
    {{"img/cl1.bmp", "img/cb1.bmp", "img/cl1.bmp", "img/cb2.bmp"}, "text/chatstr6.bmp"},
};
constexpr int32_t kSlotSetCount = static_cast<int32_t>(std::size(kSlotSets));

int32_t Centred(const CImage32& face) {
    return kFieldCentre - face.width / 2;
}

// Name plate `band` of the six stacked in "text/name.bmp", band 0 at the bottom.
void DrawName(int32_t band, int32_t x, int32_t y) {
    const int32_t rows = g_ChatNameImage.height / kNamePlateCount;
    g_BackBuffer.BltField(g_DrawChatText, x, y, g_ChatNameImage, 0, band * rows,
                          g_ChatNameImage.width, rows);
}

}  // namespace

CChat::CChat() {
    window.Load("img/bbs2.bmp");
    faceSheet.Load("img/face.bmp");
    for (CImageShooting& face : faces)
        face.Create(1, 1);
    text.Create(1, 1);
}

void CChat::Load() {
    if (g_nStage >= 0 && g_nStage < kSlotSetCount) {
        const SlotSet& set = kSlotSets[g_nStage];
        for (int i = 0; i < kSlotCount; ++i) {
            if (set.faces[i] != nullptr) {
                faces[i].Load(set.faces[i]);
            } else {
                faces[i].Create(1, 1);
            }
        }
        text.Load(set.text);
    }
    Reset();
}

void CChat::Reset() {
    shot = 0;
    frame = 0;
    page = 0;
}

int32_t CChat::Run() {
    if (g_bChat == 0) return 0;
    switch (g_nChat) {
        case 1:
            return Play({1, 20, false, &CChat::DrawChat1});
        case 2:
            return Play({3, 20, true, &CChat::DrawChat2});
        case 3:
            return Play({4, 20, true, &CChat::DrawChat3});
        case 4:
            return Play({2, 10, true, &CChat::DrawChat4});
        case 5:
            // Stage 5's boss is met without words: the conversation has no page to draw.
            return Play({0, 20, true, nullptr});
        case 0:
            return Play({4, 20, true, &CChat::DrawBonusChat});
        case 42:
            return Play({5, 20, true, &CChat::DrawChat42});
        case 52:
            return Play({4, 20, true, &CChat::DrawChat52});
        default:
            return 0;
    }
}

int32_t CChat::Play(const Conversation& conversation) {
    ++frame;
    shotPrev = shot;
    shot = g_Input.shot;
    if (page >= conversation.pages) {
        page = 0;
        frame = 0;
        return 0;
    }
    if (shot != 0 && shotPrev == 0 && frame > conversation.shotDelay) {
        ++page;
        if (conversation.restartFrame) frame = 1;
    }
    // The frame that turns the last page shows no page; the next one ends the conversation.
    if (page < conversation.pages) (this->*conversation.draw)();
    return 1;
}

int32_t CChat::FromRight(int32_t restX) const {
    return frame < kSlideFrames ? kFieldRight - kRightSlideStep * frame : restX;
}

int32_t CChat::FromLeft(const CImage32& face, int32_t restX) const {
    if (frame >= kSlideFrames) return restX;
    return kFieldLeft - face.width + (kLeftSlideReach + face.width) * frame / kSlideFrames;
}

// The plain slides aim at fixed rest places; toward a centred rest x they would overshoot and
// jump back (from the right) or jump ahead (from the left). A centred face instead covers the
// way from its start (the field's right edge, or just out of the left one) to 322 - w/2 in
// equal steps, truncated, and is there on the last slide frame, frame 9.
int32_t CChat::CentredSlide(const CImage32& face, int32_t startX) const {
    const int32_t restX = Centred(face);
    const int32_t lastFrame = kSlideFrames - 1;
    if (frame >= lastFrame) return restX;
    return startX + (restX - startX) * frame / lastFrame;
}

int32_t CChat::CentredFromRight(const CImage32& face) const {
    return CentredSlide(face, kFieldRight);
}

int32_t CChat::CentredFromLeft(const CImage32& face) const {
    return CentredSlide(face, kFieldLeft - face.width);
}

// Faces are drawn colour-keyed and clipped to the play field, like the name plates: a face
// sliding in from an edge never shows over the side panels.
void CChat::DrawFace(Slot slot, int32_t x, int32_t y) {
    g_BackBuffer.BltFieldAll(g_DrawChatText, x, y, faces[slot]);
}

void CChat::DrawWindow(const CDrawMode& dm) {
    g_BackBuffer.BltFieldAll(dm, kWindowX, kWindowY, window);
}

void CChat::DrawTextRows(int32_t sourceRow, int32_t rows, int32_t y) {
    g_BackBuffer.BltField(g_DrawAdd255, kTextX, y, text, 0, sourceRow, text.width, rows);
}

void CChat::DrawPageText(int32_t y) {
    DrawTextRows(text.height - kPageRows * (page + 1), kPageRows, y);
}

void CChat::DrawInset(int32_t sx, int32_t x, int32_t y, const CDrawMode& dm) {
    g_BackBuffer.BltField(dm, x, y, faces[kSlotB], sx, 0, kInsetSize, kInsetSize);
}

void CChat::DrawChat1() {
    DrawFace(kSlotA, FromRight(160), 200);
    DrawWindow(kPlainCopy);
    DrawPageText(kTextY);
    DrawName(5, 160, 155);
}

void CChat::DrawChat2() {
    if (page == 0) DrawFace(kSlotA, FromRight(155), 190);
    if (page == 1) DrawFace(kSlotB, FromRight(150), 190);
    if (page == 2) DrawFace(kSlotC, FromLeft(faces[kSlotC], 185), 195);
    DrawWindow(page == 0 ? kPlainCopy : g_DrawChatText);
    DrawPageText(kTextY);
    if (page == 0) DrawName(4, 160, 160);
}

void CChat::DrawChat3() {
    if (page == 0) DrawFace(kSlotA, CentredFromRight(faces[kSlotA]), 190);
    if (page == 1) DrawFace(kSlotB, CentredFromRight(faces[kSlotB]), 190);
    if (page == 2) DrawFace(kSlotC, FromLeft(faces[kSlotC], 185), 195);
    if (page == 3) DrawFace(kSlotD, FromRight(134), 190);
    DrawWindow(page < 2 ? kPlainCopy : g_DrawChatText);
    DrawPageText(30);
    if (page < 2) DrawName(3 - page, 160, 155);
}

void CChat::DrawChat4() {
    if (page == 1) DrawFace(kSlotA, CentredFromLeft(faces[kSlotA]), 195);
    DrawWindow(kAverage);
    if (page == 0) {
        DrawPageText(kTextY);
        DrawInset(280, 400, 170, kThreeQuarter);
    } else {
        DrawTextRows(text.height - 160, 40, 120);
    }
}

void CChat::DrawBonusChat() {
    if (page == 0 || page == 2) DrawFace(kSlotB, CentredFromRight(faces[kSlotB]), 190);
    if (page == 1) DrawFace(kSlotC, CentredFromLeft(faces[kSlotC]), 190);
    if (page == 3) {
        const int32_t x = frame < kSlideFrames ? Trunc(510 - 37.6 * frame) : 134;
        DrawFace(kSlotD, x, 190);
    }
    DrawWindow(kPlainCopy);
    DrawPageText(kTextY);
    if (page == 0) DrawName(1, 160, 165);
}

// The mid-fight talk with the stage-4 boss reads on in the stage-4 text below the pre-boss
// conversation's 160 rows: 80, 40, 40, 80 and 40 rows, one band per page.
void CChat::DrawChat42() {
    struct Band {
        int32_t top;  // rows below the top of the text image
        int32_t rows;
        int32_t y;
    };
    static constexpr Band kBands[] = {
        {160, 80, 80}, {240, 40, 120}, {280, 40, 120}, {320, 80, 80}, {400, 40, 120}};
    // The faces stand where the stage-4 conversation's second page puts them.
    if (page == 1 || page == 4) {
        DrawFace(kSlotA, CentredFromLeft(faces[kSlotA]), 195);
    }
    DrawWindow(kPlainCopy);
    const Band& band = kBands[page];
    DrawTextRows(text.height - band.top - band.rows, band.rows, band.y);
    // The insets blend as in the stage-4 conversation.
    if (page == 0) DrawInset(280, 400, 170, kThreeQuarter);
    if (page == 2) DrawInset(70, 400, 170, kThreeQuarter);
    if (page == 3) {
        DrawInset(140, 370, 200, kThreeQuarter);
        DrawInset(210, 430, 140, kThreeQuarter);
    }
}

// The last boss's words fade in from black: a keyed darken whose level falls to 0, where it
// is a plain keyed copy.
void CChat::DrawChat52() {
    if (page == 1) {
        // The answer comes from the player's side, slot B.
        DrawFace(kSlotB, CentredFromLeft(faces[kSlotB]), 190);
    } else {
        int32_t level = 0;
        if (page == 0) level = std::max(0, 255 - 5 * frame);
        if (page == 2) level = std::max(0, 255 - 20 * frame);
        g_BackBuffer.BltFieldAll(CDrawMode(22, level), 134, 200, faces[kSlotC]);
    }
    DrawWindow(page == 1 ? g_DrawChatText : kPlainCopy);
    DrawPageText(kTextY);
    if (page == 0) DrawName(0, 280, 175);
}
