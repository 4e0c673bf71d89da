#include <SDL.h>
#include <gtest/gtest.h>

#include "engine/joystick.h"
#include "game/input.h"

namespace {

constexpr int kButtons = 14;

// SDL's virtual joystick stands in for a device, so the real backend is read as a player's
// stick and buttons would be.
class VirtualJoystick : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
        Attach();
        ASSERT_TRUE(InitJoystick());
        ASSERT_EQ(g_bJoystick, 1);
    }
    void TearDown() override {
        CloseJoystick();
        Detach();
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
    void Attach() {
        index_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, kButtons, 0);
        ASSERT_GE(index_, 0) << SDL_GetError();
        device_ = SDL_JoystickOpen(index_);
        ASSERT_NE(device_, nullptr) << SDL_GetError();
    }
    void Detach() {
        if (device_ == nullptr) return;
        SDL_JoystickClose(device_);
        SDL_JoystickDetachVirtual(index_);
        device_ = nullptr;
    }
    void Set(Sint16 x, Sint16 y, int button = -1) {
        SDL_JoystickSetVirtualAxis(device_, 0, x);
        SDL_JoystickSetVirtualAxis(device_, 1, y);
        for (int i = 0; i < kButtons; ++i)
            SDL_JoystickSetVirtualButton(device_, i, i == button ? SDL_PRESSED : SDL_RELEASED);
    }

    int index_ = -1;
    SDL_Joystick* device_ = nullptr;
};

TEST_F(VirtualJoystick, AxesScaleToAThousandAndButtonsReadByIndex) {
    struct Row {
        Sint16 raw;
        int32_t scaled;
    };
    for (const Row& row : {Row{32767, 1000}, Row{-32768, -1000}, Row{0, 0}, Row{29491, 900},
                           Row{29524, 901}, Row{-16384, -500}}) {
        Set(row.raw, row.raw);
        JoystickState state;
        ASSERT_TRUE(ReadJoystick(state));
        EXPECT_EQ(state.x, row.scaled) << row.raw;
        EXPECT_EQ(state.y, row.scaled) << row.raw;
    }
    for (int button : {0, 5, 13}) {
        Set(0, 0, button);
        EXPECT_EQ(GetJoystickButton(9), button);
    }
    Set(0, 0);
    EXPECT_EQ(GetJoystickButton(9), 9);  // nothing held: the default
}

TEST_F(VirtualJoystick, StickMovesOnlyPastNineHundred) {
    struct Row {
        Sint16 x, y;
        uint8_t input;
    };
    // 29491 reads as 900 (no move), 29524 as 901; the stick pushed away reads negative: up.
    for (const Row& row :
         {Row{29491, 29491, 0}, Row{29524, 0, kInputRight}, Row{-29524, 0, kInputLeft},
          Row{0, -29524, kInputUp}, Row{0, 29524, kInputDown},
          Row{-32768, 32767, kInputLeft | kInputDown}}) {
        Set(row.x, row.y);
        EXPECT_EQ(JoystickPath(), row.input) << row.x << "," << row.y;
    }
    Set(0, 0, 0);
    EXPECT_EQ(JoystickPath(), kInputShot);
    Set(0, 0, 1);
    EXPECT_EQ(JoystickPath(), kInputBomb);
}

TEST_F(VirtualJoystick, LostStickReadsAsNothingAndIsFoundAgain) {
    Set(32767, 0, 0);
    JoystickState state;
    ASSERT_TRUE(ReadJoystick(state));
    Detach();
    EXPECT_FALSE(ReadJoystick(state));
    EXPECT_EQ(JoystickPath(), 0);  // a lost stick applies and records byte 0
    Attach();
    Set(-32768, 0);
    EXPECT_FALSE(ReadJoystick(state));  // the failed read finds the new device
    ASSERT_TRUE(ReadJoystick(state));
    EXPECT_EQ(state.x, -1000);
}

}  // namespace
