#include "engine/sound_thread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "engine/requests.h"
#include "engine/sound.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_audio.h"
#include "tests/engine/temp_dir.h"
#include "tools/assets/sound_assets.h"

namespace {

using Events = std::vector<std::string>;

class RecordingSink final : public SoundSink {
public:
    void PlayEffect(int32_t record) override {
        events.push_back("effect " + std::to_string(record));
    }
    void PlayLoop(LoopSound loop) override { events.push_back(loop == kShotLoop ? "shot" : "hit"); }
    void StopLoop() override { events.push_back("stop"); }

    Events Take() {
        Events taken;
        taken.swap(events);
        return taken;
    }

    Events events;
};

class SoundPass : public ::testing::Test {
protected:
    void SetUp() override { ClearRequests(); }
    void TearDown() override { ClearRequests(); }

    static void ClearRequests() {
        for (auto& request : requests_)
            request = 0;
    }

    // One pass in scene `scene` with the shot and hit requests of a frame.
    Events Pass(bool shot, bool hit, int32_t scene = 10) {
        requests_[0] = shot ? 1 : 0;
        requests_[1] = hit ? 1 : 0;
        RunSoundPass(state_, requests_, scene, sink_);
        return sink_.Take();
    }

    std::vector<int32_t> History() const {
        return {state_.hitHold[0], state_.hitHold[1], state_.hitHold[2], state_.hitHold[3]};
    }

    static inline Relaxed<uint8_t> requests_[kSoundRequestCount];
    SoundPassState state_;
    RecordingSink sink_;
};

TEST_F(SoundPass, EffectRequestsPlayInOrderAndOnlyTheValueOneCounts) {
    requests_[22] = 1;
    requests_[2] = 1;
    requests_[20] = 1;
    requests_[9] = 2;
    RunSoundPass(state_, requests_, 3, sink_);
    EXPECT_EQ(sink_.Take(), (Events{"effect 0", "effect 18", "effect 20", "stop"}));
    EXPECT_EQ(requests_[2], 0);
    EXPECT_EQ(requests_[20], 0);
    EXPECT_EQ(requests_[22], 0);
    EXPECT_EQ(requests_[9], 2);
    RunSoundPass(state_, requests_, 3, sink_);
    EXPECT_EQ(sink_.Take(), (Events{"stop"}));
}

TEST_F(SoundPass, FireHeldThroughOneHitSwitchesLoopsAndBack) {
    EXPECT_EQ(Pass(true, false), (Events{"shot"}));
    EXPECT_EQ(Pass(true, false), Events{});
    EXPECT_EQ(Pass(true, true), (Events{"hit"}));
    EXPECT_EQ(requests_[0] + requests_[1], 0);  // a pass takes both loops' requests
    EXPECT_EQ(History(), (std::vector<int32_t>{0, 1, 0, 0}));
    EXPECT_EQ(Pass(true, false), Events{});
    EXPECT_EQ(Pass(true, false), Events{});
    // Three passes (180 ms) after the hit the shot loop comes back in a single pass.
    EXPECT_EQ(Pass(true, false), (Events{"stop", "shot"}));
    EXPECT_EQ(History(), (std::vector<int32_t>{0, 0, 0, 0}));
    EXPECT_EQ(Pass(true, false), Events{});
}

TEST_F(SoundPass, ReleasingFireStopsTwoPassesAfterTheLastHit) {
    Pass(true, false);
    EXPECT_EQ(Pass(true, true), (Events{"hit"}));
    EXPECT_EQ(Pass(false, false), Events{});
    EXPECT_EQ(Pass(false, false), (Events{"stop"}));
    EXPECT_FALSE(state_.shotPlaying);
    EXPECT_FALSE(state_.hitPlaying);
}

TEST_F(SoundPass, HitsWithoutFireSoundFromTheSecondConsecutivePass) {
    EXPECT_EQ(Pass(false, true), (Events{"hit", "stop"}));
    EXPECT_EQ(Pass(false, true), (Events{"hit"}));
    EXPECT_EQ(Pass(false, true), Events{});
    EXPECT_EQ(Pass(false, false), Events{});
    EXPECT_EQ(Pass(false, false), (Events{"stop"}));
}

TEST_F(SoundPass, AMenuStopsTheLoopButKeepsTheirStateAndPlaysMenuSounds) {
    Pass(true, false);
    requests_[0] = 1;
    requests_[20] = 1;
    requests_[21] = 1;
    RunSoundPass(state_, requests_, 510, sink_);
    EXPECT_EQ(sink_.Take(), (Events{"effect 18", "effect 19", "stop"}));
    EXPECT_EQ(requests_[0], 1);  // the loop bytes are left alone outside play
    EXPECT_TRUE(state_.shotPlaying);

    // Back in play with fire still held, the shot loop stays silent: it counts as started.
    EXPECT_EQ(Pass(true, false, 50), Events{});
    EXPECT_EQ(Pass(false, false, 50), (Events{"stop"}));
    EXPECT_EQ(Pass(true, false, 50), (Events{"shot"}));
}

// The thread itself, against the headless device: real time passes here, so each check waits
// (briefly) for the thread to get there.
class SoundThreadRun : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override {
        g_SoundThread.Stop();
        Clean();
    }

