#include "soak/random_player.h"

#include "engine/requests.h"
#include "game/game_reset.h"
#include "game/input.h"
#include "game/level_select.h"
#include "game/scenes.h"
#include "game/title.h"

namespace {

enum KeyIndex { kShot, kBomb, kChange, kUp, kDown, kLeft, kRight };

}  // namespace

// How one key is held in a kind of scene: the chance that a new span is a press, and the
// lengths of pressed and released spans in frames.
struct RandomPlayer::Habit {
    double pressChance;
    int32_t pressMin, pressMax;
    int32_t releaseMin, releaseMax;
};

namespace {

using Habit = RandomPlayer::Habit;

// Play: fire held most of the time, moves in every direction, now and then a bomb or a change of
// shot type.
constexpr Habit kPlayHabits[7] = {
    {0.9, 30, 600, 1, 40},   // shot
    {0.2, 1, 5, 100, 900},   // bomb
    {0.1, 1, 3, 100, 1000},  // change
    {0.5, 5, 60, 5, 60},     // up
    {0.5, 5, 60, 5, 60},     // down
    {0.5, 5, 60, 5, 60},     // left
    {0.5, 5, 60, 5, 60},     // right
};

// Menus and pages: short taps of every key.
constexpr Habit kMenuHabits[7] = {
    {0.3, 1, 4, 3, 40},   // shot
    {0.05, 1, 4, 3, 40},  // bomb
    {0.05, 1, 4, 3, 40},  // change
    {0.3, 1, 4, 3, 40},   // up
    {0.3, 1, 4, 3, 40},   // down
    {0.3, 1, 12, 3, 40},  // left
    {0.3, 1, 12, 3, 40},  // right
};

// Escape is pressed about once in this many frames of play.
constexpr int32_t kEscapeEvery = 4000;
// The prompts take an answer only after 50 frames.
constexpr int32_t kPromptWait = 50;

constexpr uint8_t Bit(KeyIndex key) {
    return static_cast<uint8_t>(1u << key);
}

}  // namespace

RandomPlayer::RandomPlayer(uint32_t seed, int32_t level, bool helped)
    : random_(seed), level_(level), helped_(helped) {}

bool RandomPlayer::Chance(double p) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < p;
}

int32_t RandomPlayer::Between(int32_t low, int32_t high) {
    return std::uniform_int_distribution<int32_t>(low, high)(random_);
}

uint8_t RandomPlayer::HeldFor(const Habit (&habits)[7]) {
    uint8_t keys = 0;
    for (int i = 0; i < 7; ++i) {
        Hold& hold = holds_[i];
        if (hold.framesLeft <= 0) {
            const Habit& h = habits[i];
            hold.down = Chance(h.pressChance);
            hold.framesLeft =
                hold.down ? Between(h.pressMin, h.pressMax) : Between(h.releaseMin, h.releaseMax);
        }
        --hold.framesLeft;
        if (hold.down) keys |= static_cast<uint8_t>(1u << i);
    }
    return keys;
}

void RandomPlayer::OnSceneEntered(int32_t scene) {
    scene_ = scene;
    for (Hold& hold : holds_)
        hold.framesLeft = 0;
    // Mostly a new game; sometimes the replays or the key configuration.
    if (scene == kSceneTitle) {
        const int32_t roll = Between(0, 9);
        titleRow_ = roll < 8 ? 0 : roll == 8 ? 1 : 2;
    }
    if (IsPromptScene(scene)) {
        const bool pause = scene == kScenePause || scene == kScenePauseBoss;
        const double giveUp = helped_ ? 0.02 : pause ? 0.2 : 0.1;
        giveUp_ = Chance(giveUp) ? 1 : 0;
        promptTap_ = 0;
    }
}

// The prompt: the cursor steered to the chosen answer, then the shot tapped.
uint8_t RandomPlayer::PromptKeys() {
    ++promptTap_;
    const uint8_t wanted = giveUp_ == 1 ? 0 : 1;
    // The cursor moves on the second frame that up is held.
    if (g_nPromptCursor != wanted) return promptTap_ % 4 < 2 ? Bit(kUp) : 0;
    if (promptTap_ < kPromptWait) return 0;
    return promptTap_ % 2 == 0 ? Bit(kShot) : 0;
}

// Keeps the random walk inside the run: the title's exit row is never reached, and the level
// select starts only at the level asked for.
uint8_t RandomPlayer::Filter(int32_t scene, uint8_t keys) {
    if (scene == kSceneTitle) {
        // The row under the cursor when the fade ends decides, so the cursor stays put then.
        if (g_bMenuConfirm != 0) keys &= static_cast<uint8_t>(~(Bit(kUp) | Bit(kDown)));
        if (g_TitleMenu.cursor >= 2) keys &= static_cast<uint8_t>(~Bit(kDown));
        if (g_TitleMenu.cursor != titleRow_) keys &= static_cast<uint8_t>(~Bit(kShot));
    }
    if (scene == kSceneLevelSelect) {
        const LevelSelectMenu& m = g_LevelSelectMenu;
        if (m.row == 2 && m.level != level_) keys &= static_cast<uint8_t>(~Bit(kShot));
        // Back to the title only now and then.
        if (!Chance(0.1)) keys &= static_cast<uint8_t>(~Bit(kBomb));
    }
    return keys;
}

RandomPlayer::Keys RandomPlayer::Next() {
    const int32_t scene = g_nNextScene;
    if (scene != scene_) OnSceneEntered(scene);
    Keys keys;
    if (IsPromptScene(scene)) {
        keys.held = PromptKeys();
        return keys;
    }
    const bool play = IsPlayScene(scene);
    keys.held = Filter(scene, HeldFor(play ? kPlayHabits : kMenuHabits));
    keys.escape = play && Between(1, kEscapeEvery) == 1;
    return keys;
}
