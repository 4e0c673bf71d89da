#include "engine/sound.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/music.h"
#include "platform/headless/headless.h"
#include "platform/headless/headless_audio.h"
#include "platform/resources.h"
#include "tests/engine/temp_dir.h"
#include "tools/assets/sound_assets.h"

namespace {

using Bytes = std::vector<uint8_t>;
using Log = std::vector<std::string>;

void PutU32(Bytes& out, uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(uint8_t(v >> shift));
}

// A chunk with `payload` bytes; `claimed` overrides the size written in its header.
void AddChunk(Bytes& out, const char* id, const Bytes& payload,
              std::optional<uint32_t> claimed = std::nullopt) {
    out.insert(out.end(), id, id + 4);
    PutU32(out, claimed.value_or(uint32_t(payload.size())));
    out.insert(out.end(), payload.begin(), payload.end());
    if (payload.size() & 1) out.push_back(0);
}

// "RIFF", its size (the true size unless given), "WAVE", then the chunks.
Bytes Riff(const Bytes& chunks, std::optional<uint32_t> riffSize = std::nullopt) {
    Bytes out = {'R', 'I', 'F', 'F'};
    PutU32(out, riffSize.value_or(uint32_t(4 + chunks.size())));
    out.insert(out.end(), {'W', 'A', 'V', 'E'});
    out.insert(out.end(), chunks.begin(), chunks.end());
    return out;
}

const Bytes kFormat = {1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0};
const Bytes kSamples = {1, 2, 3, 4, 5, 6, 7, 8};

struct ParseCase {
    const char* name;
    Bytes file;
    bool valid;
    size_t dataOffset;  // where the samples start, when valid
    uint32_t dataSize;
};

std::vector<ParseCase> ParseCases() {
    std::vector<ParseCase> cases;
    Bytes c;

    AddChunk(c, "fmt ", kFormat);
    AddChunk(c, "data", kSamples);
    cases.push_back({"plain", Riff(c), true, 44, 8});

    c.clear();
    AddChunk(c, "fmt ", kFormat);
    AddChunk(c, "LIST", Bytes(10, 'x'));
    AddChunk(c, "data", kSamples);
    cases.push_back({"extra chunk between fmt and data", Riff(c), true, 62, 8});

    c.clear();
    AddChunk(c, "fmt ", kFormat);
    AddChunk(c, "odd ", Bytes(3, 'y'));
    AddChunk(c, "data", kSamples);
    cases.push_back({"odd-sized chunk padded to even", Riff(c), true, 56, 8});

    c.clear();
    AddChunk(c, "data", kSamples);
    AddChunk(c, "fmt ", kFormat);
    cases.push_back({"data before fmt", Riff(c), true, 20, 8});

    c.clear();
    AddChunk(c, "fmt ", Bytes(kFormat.begin(), kFormat.begin() + 14));
    AddChunk(c, "data", kSamples);
    cases.push_back({"fmt of 14 bytes", Riff(c), true, 42, 8});

    c.clear();
    AddChunk(c, "fmt ", Bytes(kFormat.begin(), kFormat.begin() + 12));
    AddChunk(c, "data", kSamples);
    cases.push_back({"fmt of 12 bytes", Riff(c), false, 0, 0});

    c.clear();
    AddChunk(c, "fmt ", kFormat);
    AddChunk(c, "data", {});
    AddChunk(c, "data", kSamples);
    cases.push_back({"first data empty", Riff(c), false, 0, 0});

    c.clear();
    AddChunk(c, "fmt ", kFormat);
    AddChunk(c, "data", kSamples);
    cases.push_back({"RIFF size beyond the blob", Riff(c, 1000000), true, 44, 8});

    c.clear();
    AddChunk(c, "fmt ", kFormat);
    AddChunk(c, "data", kSamples, 4000);
    cases.push_back({"data size beyond the blob", Riff(c, 1000000), false, 0, 0});

    c.clear();
    AddChunk(c, "fmt ", kFormat);
    AddChunk(c, "data", kSamples);
    cases.push_back({"RIFF size ends before data", Riff(c, 4 + 24), false, 0, 0});

    c.clear();
    AddChunk(c, "fmt ", kFormat);
    AddChunk(c, "LIST", Bytes(4, 'z'), 0xFFFFFFF0u);
    AddChunk(c, "data", kSamples);
    cases.push_back({"huge skipped chunk", Riff(c), false, 0, 0});

    c.clear();
    AddChunk(c, "fmt ", kFormat);
    AddChunk(c, "data", kSamples);
    Bytes truncated = Riff(c);
    truncated.resize(40);
    cases.push_back({"cut inside the data header", truncated, false, 0, 0});

    Bytes notWave = Riff(c);
    std::memcpy(notWave.data() + 8, "AVI ", 4);
    cases.push_back({"not WAVE", notWave, false, 0, 0});
    cases.push_back({"too short", Bytes{'R', 'I', 'F', 'F'}, false, 0, 0});
    return cases;
}

TEST(ParseWaveData, FindsFormatAndFirstDataWithinTheBlob) {
    for (const ParseCase& test : ParseCases()) {
        SCOPED_TRACE(test.name);
        WaveInfo info;
        // An exact-size copy, so that reading past the end trips the address sanitizer.
        const Bytes file = test.file;
        ASSERT_EQ(ParseWaveData(file.data(), file.size(), info), test.valid);
        if (!test.valid) continue;
        EXPECT_EQ(info.data, file.data() + test.dataOffset);
        EXPECT_EQ(info.dataSize, test.dataSize);
        EXPECT_GE(info.formatSize, 14u);
        EXPECT_EQ(std::memcmp(info.format, kFormat.data(), 14), 0);
    }
}

TEST(BuiltInWaves, AreTheGeneratedEffectsAndAllParse) {
    std::set<std::string> distinct;
    for (int n = 131; n <= 151; ++n) {
        SCOPED_TRACE(n);
        size_t size = 0;
        const uint8_t* bytes = platform::FindWave(n, &size);
        ASSERT_NE(bytes, nullptr);
        const Bytes wave(bytes, bytes + size);
        EXPECT_EQ(wave, assets::EffectWave(n));
        WaveInfo info;
        ASSERT_TRUE(ParseWaveData(bytes, size, info));
        EXPECT_EQ(info.format[0] | info.format[1] << 8, 1);  // PCM
        EXPECT_EQ(info.format[2] | info.format[3] << 8, 1);  // mono
        EXPECT_EQ(info.format[4] | info.format[5] << 8 | info.format[6] << 16, 22050);
        EXPECT_EQ(info.format[14] | info.format[15] << 8, 16);
        // Between 0.05 s and 1 s of sound.
        EXPECT_GE(info.dataSize, 2u * 1100);
        EXPECT_LE(info.dataSize, 2u * 22050);
        distinct.insert(std::string(wave.begin(), wave.end()));
    }
    EXPECT_EQ(distinct.size(), 21u);
    EXPECT_EQ(platform::FindWave(130, nullptr), nullptr);
    EXPECT_EQ(platform::FindWave(152, nullptr), nullptr);
}

class SoundDevice : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }

    static void Clean() {
        g_Sound.Close();
        platform::headless::ResetAudio();
        platform::headless::TakeBoxes();
    }

    static Log TakeLog() { return platform::headless::TakeAudioLog(); }

    static void OpenAndLoadAll() {
        ASSERT_TRUE(g_Sound.Init(2, 22050, 16));
        for (int i = 0; i < kEffectCount; ++i)
            ASSERT_TRUE(g_Sound.LoadSound(i, 131 + i));
    }

    static std::vector<std::string> BoxTexts() {
        std::vector<std::string> texts;
        for (const auto& box : platform::headless::TakeBoxes()) {
            texts.push_back(box.caption + ": " + box.text + (box.withWindow ? " (window)" : ""));
        }
        return texts;
    }
};

