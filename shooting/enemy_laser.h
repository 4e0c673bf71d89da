#pragma once

#include <bit>

#include <cstdint>

#include "engine/image.h"
#include "shooting/fling_object.h"

// One laser to draw this frame. What a, b, c, d and e mean depends on the kind.
// Some kinds carry a scale in a record's p6 and p7 words: the low and the high half of a
// double's bits.
inline int32_t ScaleLowWord(double scale) {
    return static_cast<int32_t>(static_cast<uint32_t>(std::bit_cast<uint64_t>(scale)));
}
inline int32_t ScaleHighWord(double scale) {
    return static_cast<int32_t>(static_cast<uint32_t>(std::bit_cast<uint64_t>(scale) >> 32));
}

struct LaserRecord {
    int32_t x = 0;  // origin
    int32_t y = 0;
    int32_t p3 = 0;     // kept, read by no kind
    int32_t p6 = 0;     // kind 1: the low half of its scale
    int32_t p7 = 0;     // kind 1: the high half of its scale
    int32_t angle = 0;  // kept, brought to 1 or more
    int32_t kind = 0;
    uint8_t live = 0;
    int32_t age = 0;
    int32_t a = 0;
    int32_t b = 0;
    int32_t c = 0;
    int32_t d = 0;
    int32_t e = 0;
};

// The enemy lasers. They are not pooled: enemies, bosses and laser shots add a record every
// frame they fire, the scene draws the list after the flying objects (each record drawing its
// beam and testing the ship) and then empties it.
class CELazer : public CEnemyObject {
public:
    static constexpr int32_t kRecordCount = 30;

    int32_t count = 0;  // records added this frame
    // The colour of the gradient beams, shared by every record.
    int32_t red = 255;
    int32_t green = 62;
    int32_t blue = 32;
    LaserRecord records[kRecordCount];

    // Each channel kept within 0..255.
    void SetColor(int32_t r, int32_t g, int32_t b);
    // Fills the next record. The list holds 30 a frame; later adds are dropped.
    void Add(int32_t x, int32_t y, int32_t p3, int32_t angle, int32_t kind, int32_t p6, int32_t p7,
             int32_t a, int32_t b, int32_t c, int32_t d, int32_t e);
    void AddSimple(int32_t x, int32_t y, int32_t p3, int32_t angle, int32_t kind, int32_t p6,
                   int32_t p7);
    // Record i, when live: its beam into the back buffer and its test against the ship.
    void Draw(int32_t i);
    void Clear();
};

extern CELazer g_ELazer;
