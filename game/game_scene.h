#pragma once

#include "game/task_engine.h"

// Scene 10: one stage of play, up to the end of its stage script.
class CGame : public CTaskEngin {
public:
    CGame() { CGame::Start(); }
    void Start() override;
    void Run() override;
};