TEST_F(SoundDevice, NothingPlaysOrParsesBeforeTheDeviceOpens) {
    EXPECT_FALSE(g_Sound.Play(0));
    WaveInfo info;
    EXPECT_FALSE(g_Sound.ParseWave(131, info));
    EXPECT_FALSE(g_Sound.LoadSound(0, 131));
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(SoundDevice, OpenFailuresNameTheStepAndLeaveTheDeviceClosed) {
    platform::headless::SetAudioOpenResult(platform::AudioOpenResult::NoAudioSystem);
    EXPECT_FALSE(g_Sound.Init(2, 22050, 16));
    platform::headless::SetAudioOpenResult(platform::AudioOpenResult::NoDevice);
    EXPECT_FALSE(g_Sound.Init(2, 22050, 16));
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error: DirectSoundオブジェクトの作成に失敗",
                                                    "Error: プライマリ・バッファの作成に失敗"}));
    EXPECT_FALSE(g_Sound.IsDeviceOpen());
    EXPECT_FALSE(g_Sound.LoadSound(0, 131));
    EXPECT_FALSE(g_Sound.Play(0));
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(SoundDevice, EffectsPlayOnTheirOwnChannelsAndCloseReleasesEachOnce) {
    OpenAndLoadAll();
    EXPECT_FALSE(g_Sound.Init(2, 22050, 16));  // already open
    Log log = TakeLog();
    ASSERT_EQ(log.size(), 22u);
    EXPECT_EQ(log[0], "open 2 22050 16");
    EXPECT_EQ(log[1].rfind("chunk #1 ", 0), 0u);

    EXPECT_TRUE(g_Sound.Play(3));
    EXPECT_TRUE(g_Sound.Play(3));
    EXPECT_TRUE(g_Sound.Play(20));
    EXPECT_EQ(TakeLog(), (Log{"play 3 #4", "play 3 #4", "play 20 #21"}));

    g_Sound.Close();
    log = TakeLog();
    ASSERT_EQ(log.size(), 22u);
    EXPECT_EQ(log.front(), "free #1");
    EXPECT_EQ(log.back(), "close");
    g_Sound.Close();
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_FALSE(g_Sound.Play(3));
}

