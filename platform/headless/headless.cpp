#include "platform/headless/headless.h"

#include <cstdio>
#include <deque>
#include <mutex>

namespace platform {
namespace {

struct HeadlessState {
    uint64_t ticks = 0;
    std::deque<Event> events;
    WindowImage window;
    bool keepWindow = false;
    int presents = 0;
    std::mutex boxLock;  // boxes may come from the sound thread
    std::vector<headless::Box> boxes;
};

HeadlessState& State() {
    static HeadlessState* state = new HeadlessState;
    return *state;
}

}  // namespace

bool Init(WindowStyle) {
    return true;
}
void ShowWindow() {}
void EnterFullscreen() {}
void Shutdown() {}

void PresentFull(const uint32_t* pixels) {
    PresentRect(pixels, 0, 0, 0, 0, kWindowWidth, kWindowHeight);
}

void PresentRect(const uint32_t* pixels, int dx, int dy, int sx, int sy, int w, int h) {
    ++State().presents;
    PresentArea area{dx, dy, sx, sy, w, h};
    if (State().keepWindow && area.Clip()) State().window.CopyFrom(pixels, area);
}

bool PollEvent(Event& event) {
    auto& events = State().events;
    if (events.empty()) return false;
    event = events.front();
    events.pop_front();
    return true;
}

uint64_t Ticks() {
    return State().ticks;
}
void Sleep1ms() {
    ++State().ticks;
}

void ErrorBox(const char* caption, const char* text, bool withWindow) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    std::lock_guard<std::mutex> lock(State().boxLock);
    State().boxes.push_back({caption, text, withWindow});
}

void ShowQueuedBoxes() {}

namespace headless {

void SetTicks(uint64_t ms) {
    State().ticks = ms;
}
void AdvanceTicks(uint64_t ms) {
    State().ticks += ms;
}
void QueueEvent(const Event& event) {
    State().events.push_back(event);
}
void KeepWindow() {
    State().keepWindow = true;
}
const WindowImage& Window() {
    return State().window;
}
int PresentCount() {
    return State().presents;
}

std::vector<Box> TakeBoxes() {
    std::lock_guard<std::mutex> lock(State().boxLock);
    std::vector<Box> taken;
    taken.swap(State().boxes);
    return taken;
}

void Reset() {
    State().ticks = 0;
    State().events.clear();
    State().window = WindowImage();
    State().keepWindow = false;
    State().presents = 0;
    TakeBoxes();
}

}  // namespace headless
}  // namespace platform
