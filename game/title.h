#pragma once

#include <cstdint>

#include "game/menu_input.h"
#include "game/task_engine.h"

// The title menu's state, kept for the whole run: the cursor (0 start, 1 replay, 2 key
// configuration, 3 exit) stays where it was left; the age counts frames since the title was
// entered and returns to 0 when it leaves.
struct TitleMenu {
    int32_t cursor = 0;
    int32_t age = 0;
    MenuButton up;
    MenuButton down;
    MenuButton shot;
};
extern TitleMenu g_TitleMenu;

// Scene 3. The frame counter times the fade-out after a choice.
class CTitle : public CTaskEngin {
public:
    // Restarts the fade counter and leaves the state word alone.
    void Start() override;
    void Run() override;
};
