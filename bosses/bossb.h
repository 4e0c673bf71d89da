#pragma once

#include <cstdint>

#include "bosses/boss.h"

// The bonus-stage boss: two phases of 850 hit points. The first phase is a 101x79 body that
// glides to the top of the field and fires rising columns, sweeping fans, aimed bursts, a
// sweeping laser and a killer shot under a swelling light; the second a small six-frame body
// that follows a waypoint route with falling columns, flowers, orbiting bursts and, on the
// hardest difficulty, laser shots.
class CBossB : public CBoss {
public:
    static constexpr int32_t kPhaseHp = 850;

    int32_t columnA = 0;  // x of the first bullet column, and of the sweeping laser
    int32_t columnB = 0;  // x of the second bullet column

    void Init() override;
    void Act() override;

    // Closes 2% of the distance to the second phase's waypoint each frame.
    void Move();
    // Keeps child 0 beside the boss; the other children stay where they were put.
    void MoveChild(int32_t index);
    void Attack1();
    void Attack2();
};

inline constexpr int32_t kBossBRouteSteps = 30;
extern const int32_t BossBRouteX[2][kBossBRouteSteps];
extern const int32_t BossBRouteY[2][kBossBRouteSteps];
inline constexpr int32_t kBossBKillerAngles = 6;
extern const int32_t BossBKillerAngle[kBossBKillerAngles];
