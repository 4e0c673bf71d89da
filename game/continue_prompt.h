#pragma once

#include <cstdint>

#include "engine/image.h"
#include "game/task_engine.h"

// What a prompt shows over the frozen play field: its title and its two answers. The answer
// under g_nPromptCursor (1 go on, 0 give up) is drawn plainly, the other dimmed.
struct PromptPictures {
    const CImage32* logo;
    int32_t logoY;  // the logo's x is the same for both prompts
    const CImage32* goOn;
    int32_t goOnX, goOnY;
    const CImage32* giveUp;
    int32_t giveUpX, giveUpY;
};

// One frame of a prompt. The first frame dims the last play frame and keeps the field as a
// snapshot; later frames draw the snapshot and the answers. The answer itself is taken by the
// shot handler.
void RunPromptFrame(const PromptPictures& pictures);

// Scenes 500 and 501: the last life is lost. The state word holds the scene to go back to.
class CContinue : public CTaskEngin {
public:
    void Run() override;
};
