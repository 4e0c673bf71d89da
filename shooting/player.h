#pragma once

#include <cstdint>

#include "engine/image.h"

// One option: where it stands this frame and its fixed offset from the ship.
struct OptionRecord {
    int32_t x = 0;
    int32_t y = 0;
    int32_t dx = 0;
    int32_t dy = 0;
};

// Where option laser i ends this frame, and whether an enemy cut it.
struct LaserTip {
    uint8_t hit = 0;
    int32_t y = 469;
};

// Options in use by shot power 0..11.
inline constexpr int32_t OptionCountTable[12] = {2, 2, 2, 2, 4, 4, 4, 4, 4, 4, 4, 4};

// The one player ship. Every attack tests the single hit point (hitX, hitY) and ends in Hit.
class CPlayer {
public:
    static constexpr int32_t kMaxLives = 7;
    static constexpr int32_t kMaxPower = 11;
    static constexpr int32_t kOptionCount = 4;
    static constexpr int32_t kWidth = 75;
    static constexpr int32_t kHeight = 43;

    int32_t shotCount = 0;  // frames of the shot cadence, shared by the three shot types
    int32_t shotPhase = 0;  // even and odd volleys of shot types 1 and 2
    double x = 280;         // lower-left corner of the ship frame
    double y = 20;
    int32_t lives = 3;
    int32_t bombs = 3;
    int32_t power = 0;
    int32_t optionCount = 0;
    int32_t deathTimer = 0;
    int32_t invincibleTimer = 0;
    uint8_t changePrev = 0;
    uint8_t changeHeld = 0;
    int32_t hitX = 270;
    int32_t hitY = 10;
    int32_t animCount = 0;
    uint8_t dying = 0;
    uint8_t invincible = 0;
    OptionRecord option[kOptionCount];
    LaserTip laserTip[kOptionCount];
    CImageShooting sprite;         // two 75x43 frames side by side
    CImageShooting laserImage;     // the option
    CImageShooting laserHitImage;  // the flare where an enemy cuts a laser
    int32_t spriteFrameX = 0;
    int32_t shotTimer = 0;  // 15 while fire is held, then counts down: firing goes on meanwhile
    int32_t moveTimer = 0;  // 15 while fire is up, counts down while it is held: fast movement
    // Direction flags, written every frame by the input step.
    uint8_t up = 0;
    uint8_t down = 0;
    uint8_t right = 0;
    uint8_t left = 0;

    CPlayer();
    CPlayer(const CPlayer&) = delete;
    CPlayer& operator=(const CPlayer&) = delete;

    // Back to the start of a run; also sets shot type 0 and seeds the generator with 1.
    void Init();
    // One frame: shot-type change (changeButton is the change button's held byte), extend and
    // power-up, movement, the hit point, then invincibility or the death sequence.
    void Move(uint8_t changeButton);
    // One frame of the animation, then the ship keyed into dest.
    void Draw(CImage32& dest);
    // Starts the death sequence unless invincible or parked below the field.
    void Hit();
    // Pulls the ship; it is never pulled down to row 8 or below.
    void Push(double dx, double dy);

    // Once a frame: the fire step (fireButton is the fire button's held byte).
    void Shoot(uint8_t fireButton);
    void ShootType0();
    void ShootType1();
    void ShootType2();
    // Places the options and draws the option lasers into the back buffer, with their flares
    // and sparks where enemies cut them, then lets uncut tips spring back.
    void DrawLazer();

private:
    void StartDeath();
};

extern CPlayer g_Player;
