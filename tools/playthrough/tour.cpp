#include "tools/playthrough/tour.h"

#include <cstring>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "engine/joystick.h"
#include "game/app.h"
#include "game/input.h"
#include "game/scenes.h"
#include "platform/headless/headless_audio.h"

namespace {

struct SceneName {
    const char* name;
    int32_t scene;
};
constexpr SceneName kSceneNames[] = {
    {"logo", kSceneLogo},
    {"title", kSceneTitle},
    {"levelselect", kSceneLevelSelect},
    {"intro", kSceneIntroduction},
    {"replayselect", kSceneReplaySelect},
    {"game", kSceneGame},
    {"boss", kSceneBoss},
    {"stageend", kSceneStageEnd},
    {"chat", kSceneChat},
    {"continue", kSceneContinue},
    {"continueboss", kSceneContinueBoss},
    {"pause", kScenePause},
    {"pauseboss", kScenePauseBoss},
    {"ending", kSceneEnding},
    {"keyconfig", kSceneKeyConfig},
};

struct KeyName {
    const char* name;
    uint8_t bit;
};
constexpr KeyName kKeyNames[] = {
    {"Z", kInputShot},    {"X", kInputBomb},    {"C", kInputChange},    {"up", kInputUp},
    {"down", kInputDown}, {"left", kInputLeft}, {"right", kInputRight},
};

struct Keys {
    uint8_t keyboard = 0;
    bool escape = false;
    uint32_t buttons = 0;  // bit n for joystick button n
};

int32_t ParseScene(const std::string& name) {
    for (const SceneName& entry : kSceneNames) {
        if (name == entry.name) return entry.scene;
    }
    throw std::invalid_argument("no scene named '" + name + "'");
}

Keys ParseKeys(const std::string& text) {
    Keys keys;
    std::istringstream names(text);
    std::string name;
    while (std::getline(names, name, '+')) {
        bool known = false;
        for (const KeyName& entry : kKeyNames) {
            if (name == entry.name) {
                keys.keyboard |= entry.bit;
                known = true;
            }
        }
        if (name == "esc") {
            keys.escape = known = true;
        } else if (name.size() > 1 && name[0] == 'b') {
            const int button = std::stoi(name.substr(1));
            if (button < 0 || button >= kJoystickButtonCount) {
                throw std::invalid_argument("no joystick button " + name);
            }
            keys.buttons |= 1u << button;
            known = true;
        }
        if (!known) throw std::invalid_argument("no key named '" + name + "'");
    }
    return keys;
}

// The stick and buttons a joystick player holds for `keys`.
platform::JoyState JoystickFor(const Keys& keys) {
    platform::JoyState joy;
    if (keys.keyboard & kInputLeft) joy.x = -1000;
    if (keys.keyboard & kInputRight) joy.x = 1000;
    if (keys.keyboard & kInputUp) joy.y = -1000;
    if (keys.keyboard & kInputDown) joy.y = 1000;
    for (int button = 0; button < kJoystickButtonCount; ++button) {
        if ((keys.buttons >> button) & 1) joy.buttons[button] = 0x80;
    }
    return joy;
}

class TourPlayer {
public:
    explicit TourPlayer(Playthrough& game) : game_(game) {}
    // The joystick and its buttons outlive a new window: put them back, so the runs that
    // follow start as this process started.
    ~TourPlayer() {
        CloseJoystick();
        platform::headless::ResetJoystick();
        const int32_t startButtons[4] = {0, 1, 3, 9};
        std::memcpy(g_aJoyButton, startButtons, sizeof startButtons);
    }

    void Run(const std::string& line);
    Tour tour;

private:
    enum class Player { None, Helped, Scripted };

    void Frame(const Keys& keys, Player player = Player::None);
    void Until(const std::string& sceneName, int limit, Player player);
    void Checkpoint();

    Playthrough& game_;
    HelpedPlayer helped_;
    int scriptedFrames_ = 0;
    int every_ = 1;
    int lastCheckpoint_ = 0;  // no checkpoint before the first frame: nothing is drawn yet
    std::string step_;
};

void TourPlayer::Checkpoint() {
    tour.points.push_back({game_.Frame(), HashGameState(), HashBackBuffer(), true});
    tour.steps.push_back(step_);
    lastCheckpoint_ = game_.Frame();
}

void TourPlayer::Frame(const Keys& keys, Player player) {
    if (keys.escape) HandleEvent({platform::Event::Type::KeyDown, platform::Key::Escape});
    if (g_bJoystick == 1) platform::headless::SetJoystickState(JoystickFor(keys));
    switch (player) {
        case Player::None:
            game_.Step(keys.keyboard);
            break;
        case Player::Helped:
            helped_.Step(game_);
            break;
        case Player::Scripted:
            game_.Step(ScriptedPlayKeys(scriptedFrames_++));
            break;
    }
    if (game_.Frame() % every_ == 0) Checkpoint();
}

void TourPlayer::Until(const std::string& sceneName, int limit, Player player) {
    const int32_t scene = ParseScene(sceneName);
    for (int i = 0; i < limit && g_nScene != scene; ++i)
        Frame(Keys(), player);
    if (g_nScene != scene) throw std::runtime_error(sceneName + " not reached");
}

void TourPlayer::Run(const std::string& line) {
    step_ = line;
    std::istringstream fields(line.substr(0, line.find('#')));
    std::string verb, a, b;
    if (!(fields >> verb)) return;
    fields >> a >> b;
    const auto number = [](const std::string& text, int otherwise) {
        return text.empty() ? otherwise : std::stoi(text);
    };
    if (verb == "every") {
        every_ = number(a, 0);
        if (every_ < 1) throw std::invalid_argument("a period of at least 1 frame");
    } else if (verb == "wait") {
        for (int i = number(a, 0); i > 0; --i)
            Frame(Keys());
    } else if (verb == "until") {
        Until(a, number(b, 0), Player::None);
    } else if (verb == "press") {
        const Keys keys = ParseKeys(a);
        for (int i = number(b, 1); i > 0; --i) {
            Frame(keys);
            Frame(Keys());
        }
    } else if (verb == "hold") {
        const Keys keys = ParseKeys(a);
        for (int i = number(b, 0); i > 0; --i)
            Frame(keys);
    } else if (verb == "helper") {
        helped_ = a.empty() ? HelpedPlayer() : HelpedPlayer(std::stoi(a));
    } else if (verb == "play") {
        Until(a, number(b, 0), Player::Helped);
    } else if (verb == "fight") {
        Until(a, number(b, 0), Player::Scripted);
    } else if (verb == "joystick") {
        platform::headless::SetJoystickAttached(true);
        InitJoystick();
    } else {
        throw std::invalid_argument("no step '" + verb + "'");
    }
    if (lastCheckpoint_ != game_.Frame()) Checkpoint();
}

}  // namespace

Tour PlayTour(Playthrough& game, std::istream& script) {
    TourPlayer player(game);
    std::string line;
    for (int number = 1; std::getline(script, line); ++number) {
        try {
            player.Run(line);
        } catch (const std::exception& e) {
            throw std::runtime_error("tour line " + std::to_string(number) + " '" + line +
                                     "': " + e.what());
        }
    }
    return player.tour;
}
