#pragma once

#include <cstdint>

#include "game/menu_input.h"
#include "game/task_engine.h"

// The introduction's state: the page (0..5) and whether its pictures are loaded return to 0 at
// its end; the fade level of the newest page is never reset.
struct IntroState {
    int32_t page = 0;
    uint8_t loaded = 0;
    int32_t fade = 0;
    MenuButton shot;
};
extern IntroState g_Intro;

// Scene 5: the introduction, five pages of story when conversations are on, then stage 1. The
// frame counter times the closing fade.
class CCharacterSelect : public CTaskEngin {
public:
    void Start() override;
    // Run when the flow goes back to the level select.
    void Release() override;
    void Run() override;
};