TEST_F(SoundDevice, AFailedEffectSilencesEffectsButNotTheDevice) {
    ASSERT_TRUE(g_Sound.Init(2, 22050, 16));
    platform::headless::FailChunkLoad(2);
    EXPECT_TRUE(g_Sound.LoadSound(0, 131));
    EXPECT_TRUE(g_Sound.LoadSound(1, 132));
    EXPECT_FALSE(g_Sound.LoadSound(2, 133));
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error: セカンダリ・バッファの作成に失敗"}));
    EXPECT_FALSE(g_Sound.LoadSound(3, 134));
    EXPECT_FALSE(g_Sound.Play(0));
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_TRUE(g_Sound.IsDeviceOpen());
    TakeLog();

    InTempDir dir;
    std::fclose(std::fopen("tune.ogg", "wb"));
    CMusic music;
    music.Load("tune.ogg");
    music.player.SetMode(4);
    music.player.Start();
    EXPECT_EQ(TakeLog(), (Log{"music tune.ogg", "music play tune.ogg"}));
    music.player.Release();
    TakeLog();
}

TEST_F(SoundDevice, AnUnreadableWaveGivesTwoBoxes) {
    ASSERT_TRUE(g_Sound.Init(2, 22050, 16));
    EXPECT_FALSE(g_Sound.LoadSound(0, 200));
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Error: WAVE 200 の解析に失敗",
                                                    "Error: セカンダリ・バッファの作成に失敗"}));
}

TEST_F(SoundDevice, MusicWaitsForTheDeviceAndToleratesMissingFiles) {
    InTempDir dir;
    std::filesystem::create_directory("BGM");
    for (const char* name : {"BGM/stage1.ogg", "BGM/stage2.ogg"})
        std::fclose(std::fopen(name, "wb"));

    CMusic music;  // built before the device, as the global is
    music.player.SetMode(4);
    music.player.Start();
    music.player.Stop();
    EXPECT_TRUE(TakeLog().empty());

    ASSERT_TRUE(g_Sound.Init(2, 22050, 16));
    music.player.OnDeviceOpen();
    music.player.SetMode(4);
    music.player.Start();
    EXPECT_EQ(TakeLog(),
              (Log{"open 2 22050 16", "music BGM/stage1.ogg", "music play BGM/stage1.ogg"}));

    // Changing music: stop, unload and load, start.
    music.player.Stop();
    music.Load("BGM/stage2.ogg");
    music.player.SetMode(4);
    music.player.Start();
    EXPECT_EQ(TakeLog(), (Log{"music halt", "music halt", "music free BGM/stage1.ogg",
                              "music BGM/stage2.ogg", "music play BGM/stage2.ogg"}));

    // A missing file is silence, and every later call goes on quietly.
    music.Load("BGM/none.ogg");
    music.player.Start();
    music.player.Stop();
    music.player.Unload();
    EXPECT_EQ(TakeLog(), (Log{"music halt", "music free BGM/stage2.ogg"}));

    music.Load("BGM/stage1.ogg");
    music.player.Release();
    music.player.Release();
    EXPECT_EQ(TakeLog(), (Log{"music BGM/stage1.ogg", "music halt", "music free BGM/stage1.ogg"}));
}

}  // namespace
