#pragma once

#include <cstdint>

#include "bosses/boss.h"

// The stage-1 boss (also stage index 6): two phases of 570 hit points, a 260x221 body that
// comes down from the top and moves between waypoints. The first phase fires turned-bullet
// streams, columns, rings and aimed fans; the second adds sweeping lasers and aimed bursts.
class CBoss1 : public CBoss {
public:
    static constexpr int32_t kPhaseHp = 570;

    int32_t aimX = 0;  // the ship's hit point, remembered for the second phase's stream
    int32_t aimY = 0;

    void Init() override;
    void Act() override;

    // Eases toward the waypoint of the script frame; the first phase also wobbles on entry.
    void Move();
    void Attack1();
    void Attack2();
};

// Waypoints, flat as the moves read them: a read past a row's end takes the next row.
inline constexpr int32_t kBoss1RouteXCount = 30;
inline constexpr int32_t kBoss1RouteYCount = 14;
extern const int32_t Boss1RouteX[kBoss1RouteXCount];
extern const int32_t Boss1RouteY[kBoss1RouteYCount];
