#pragma once

#include <cstdint>
#include <random>

// A seeded random player for the soak: it looks at the scene the game shows and holds each key
// for random spans, with habits per scene (fire mostly held in play, short taps in menus, an
// answer chosen for each prompt). It draws from its own generator only, so the game's own draws
// stay as a person's play would leave them.
class RandomPlayer {
public:
    struct Keys {
        uint8_t held = 0;  // the seven key flags as an input byte
        bool escape = false;
    };
    // How one key is held in a kind of scene.
    struct Habit;

    // `level` is the difficulty it picks in the level select; a helped player gives up less.
    RandomPlayer(uint32_t seed, int32_t level, bool helped);

    // The keys for the next frame.
    Keys Next();

private:
    struct Hold {
        bool down = false;
        int32_t framesLeft = 0;
    };

    bool Chance(double p);
    int32_t Between(int32_t low, int32_t high);
    uint8_t HeldFor(const Habit (&habits)[7]);
    uint8_t Filter(int32_t scene, uint8_t keys);
    uint8_t PromptKeys();
    void OnSceneEntered(int32_t scene);

    std::mt19937 random_;
    int32_t level_;
    bool helped_;
    Hold holds_[7];
    int32_t scene_ = -1;
    int32_t titleRow_ = 0;   // the title row it means to choose
    uint8_t giveUp_ = 0;     // its answer to the prompt on screen
    int32_t promptTap_ = 0;  // frames of the current prompt
};
