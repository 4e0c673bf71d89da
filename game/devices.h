#pragma once

// The devices the program opens once its window exists, and closes at exit.

// Starts the sound thread (it runs before the window is shown).
void StartSoundThread();
// Opens the sound device, builds the effect buffers and opens the joystick. A sound device
// that cannot be opened is reported and asks the program to quit; start-up goes on.
void OpenDevices();
// Stops the sound thread and releases the devices.
void CloseDevices();
