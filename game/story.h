#pragma once

#include "game/menu_input.h"
#include "game/task_engine.h"

// A story screen on the title picture that leads to the introduction after a fade. The scene
// is made with the others but no scene number reaches it.
class CStory : public CTaskEngin {
public:
    MenuButton shot;

    // Restarts the fade counter and leaves the state word alone.
    void Start() override;
    void Run() override;
};
