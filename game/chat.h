#pragma once

#include <cstdint>

#include "engine/image.h"

// The conversation player: the picture-and-text pages shown before each boss (conversation
// number = stage index) and the two that interrupt boss fights (42 and 52). One page at a
// time; a fresh shot press turns the page once the page has been up long enough.
class CChat {
public:
    static constexpr int kSlotCount = 4;
    enum Slot : int { kSlotA, kSlotB, kSlotC, kSlotD };

    uint8_t shot = 0;      // shot button this frame
    uint8_t shotPrev = 0;  // shot button last frame
    int32_t frame = 0;     // frames since the page began
    int32_t page = 0;

    CImageShooting window;     // "img/bbs2.bmp", the text window
    CImageShooting faceSheet;  // "img/face.bmp"
    CImageShooting faces[kSlotCount];
    CImageShooting text;  // the pages' text, page 0 in the top rows

    // Loads the window and face sheet; the slots and the text stay 1x1 until Load.
    CChat();
    CChat(const CChat&) = delete;
    CChat& operator=(const CChat&) = delete;

    // Fills the slots and the text for the current stage index, then Reset.
    void Load();
    void Reset();
    // One frame of conversation g_nChat: 1 while it goes on, 0 once it is over (at once when
    // conversations are off or the number has no pages).
    int32_t Run();

private:
    struct Conversation {
        int32_t pages;
        int32_t shotDelay;  // a press counts only once frame is above this
        bool restartFrame;  // a new page starts its frame count again
        void (CChat::*draw)();
    };
    int32_t Play(const Conversation& conversation);

    void DrawChat1();
    void DrawChat2();
    void DrawChat3();
    void DrawChat4();
    void DrawBonusChat();
    void DrawChat42();
    void DrawChat52();

    int32_t FromRight(int32_t restX) const;
    int32_t FromLeft(const CImage32& face, int32_t restX) const;
    int32_t CentredSlide(const CImage32& face, int32_t startX) const;
    int32_t CentredFromRight(const CImage32& face) const;
    int32_t CentredFromLeft(const CImage32& face) const;
    void DrawFace(Slot slot, int32_t x, int32_t y);
    void DrawWindow(const CDrawMode& dm);
    void DrawTextRows(int32_t sourceRow, int32_t rows, int32_t y);
    void DrawPageText(int32_t y);
    void DrawInset(int32_t sx, int32_t x, int32_t y, const CDrawMode& dm);
};

extern CChat* g_pChat;
