#include "engine/joystick.h"

#include <gtest/gtest.h>

#include "engine/requests.h"
#include "game/input.h"
#include "platform/headless/headless_audio.h"

namespace {

platform::JoyState Held(std::initializer_list<int> buttons, int x = 0, int y = 0) {
    platform::JoyState state;
    state.x = x;
    state.y = y;
    for (int b : buttons)
        state.buttons[b] = 0x80;
    return state;
}

class Joystick : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean() {
        CloseJoystick();
        platform::headless::ResetJoystick();
    }
};

TEST_F(Joystick, WithoutAJoystickTheKeyboardIsUsed) {
    EXPECT_TRUE(InitJoystick());
    EXPECT_EQ(g_bJoystick, 0);
    EXPECT_EQ(GetJoystickButton(7), 7);

    platform::headless::SetJoystickSystemFails(true);
    platform::headless::SetJoystickAttached(true);
    EXPECT_FALSE(InitJoystick());
    EXPECT_EQ(g_bJoystick, 0);
    EXPECT_EQ(GetJoystickButton(2), 2);
}

TEST_F(Joystick, ReportsTheLowestAssignableButton) {
    platform::headless::SetJoystickAttached(true);
    ASSERT_TRUE(InitJoystick());
    EXPECT_EQ(g_bJoystick, 1);
    EXPECT_EQ(GetJoystickButton(5), 5);
    platform::headless::SetJoystickState(Held({9, 3}));
    EXPECT_EQ(GetJoystickButton(5), 3);
    platform::headless::SetJoystickState(Held({14, 20, 31}));
    EXPECT_EQ(GetJoystickButton(5), 5);
    platform::headless::SetJoystickState(Held({13, 14}));
    EXPECT_EQ(GetJoystickButton(5), 13);

    const JoystickState state{0, 0, {0x80}};
    EXPECT_TRUE(JoystickButtonHeld(state, 0));
    EXPECT_FALSE(JoystickButtonHeld(state, -1));
    EXPECT_FALSE(JoystickButtonHeld(state, 14));
}

TEST_F(Joystick, ReadsFailWhileUnfocusedOrUnplugged) {
    platform::headless::SetJoystickAttached(true);
    ASSERT_TRUE(InitJoystick());
    platform::headless::SetJoystickState(Held({1}, -1000, 1000));
    JoystickState state;
    ASSERT_TRUE(ReadJoystick(state));
    EXPECT_EQ(state.x, -1000);
    EXPECT_EQ(state.y, 1000);
    EXPECT_EQ(state.buttons[1], 0x80);

    AcquireJoystick(false);
    EXPECT_FALSE(ReadJoystick(state));
    EXPECT_EQ(GetJoystickButton(6), 6);
    AcquireJoystick(true);
    EXPECT_TRUE(ReadJoystick(state));

    platform::headless::SetJoystickAttached(false);
    EXPECT_FALSE(ReadJoystick(state));
    platform::headless::SetJoystickAttached(true);
    EXPECT_TRUE(ReadJoystick(state));
}

// The frame loop's joystick path turns the fake stick into the recorded input byte. It runs in
// a scene where shot and bomb presses have no effects of their own (the level select).
TEST_F(Joystick, JoystickPathBuildsTheInputByte) {
    platform::headless::SetJoystickAttached(true);
    ASSERT_TRUE(InitJoystick());
    g_nNextScene = 4;
    g_Input = InputState();
    struct Case {
        platform::JoyState state;
        uint8_t input;
    };
    const Case cases[] = {
        {Held({0}), 0x01},          {Held({0}, 1000, 0), 0x41}, {Held({1}), 0x02},
        {Held({3}), 0x04},          {Held({}, 0, -1000), 0x08}, {Held({}, 0, 1000), 0x10},
        {Held({}, -1000, 0), 0x20}, {Held({}, 1000, 0), 0x40},  {Held({}, 900, -900), 0x00},
        {Held({2, 4, 13}), 0x00},
    };
    for (const Case& c : cases) {
        platform::headless::SetJoystickState(c.state);
        EXPECT_EQ(JoystickPath(), c.input);
        g_Input = InputState();
    }

    // A failed read stands for byte 0: nothing held.
    platform::headless::SetJoystickState(Held({0, 3}, 1000, 1000));
    EXPECT_EQ(JoystickPath(), 0x45 | 0x10);
    AcquireJoystick(false);
    EXPECT_EQ(JoystickPath(), 0);
    EXPECT_EQ(g_Input.shot, 0);
    EXPECT_EQ(g_Input.change, 0);
    EXPECT_EQ(g_Input.right, 0);
    EXPECT_EQ(g_Input.down, 0);
    g_nNextScene = 0;
    g_Input = InputState();
}

}  // namespace
