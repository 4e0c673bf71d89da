#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "engine/game_state.h"
#include "engine/inflate.h"
#include "engine/replay.h"
#include "shooting/point_mannager.h"
#include "tools/assets/assets.h"
#include "tools/assets/sound_assets.h"

// Writes each fuzzer's seed corpus, <folder>/<fuzzer>/, from real inputs: the placeholder
// pictures and sounds, and high-score and replay files written by the game's own code. Every
// seed stays under 64 KiB.
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

constexpr size_t kMaxSeed = 64 * 1024 - 1;
// Enough pictures of each kind to spread over the sizes and formats there are.
constexpr size_t kPicturesPerKind = 24;

fs::path g_out;

void Write(const std::string& fuzzer, std::string name, const Bytes& bytes) {
    if (bytes.size() > kMaxSeed) return;
    std::replace(name.begin(), name.end(), '/', '_');
    const fs::path dir = g_out / fuzzer;
    fs::create_directories(dir);
    std::ofstream(dir / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

Bytes ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool IsPicture(const std::string& path) {
    return path.rfind("img/", 0) == 0 || path.rfind("text/", 0) == 0;
}
bool IsPlain(const std::string& path) {
    return path.size() > 4 && path.compare(path.size() - 4, 4, ".bmp") == 0;
}

// The size of the bitmap file a picture holds, expanded when it is compressed.
size_t BitmapSize(const assets::AssetFile& file) {
    if (IsPlain(file.path)) return file.bytes.size();
    Bytes expanded;
    InflateBuffer(file.bytes.data(), file.bytes.size(), file.path.c_str(), expanded);
    return expanded.size();
}

// Plain and compressed pictures, an even spread over the sizes whose bitmap fits a seed, so
// that the fuzzer's own inputs stay small and quick too.
void BitmapSeeds(const assets::AssetList& all) {
    for (const bool plain : {true, false}) {
        std::vector<std::pair<size_t, const assets::AssetFile*>> fit;
        for (const assets::AssetFile& file : all) {
            if (!IsPicture(file.path) || IsPlain(file.path) != plain) continue;
            if (const size_t size = BitmapSize(file); size <= kMaxSeed)
                fit.push_back({size, &file});
        }
        std::sort(fit.begin(), fit.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        const size_t step = std::max<size_t>(1, fit.size() / kPicturesPerKind);
        for (size_t i = 0; i < fit.size(); i += step)
            Write("bitmap_fuzz", fit[i].second->path, fit[i].second->bytes);
    }
}

void WaveSeeds(const assets::AssetList& all) {
    for (const assets::AssetFile& file : all) {
        if (file.path.rfind("sound/", 0) == 0) Write("wave_fuzz", file.path, file.bytes);
    }
    for (int n = assets::kFirstEffectWave; n <= assets::kLastEffectWave; ++n)
        Write("wave_fuzz", "effect" + std::to_string(n), assets::EffectWave(n));
}

// The text fuzzer's first byte picks the picture (its Target order); the ending texts carry
// their index above it.
void TextSeeds(const assets::AssetList& all) {
    struct Pick {
        const char* prefix;
        uint8_t target;
    };
    const Pick picks[] = {{"text/chatstr", 0},   {"text/name", 1},   {"text/storystr", 2},
                          {"text/storystr1", 3}, {"text/select", 4}, {"text/endstr", 5},
                          {"text/staff", 6},     {"text/seeyou", 7}};
    for (const assets::AssetFile& file : all) {
        for (const Pick& pick : picks) {
            if (file.path.rfind(pick.prefix, 0) != 0) continue;
            uint8_t target = pick.target;
            if (target == 5) target = static_cast<uint8_t>(5 + 8 * (file.path[11] - '1'));
            // Big pictures go in compressed, as the fuzzer takes either.
            Bytes seed{target};
            const Bytes body =
                file.bytes.size() + 1 > kMaxSeed ? assets::Compress(file.bytes) : file.bytes;
            seed.insert(seed.end(), body.begin(), body.end());
            Write("text_fuzz", std::to_string(pick.target) + "-" + file.path, seed);
        }
    }
}

// The default table as a first start writes it, and one with every field at its edges.
void InitBinSeeds() {
    CPointMannager fresh;
    fresh.LoadScores();
    fresh.SaveScores();
    Write("init_bin_fuzz", "default", ReadFile(kHighScoreFile));

    CPointMannager edited;
    const int32_t scores[] = {2147483647, 123456789, 100000, 1, 0};
    for (int i = 0; i < CPointMannager::kTableSize; ++i) {
        edited.scores[i] = scores[i];
        edited.names[i] = {i * 23 % 93, 92 - i, i, i % 3};
    }
    edited.SaveScores();
    Write("init_bin_fuzz", "edited", ReadFile(kHighScoreFile));
}

// Six stages' streams recorded and saved as a run saves them, then joined into a slot file.
void ReplaySeeds() {
    for (int32_t stage : {2, 3, 0, 4, 5, 6}) {
        for (int32_t t = 0; t < kReplayStreamSize; ++t) {
            g_aReplayStage[t] = static_cast<uint8_t>((t / 7 + stage) & 0x7F);
            g_aReplayBoss[t] = static_cast<uint8_t>((t / 13 + 3 * stage) & 0x7F);
        }
        g_nStage = stage;
        g_Replay.SaveStage();
    }
    if (g_Replay.PrepareRun(0)) CReplay::SaveSlot(0);
    const Bytes slot = ReadFile("replay/rpl0.dat");
    const size_t pair = 2 * static_cast<size_t>(kReplayStreamSize);
    auto slotSeed = [&](uint8_t pairs, size_t bytes) {
        Bytes seed{pairs};
        seed.insert(seed.end(), slot.begin(),
                    slot.begin() + static_cast<long>(std::min(bytes, slot.size())));
        Write("replay_fuzz", "pairs" + std::to_string(pairs) + "-" + std::to_string(bytes), seed);
    };
    slotSeed(1, pair);
    slotSeed(2, 2 * pair);
    slotSeed(7, 20000);
    slotSeed(3, 100);

    // The join's input: twelve length bytes (0 missing, n for n - 1 hundred bytes), then the
    // files' bytes.
    auto joinSeed = [&](const std::string& name, const std::vector<uint8_t>& lengths) {
        Bytes seed(lengths);
        for (size_t i = 0; i < lengths.size(); ++i) {
            if (lengths[i] == 0) continue;
            const Bytes stream =
                ReadFile("replay/tmp" + std::to_string(1 + i / 2) + std::to_string(i % 2));
            const size_t n = std::min<size_t>(stream.size(), (lengths[i] - 1) * size_t{100});
            seed.insert(seed.end(), stream.begin(), stream.begin() + static_cast<long>(n));
        }
        Write("replay_join_fuzz", name, seed);
    };
    joinSeed("short-streams", std::vector<uint8_t>(12, 21));
    joinSeed("one-whole-stream", {113, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <seed folder>\n", argc > 0 ? argv[0] : "");
        return 2;
    }
    g_out = fs::absolute(argv[1]);
    fs::remove_all(g_out);
    fs::create_directories(g_out);

    const assets::AssetList all = assets::AllAssets();
    BitmapSeeds(all);
    WaveSeeds(all);
    TextSeeds(all);

    // The game's own writers work in the current folder.
    const fs::path scratch = g_out / "scratch";
    fs::create_directories(scratch);
    fs::current_path(scratch);
    InitBinSeeds();
    ReplaySeeds();
    fs::current_path(g_out);
    fs::remove_all(scratch);
    return 0;
}
