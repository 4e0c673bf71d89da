#pragma once

#include "game/task_engine.h"

// Scene 100: the conversation between the end of a stage script and its boss.
class CGameChat : public CTaskEngin {
public:
    void Run() override;
};

// Scene 50: the boss fight.
class CGameBoss : public CTaskEngin {
public:
    // Makes the current stage's boss background current, as the first switch will again.
    CGameBoss();
    void Start() override;
    void Run() override;
};
