#pragma once

#include <gtest/gtest.h>

#include "engine/game_state.h"
#include "engine/requests.h"
#include "shooting/bullet.h"
#include "shooting/effect.h"
#include "shooting/player.h"
#include "shooting/point_mannager.h"

// The ship, its shot pool and the effects as a new game leaves them, with a score keeper of
// the test's own.
class PlayerFixture : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = g_pPointMannager;
        g_pPointMannager = &points_;
        g_bBombActive = 0;
        g_Player.Init();
        g_BulletMannager.Init();
        g_EffectMannager.Reset();
        for (auto& request : SoundRequest)
            request = 0;
    }
    void TearDown() override {
        g_pPointMannager = saved_;
        g_bBombActive = 0;
        g_nShotType = 0;
    }

    // One frame as the play scenes run the player: fire step, every shot moved, ship step.
    void Frame(uint8_t fire, uint8_t change = 0) {
        g_Player.Shoot(fire);
        for (int32_t i = 0; i < CBulletMannager::kShotCount; ++i)
            g_BulletMannager.Move(i);
        g_Player.Move(change);
    }

    // Moves the ship until its invincibility ends; how many moves that took.
    static int MovesWhileInvincible() {
        int moves = 0;
        while (g_Player.invincible != 0 && moves < 1000) {
            g_Player.Hit();
            g_Player.Move(0);
            ++moves;
        }
        return moves;
    }

    CPointMannager points_;

private:
    CPointMannager* saved_ = nullptr;
};
