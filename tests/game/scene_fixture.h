#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/game_state.h"
#include "engine/replay.h"
#include "engine/requests.h"
#include "game/game_reset.h"
#include "game/input.h"
#include "game/scenes.h"
#include "shooting/point_mannager.h"

// A scene that counts what the switch and the frame loop do to it.
class RecordingScene : public CTaskEngin {
public:
    int runs = 0;
    int starts = 0;
    int releases = 0;
    int32_t requestOnRun = -1;  // written into g_nNextScene by Run when not -1

    void Run() override {
        ++runs;
        if (requestOnRun >= 0) g_nNextScene = requestOnRun;
    }
    void Start() override {
        ++starts;
        CTaskEngin::Start();
    }
    void Release() override { ++releases; }
};

// Every scene holder gets a recording scene of its own; the shared game state starts as a
// fresh program start leaves it.
class SceneFixture : public ::testing::Test {
protected:
    void SetUp() override {
        CTaskEngin** holders[] = {&g_pOpeningMovie, &g_pCharacterSelect, &g_pTitle,
                                  &g_pLevelSelect,  &g_pGameChat,        &g_pContinue,
                                  &g_pGame,         &g_pStageEnd,        &g_pGameBoss,
                                  &g_pStory,        &g_pEnding,          &g_pKeyConfig,
                                  &g_pPause,        &g_pReplaySelect};
        for (CTaskEngin** holder : holders) {
            scenes_.push_back(std::make_unique<RecordingScene>());
            *holder = scenes_.back().get();
        }
        ResetProgramState();
        g_pScene = g_pOpeningMovie;
        if (g_pPointMannager == nullptr) g_pPointMannager = new CPointMannager;
    }

    static RecordingScene& Scene(CTaskEngin* scene) { return *static_cast<RecordingScene*>(scene); }

    // Makes `scene` current as if the switch had entered it earlier.
    static void Enter(int32_t number, CTaskEngin* scene) {
        g_nScene = number;
        g_nNextScene = number;
        g_pScene = scene;
    }

    // Requests `number` and runs the switch.
    static void SwitchTo(int32_t number) {
        g_nNextScene = number;
        SwitchScene();
    }

private:
    std::vector<std::unique_ptr<RecordingScene>> scenes_;
};
