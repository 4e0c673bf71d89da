#include "engine/random.h"
#include "scene_fixture.h"
#include "shooting/bomb.h"
#include "shooting/enemy_bullet.h"
#include "shooting/item.h"
#include "shooting/player.h"

namespace {

uint8_t Press(std::initializer_list<int> held) {
    uint8_t keys[kKeyFlagCount] = {};
    for (int k : held)
        keys[k] = 1;
    return KeyboardPath(keys);
}

enum { Z, X, C, Up, Down, Left, Right };

}  // namespace

using Input = SceneFixture;

TEST_F(Input, KeysMakeTheirBits) {
    Enter(kSceneTitle, g_pTitle);
    EXPECT_EQ(Press({Z}), 0x01);
    EXPECT_EQ(Press({X}), 0x02);
    EXPECT_EQ(Press({C}), 0x04);
    EXPECT_EQ(Press({Up}), 0x08);
    EXPECT_EQ(Press({Down}), 0x10);
    EXPECT_EQ(Press({Left}), 0x20);
    EXPECT_EQ(Press({Right}), 0x40);
    EXPECT_EQ(Press({Z, Right}), 0x41);
    EXPECT_EQ(Press({Up, Down}), 0x18);
    EXPECT_EQ(Press({Z, X, C, Up, Down, Left, Right}), 0x7F);
    EXPECT_EQ(Press({}), 0x00);
}

TEST_F(Input, BothDirectionsOfAPairCanBeHeld) {
    Enter(kSceneGame, g_pGame);
    Press({Up, Down, Left, Right});
    EXPECT_EQ(g_Player.up, 1);
    EXPECT_EQ(g_Player.down, 1);
    EXPECT_EQ(g_Player.left, 1);
    EXPECT_EQ(g_Player.right, 1);
    EXPECT_EQ(g_Input.up + g_Input.down + g_Input.left + g_Input.right, 4);
    Press({});
    EXPECT_EQ(g_Player.up + g_Player.down + g_Player.left + g_Player.right, 0);
}

TEST_F(Input, ApplyingAByteMatchesPressingItsKeys) {
    Enter(kSceneGame, g_pGame);
    for (int byte = 0; byte < 128; ++byte) {
        EXPECT_EQ(ApplyInputByte(static_cast<uint8_t>(byte)), byte);
    }
}

TEST_F(Input, UpTapNeverMovesThePromptCursorAndAHoldMovesItOnceOnTheSecondFrame) {
    Enter(kSceneContinue, g_pContinue);
    g_nPromptCursor = 1;
    Press({Up});
    Press({});
    Press({});
    EXPECT_EQ(g_nPromptCursor, 1);

    Press({Up});
    EXPECT_EQ(g_nPromptCursor, 1);
    Press({Up});
    EXPECT_EQ(g_nPromptCursor, 0);
    EXPECT_EQ(SoundRequest[20], 1);
    for (int i = 0; i < 20; ++i)
        Press({Up});
    EXPECT_EQ(g_nPromptCursor, 0);

    Press({});
    Press({Down});
    EXPECT_EQ(g_nPromptCursor, 0);
    Press({Down});
    EXPECT_EQ(g_nPromptCursor, 1);
}

TEST_F(Input, UpOutsideThePromptsLeavesTheCursor) {
    Enter(kSceneGame, g_pGame);
    g_nPromptCursor = 1;
    for (int i = 0; i < 5; ++i)
        Press({Up});
    EXPECT_EQ(g_nPromptCursor, 1);
}

TEST_F(Input, StickHoldMovesOnThe11thCallAndEvery11After) {
    Enter(kScenePause, g_pPause);
    g_nStickUpRepeat = 0;
    g_nPromptCursor = 1;
    std::vector<int> moves;
    for (int call = 1; call <= 33; ++call) {
        const uint8_t before = g_nPromptCursor;
        OnStickUp();
        if (g_nPromptCursor != before) moves.push_back(call);
    }
    EXPECT_EQ(moves, (std::vector<int>{11, 22, 33}));
}

TEST_F(Input, StickCounterAddsUpOutsideThePrompts) {
    Enter(kSceneGame, g_pGame);
    g_nStickDownRepeat = 0;
    for (int i = 0; i < 15; ++i)
        OnStickDown();
    EXPECT_EQ(g_nStickDownRepeat, 15);
    Enter(kScenePause, g_pPause);
    const uint8_t before = g_nPromptCursor;
    OnStickDown();
    EXPECT_NE(g_nPromptCursor, before);
    EXPECT_EQ(g_nStickDownRepeat, 0);
}

TEST_F(Input, ConfirmingNeedsANewPressOnOrAfterThe51stPromptFrame) {
    Enter(kSceneContinue, g_pContinue);
    g_pContinue->state = kSceneGame;
    g_nPromptCursor = 1;

    g_nPromptFrames = 49;
    Press({Z});
    EXPECT_EQ(g_nNextScene, kSceneContinue);
    EXPECT_EQ(g_Input.shot, 1);

    g_nPromptFrames = 50;
    Press({Z});  // still held from before: no new press
    EXPECT_EQ(g_nNextScene, kSceneContinue);

    Press({});
    Press({Z});
    EXPECT_EQ(g_nNextScene, kSceneGame);
    EXPECT_EQ(g_nPromptFrames, 0);
}