    static void Clean() {
        g_Sound.Close();
        platform::headless::ResetAudio();
        platform::headless::TakeBoxes();
        for (auto& request : SoundRequest)
            request = 0;
        g_nNextScene = 0;
    }

    // Any WAVE file serves as a loop here; the two differ in size.
    static void WriteLoopFiles(bool shot, bool hit) {
        std::filesystem::create_directory("sound");
        const bool wanted[2] = {shot, hit};
        for (int i = 0; i < 2; ++i) {
            if (!wanted[i]) continue;
            const std::vector<uint8_t> wave = assets::EffectWave(131 + i);
            std::FILE* out = std::fopen(kLoopSoundFiles[i], "wb");
            std::fwrite(wave.data(), 1, wave.size(), out);
            std::fclose(out);
        }
    }

    static bool WaitFor(const std::function<bool()>& done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    std::vector<std::string> log_;
    bool LogHas(const std::string& line) {
        for (auto& entry : platform::headless::TakeAudioLog())
            log_.push_back(entry);
        for (const auto& entry : log_) {
            if (entry == line) return true;
        }
        return false;
    }
};

TEST_F(SoundThreadRun, AMissingLoopFileNamesItselfAndEndsAllSound) {
    for (bool shotPresent : {false, true}) {
        InTempDir dir;
        WriteLoopFiles(shotPresent, false);
        g_SoundThread.Start();
        SoundRequest[5] = 1;
        g_SoundThread.Stop();
        const auto boxes = platform::headless::TakeBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, shotPresent ? "sound/kezuri.wav" : "sound/p-shot1.wav");
        EXPECT_EQ(boxes[0].text, "ファイルが開けません");
        EXPECT_FALSE(boxes[0].withWindow);
        EXPECT_EQ(SoundRequest[5], 1);  // no pass ever ran
        SoundRequest[5] = 0;
    }
}

TEST_F(SoundThreadRun, PassesRunBeforeTheDeviceAndPlayOnceItOpens) {
    InTempDir dir;
    WriteLoopFiles(true, true);
    g_SoundThread.Start();
    SoundRequest[20] = 1;
    ASSERT_TRUE(WaitFor([] { return SoundRequest[20] == 0; }));
    EXPECT_TRUE(platform::headless::TakeAudioLog().empty());

    // A fresh thread once the effects are in, so that the loop chunks are numbered 22 and 23.
    g_SoundThread.Stop();
    ASSERT_TRUE(g_Sound.Init(2, 22050, 16));
    for (int i = 0; i < kEffectCount; ++i)
        ASSERT_TRUE(g_Sound.LoadSound(i, 131 + i));
    g_SoundThread.Start();
    g_nNextScene = 10;
    SoundRequest[20] = 1;
    ASSERT_TRUE(WaitFor([&] { return LogHas("play 18 #19"); }));
    // The shot loop, then the hit loop replacing it on the loop channel.
    ASSERT_TRUE(WaitFor([&] {
        SoundRequest[0] = 1;
        return LogHas("loop 21 #22");
    }));
    ASSERT_TRUE(WaitFor([&] {
        SoundRequest[0] = 1;
        SoundRequest[1] = 1;
        return LogHas("loop 21 #23");
    }));

    g_SoundThread.Stop();
    EXPECT_TRUE(LogHas("free #22"));
    EXPECT_TRUE(LogHas("free #23"));
    EXPECT_TRUE(platform::headless::TakeBoxes().empty());
}

}  // namespace
