#pragma once

#include <cstdint>

#include "game/menu_input.h"
#include "game/task_engine.h"

// Scene 7: the five replay slots beside the high-score table; shot plays the chosen slot back
// from stage 1, bomb goes back to the title.
class CReplaySelect : public CTaskEngin {
public:
    int32_t cursor = 0;  // the slot, 0..4; kept between visits until a replay starts
    MenuButton up;
    MenuButton down;
    MenuButton shot;
    MenuButton bomb;

    // Restarts the frame counter and takes the buttons held now as already held, so the press
    // that chose this scene does not count here.
    void Start() override;
    void Run() override;

private:
    void StartPlayback();
};
