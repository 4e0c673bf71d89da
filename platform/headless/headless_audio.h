#pragma once

#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/joystick.h"

// Test controls of the headless sound device and joystick. The device logs every call that
// reaches it as one line:
//   "open <channels> <rate> <bits>", "close",
//   "chunk #<id> <bytes>", "free #<id>", "play <channel> #<id>", "loop <channel> #<id>",
//   "halt <channel>", "music <path>", "music free <path>", "music play <path>", "music halt".
// Chunks are numbered from 1 in load order since the last ResetAudio.
namespace platform::headless {

std::vector<std::string> TakeAudioLog();
// The same without a heap allocation: hands each line to `take` in order.
void TakeAudioLog(void (*take)(const char* line));
bool AudioIsOpen();
// What the next AudioOpen reports; Opened unless set.
void SetAudioOpenResult(AudioOpenResult result);
// Makes the chunk load `loadsFromNow` loads ahead fail (0: the next one); -1 makes none fail.
void FailChunkLoad(int loadsFromNow);
// Closes the device without logging and puts every audio control back to its start.
void ResetAudio();

// The joystick the headless backend pretends to have.
void SetJoystickSystemFails(bool fails);
void SetJoystickAttached(bool attached);
void SetJoystickState(const JoyState& state);
bool JoystickAcquired();
// No joystick, a working joystick system, nothing held.
void ResetJoystick();

}  // namespace platform::headless
