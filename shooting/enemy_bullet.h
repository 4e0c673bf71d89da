#pragma once

#include <bit>
#include <cstdint>

#include "engine/image.h"
#include "shooting/bullet_kinds.h"
#include "shooting/fling_object.h"

// One enemy bullet. It flies straight, optionally slowing down to a cap speed, kills the ship
// when the hit point comes within its radius, and leaves play at the edge of its area.
// Three of its values live in base fields: the animation counter in `step`, the folded sprite
// angle of a turned bullet in `angle`, and the cap speed as one double over param1 and param2.
class CEBullet : public CEnemyObject {
public:
    uint8_t decel = 0;     // slows by 0.9 a frame while faster than the cap speed
    uint8_t turned = 0;    // drawn from the turned sheet, its frame chosen by the sprite angle
    uint8_t altSheet = 0;  // a turned bullet drawn from the fourth sheet
    uint8_t big = 0;       // large table, additive drawing, larger radius
    double angleRad = 0;   // turned bullets: the firing angle

    int32_t& animCount() { return step; }
    int32_t animCount() const { return step; }
    int32_t& spriteAngle() { return angle; }
    int32_t spriteAngle() const { return angle; }
    double capSpeed() const {
        const uint64_t bits = static_cast<uint32_t>(param1) |
                              static_cast<uint64_t>(static_cast<uint32_t>(param2)) << 32;
        return std::bit_cast<double>(bits);
    }
    void SetCapSpeed(double v) {
        const uint64_t bits = std::bit_cast<uint64_t>(v);
        param1 = static_cast<int32_t>(static_cast<uint32_t>(bits));
        param2 = static_cast<int32_t>(static_cast<uint32_t>(bits >> 32));
    }

    // Out of play: position, alive, age, sprite angle, angleRad and the four flags cleared.
    // The animation counter, kind, box, velocity and cap speed stay as they were.
    void Kill();
};

// The four bullet sheets: 0 small, 1 turned, 2 large, 3 the alternative turned sheet. Made and
// loaded by the scenes; the pool's destructor destroys them. Null until then: the pool still
// moves and animates its bullets, it only has nothing to draw them from.
extern CImageShooting* g_pEBImage;

// The enemy-bullet pool: 1800 slots. The four shoot operations hand out slots 20..1799 in turn,
// replacing whatever was there; slots 0..19 are filled only by SetSlot.
class CEBMannager {
public:
    static constexpr int32_t kBulletCount = 1800;
    static constexpr int32_t kFirstRingSlot = 20;

    int32_t next = kFirstRingSlot;
    CEBullet bullets[kBulletCount];

    CEBMannager() = default;
    CEBMannager(const CEBMannager&) = delete;
    CEBMannager& operator=(const CEBMannager&) = delete;
    ~CEBMannager();

    // Every bullet back to the defaults and out of play; the ring starts again at slot 20.
    void Init();
    // A small bullet; draws one random number for its animation counter.
    CEBullet& Shoot(int32_t x, int32_t y, int32_t kind, float vx, float vy);
    // A large bullet; its animation counter is whatever the slot held.
    CEBullet& ShootBig(int32_t x, int32_t y, int32_t kind, float vx, float vy);
    // A turned bullet along (sin a, cos a) x speed, a = |angle| degrees: 0 flies down.
    CEBullet& ShootDir(int32_t x, int32_t y, int32_t kind, float speed, int32_t angle);
    // A small bullet that slows toward `cap`, along (cos b, sin b) x speed with b = angle + 180
    // degrees, so it flies the mirror image of FireAngle's direction about the vertical.
    CEBullet& ShootDecel(int32_t x, int32_t y, int32_t kind, int32_t cap, int32_t speed,
                         int32_t angle);
    // A motionless bullet in a chosen slot: variant 1 small, 2 turned, 3 turned from the fourth
    // sheet, 4 large; the box stays as it was. Other variants and slots do nothing.
    void SetSlot(int32_t slot, int32_t x, int32_t y, int32_t kind, int32_t variant);
    // One frame of a slot: the player hit, the move, the cull, then age and slowing.
    void Move(int32_t slot);
    void KillAll();
    // Every bullet in play becomes a falling point item; then every slot is out of play.
    void ChangeToItems();

    // The first drawing pass for one slot, right after its Move: advances the animation of a
    // bullet in play that is not turned and draws the small and turned ones into dest.
    void Draw(int32_t slot, CImage32& dest);
    // The second pass over every slot: the large bullets, additively. Some large kinds pick one
    // of three sprites at random each frame, so this draws random numbers.
    void DrawBig(CImage32& dest);

private:
    // The ring's next slot, its box sized by the kind's row when there is one.
    CEBullet& HandOut(const BulletKindRow* row);
};

extern CEBMannager g_EBMannager;
