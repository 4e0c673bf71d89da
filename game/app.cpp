#include "game/app.h"

#include "engine/joystick.h"
#include "engine/requests.h"
#include "game/devices.h"
#include "game/frame.h"
#include "game/global_objects.h"
#include "game/input.h"
#include "game/scenes.h"

Variant g_Variant = Variant::Borderless;

namespace {

bool g_quitRequested = false;

platform::WindowStyle StyleOf(Variant variant) {
    switch (variant) {
        case Variant::Fullscreen:
            return platform::WindowStyle::Fullscreen;
        case Variant::Windowed:
            return platform::WindowStyle::Windowed;
        case Variant::Borderless:
            break;
    }
    return platform::WindowStyle::Borderless;
}

int KeyFlagIndex(platform::Key key) {
    switch (key) {
        case platform::Key::Z:
            return 0;
        case platform::Key::X:
            return 1;
        case platform::Key::C:
            return 2;
        case platform::Key::Up:
            return 3;
        case platform::Key::Down:
            return 4;
        case platform::Key::Left:
            return 5;
        case platform::Key::Right:
            return 6;
        case platform::Key::Escape:
        case platform::Key::Delete:
            break;
    }
    return -1;
}

}  // namespace

void RequestQuit() {
    g_quitRequested = true;
}
bool QuitRequested() {
    return g_quitRequested;
}

void HandleEvent(const platform::Event& event) {
    using Type = platform::Event::Type;
    switch (event.type) {
        case Type::KeyDown: {
            const int flag = KeyFlagIndex(event.key);
            if (flag >= 0) {
                g_aKey[flag] = 1;
            } else if (event.key == platform::Key::Escape) {
                if (IsPlayScene(g_nNextScene)) {
                    g_Input.pause = 1;
                } else if (g_nNextScene == kSceneTitle) {
                    RequestQuit();
                }
            } else if (event.key == platform::Key::Delete) {
                RequestQuit();
            }
            break;
        }
        case Type::KeyUp: {
            const int flag = KeyFlagIndex(event.key);
            if (flag >= 0) g_aKey[flag] = 0;
            break;
        }
        case Type::FocusGained:
        case Type::FocusLost:
            if (g_bJoystick == 1) AcquireJoystick(event.type == Type::FocusGained);
            break;
        case Type::Quit:
            RequestQuit();
            break;
    }
}

int RunGame(Variant variant) {
    g_Variant = variant;
    if (!platform::Init(StyleOf(variant))) return 0;
    // The window's creation builds the rest of the objects and starts the sound thread, all
    // before it is shown and before the sound device opens.
    CreateGlobalObjects();
    StartSoundThread();
    platform::ShowWindow();
    OpenDevices();

    uint64_t next = platform::Ticks() + 16;
    while (!g_quitRequested) {
        platform::ShowQueuedBoxes();
        platform::Event event;
        if (platform::PollEvent(event)) HandleEvent(event);
        if (g_quitRequested) break;
        const uint64_t now = platform::Ticks();
        if (now >= next) {
            // A late frame is not made up: the next one is due 16 ms after this one began.
            next = now + 16;
            RunFrame();
        } else {
            platform::Sleep1ms();
        }
    }

    CloseDevices();
    platform::Shutdown();
    return 0;
}
