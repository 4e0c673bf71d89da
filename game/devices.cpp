#include "game/devices.h"

#include "engine/joystick.h"
#include "engine/music.h"
#include "engine/sound.h"
#include "engine/sound_thread.h"
#include "game/app.h"
#include "platform/platform.h"

void StartSoundThread() {
    g_SoundThread.Start();
}

void OpenDevices() {
    if (!g_Sound.Init(2, 22050, 16)) {
        platform::ErrorBox("Error", "DirectSoundの初期化に失敗", true);
        RequestQuit();
    }
    // With the device closed every load fails quietly, and the run goes on to the quit.
    for (int32_t record = 0; record < kEffectCount; ++record) {
        g_Sound.LoadSound(record, kFirstEffectWave + record);
    }
    g_Music.player.OnDeviceOpen();
    InitJoystick();
}

void CloseDevices() {
    // The thread plays through the device, so it ends first; the music goes before the device.
    g_SoundThread.Stop();
    g_Music.player.Release();
    g_Sound.Close();
    CloseJoystick();
}