TEST_F(Input, GoingOnAfterAContinueGivesAFreshShipAtFullPower) {
    Enter(kSceneContinueBoss, g_pContinue);
    g_pContinue->state = kSceneBoss;
    g_nPromptCursor = 1;
    g_nPromptFrames = 60;
    g_Player.lives = -1;
    g_Player.bombs = 0;
    g_nShotType = 2;
    g_bContinued = 0;
    Press({Z});
    EXPECT_EQ(g_nNextScene, kSceneBoss);
    EXPECT_EQ(g_Player.lives, 3);
    EXPECT_EQ(g_Player.bombs, 3);
    EXPECT_EQ(g_Player.power, 11);
    EXPECT_EQ(g_nShotType, 0);
    EXPECT_EQ(g_bContinued, 1);
    EXPECT_EQ(Rand(), 130);
}

TEST_F(Input, ResumingFromPauseKeepsTheShip) {
    Enter(kScenePause, g_pPause);
    g_pPause->state = kSceneGame;
    g_nPromptCursor = 1;
    g_nPromptFrames = 50;
    g_Player.lives = 1;
    g_Player.power = 5;
    Press({Z});
    EXPECT_EQ(g_nNextScene, kSceneGame);
    EXPECT_EQ(g_Player.lives, 1);
    EXPECT_EQ(g_Player.power, 5);
}

TEST_F(Input, GivingUpGoesBackToTheTitleWithANewShip) {
    Enter(kScenePauseBoss, g_pPause);
    g_pPause->state = kSceneBoss;
    g_pPause->frame = 77;
    g_nPromptCursor = 0;
    g_nPromptFrames = 80;
    g_bReplay = 1;
    g_bPresentPlayArea = 1;
    g_Player.power = 9;
    g_Bomb.running = 1;
    g_Bomb.counter = 40;
    g_bBombActive = 1;
    g_Replay.stagePos = 10;
    g_Replay.bossPos = 20;
    g_EBMannager.Shoot(200, 200, 0, 0.0f, 1.0f);
    g_ItemMannager.Drop(200, 200, 0, 90, 1);
    Press({Z});
    EXPECT_EQ(g_nNextScene, kSceneTitle);
    EXPECT_EQ(g_EBMannager.next, CEBMannager::kFirstRingSlot);
    EXPECT_EQ(g_EBMannager.bullets[CEBMannager::kFirstRingSlot].alive, 0);
    EXPECT_EQ(g_ItemMannager.index, 0);
    EXPECT_EQ(g_ItemMannager.items[1].alive, 0);
    EXPECT_EQ(g_nPromptFrames, 0);
    EXPECT_EQ(g_bReplay, 0);
    EXPECT_EQ(g_bPresentPlayArea, 0);
    EXPECT_EQ(g_pPause->frame, 0);
    EXPECT_EQ(g_Input.shot, 0);
    EXPECT_EQ(g_Input.shotPrev, 0);
    EXPECT_EQ(g_Player.power, 0);
    EXPECT_EQ(g_Bomb.running, 0);
    EXPECT_EQ(g_Bomb.counter, 0);
    EXPECT_EQ(g_bBombActive, 0);
    EXPECT_EQ(g_Replay.stagePos, 0);
    EXPECT_EQ(g_Replay.bossPos, 0);
}

TEST_F(Input, HeldBombStartsTheNextBombWithoutANewPress) {
    Enter(kSceneGame, g_pGame);
    g_Player.Init();
    g_Player.bombs = 2;
    g_Bomb = BombState();
    Press({X});
    EXPECT_EQ(g_Player.bombs, 1);
    EXPECT_EQ(g_Bomb.running, 1);
    EXPECT_EQ(g_Player.invincible, 1);
    EXPECT_EQ(SoundRequest[12], 1);
    Press({X});
    EXPECT_EQ(g_Player.bombs, 1);  // one runs already
    g_Bomb.running = 0;
    Press({X});
    EXPECT_EQ(g_Player.bombs, 0);
    g_Bomb.running = 0;
    Press({X});
    EXPECT_EQ(g_Player.bombs, 0);  // none left
    EXPECT_EQ(g_Bomb.running, 0);
}

TEST_F(Input, BombDoesNothingOutsidePlayOrWhileDying) {
    Enter(kSceneTitle, g_pTitle);
    g_Player.Init();
    g_Bomb = BombState();
    Press({X});
    EXPECT_EQ(g_Player.bombs, 3);
    EXPECT_EQ(g_Input.bomb, 1);
    Enter(kSceneBoss, g_pGameBoss);
    g_Player.dying = 1;
    Press({X});
    EXPECT_EQ(g_Player.bombs, 3);
    g_Player.dying = 0;
}
