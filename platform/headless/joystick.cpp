#include "platform/headless/headless_audio.h"

// A joystick that holds whatever the test set.
namespace platform {
namespace {

struct JoystickFake {
    bool systemFails = false;
    bool attached = false;
    bool opened = false;
    bool acquired = false;
    JoyState state;
};

JoystickFake& Fake() {
    static JoystickFake fake;
    return fake;
}

}  // namespace

JoyOpenResult JoyOpen() {
    JoystickFake& fake = Fake();
    fake.opened = fake.acquired = false;
    if (fake.systemFails) return JoyOpenResult::Failed;
    if (!fake.attached) return JoyOpenResult::NoJoystick;
    fake.opened = fake.acquired = true;
    return JoyOpenResult::Opened;
}

bool JoyRead(JoyState& state) {
    const JoystickFake& fake = Fake();
    if (!fake.opened || !fake.acquired || !fake.attached) return false;
    state = fake.state;
    return true;
}

void JoySetAcquired(bool acquired) {
    Fake().acquired = acquired;
}

void JoyClose() {
    Fake().opened = Fake().acquired = false;
}

namespace headless {

void SetJoystickSystemFails(bool fails) {
    Fake().systemFails = fails;
}
void SetJoystickAttached(bool attached) {
    Fake().attached = attached;
}
void SetJoystickState(const JoyState& state) {
    Fake().state = state;
}
bool JoystickAcquired() {
    return Fake().acquired;
}
void ResetJoystick() {
    Fake() = JoystickFake();
}

}  // namespace headless
}  // namespace platform
