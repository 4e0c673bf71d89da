#pragma once

#include <cstdint>

#include "game/menu_input.h"
#include "game/task_engine.h"

// The key configuration's cursor, kept for the run: rows 0..3 are the shot, bomb, shot-type
// and pause buttons, row 4 goes back to the title.
struct KeyConfigMenu {
    int32_t cursor = 0;
    MenuButton up;
    MenuButton down;
    MenuButton shot;
};
extern KeyConfigMenu g_KeyConfigMenu;

// Scene 800: any joystick button held while a button row is selected becomes that row's
// assignment, for the rest of the run.
class CKeyConfig : public CTaskEngin {
public:
    // Restarts the frame counter and takes the buttons held now as already held, so the press
    // that chose this scene does not count here.
    void Start() override;
    void Run() override;
};
