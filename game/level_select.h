#pragma once

#include <cstdint>

#include "engine/image.h"
#include "game/menu_input.h"
#include "game/task_engine.h"

// The level select's state, kept for the whole run. The row (0 level, 1 conversations, 2 start)
// and the age return to 0 whenever the scene is left; the level and the switch stay as chosen.
struct LevelSelectMenu {
    int32_t row = 0;
    int32_t level = 0;
    uint8_t chat = 0;
    int32_t age = 0;
    MenuButton up;
    MenuButton down;
    MenuButton left;
    MenuButton right;
    MenuButton shot;
    MenuButton bomb;
};
extern LevelSelectMenu g_LevelSelectMenu;

// Scene 4: difficulty and the conversations switch. The switch into it runs no Start, so the
// fade counter keeps what it had.
class CLevelSelect : public CTaskEngin {
public:
    CImageShooting background;  // "img/LevelSelect.bmp"
    CImageShooting cursor;      // "img/csl.bmp"
    CImageShooting levelNames;  // "img/select-ENH.bmp": a 22-row band per level
    CImageShooting onOff;       // "img/select-ONOFF.bmp": ON in rows 0..19, OFF in 20..39

    // Loads its pictures and the explanation texts.
    CLevelSelect();
    void Start() override;
    void Run() override;
};
