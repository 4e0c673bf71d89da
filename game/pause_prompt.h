#pragma once

#include "game/task_engine.h"

// Scenes 510 and 511: play paused. The state word holds the scene to go back to.
class CPause : public CTaskEngin {
public:
    void Run() override;
};
