#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "engine/replay.h"
#include "fuzz/scratch_folder.h"

// Joining the twelve per-stage stream files of any content and size into a slot file, as the
// name entry does. The first twelve bytes give each file's length in steps of 100 bytes (0: the
// file is missing, n: n - 1 steps, cut short where the input ends); the rest are their bytes in
// order. The slot file must hold each stream as its file began, zeros after the file's end.
namespace {

constexpr int kFiles = 12;
constexpr size_t kStep = 100;

void WriteFile(const char* name, const uint8_t* data, size_t size) {
    std::FILE* out = std::fopen(name, "wb");
    if (out == nullptr) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, out) != size) std::abort();
    if (std::fclose(out) != 0) std::abort();
}

std::vector<uint8_t> ReadFile(const char* name) {
    std::vector<uint8_t> bytes;
    std::FILE* in = std::fopen(name, "rb");
    if (in == nullptr) std::abort();
    uint8_t block[4096];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, in)) > 0)
        bytes.insert(bytes.end(), block, block + got);
    std::fclose(in);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::EnterScratchFolder(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kFiles) return 0;
    std::filesystem::create_directory("replay");
    std::vector<uint8_t> expected;
    size_t pos = kFiles;
    for (int i = 0; i < kFiles; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "replay/tmp%d%d", 1 + i / 2, i % 2);
        const size_t length =
            std::min<size_t>(data[i] == 0 ? 0 : (data[i] - 1) * kStep, size - pos);
        if (data[i] == 0) {
            std::remove(name);
        } else {
            WriteFile(name, data + pos, length);
        }
        const size_t kept = std::min<size_t>(length, kReplayStreamSize);
        expected.insert(expected.end(), data + pos, data + pos + kept);
        expected.insert(expected.end(), kReplayStreamSize - kept, 0);
        pos += length;
    }

    if (!g_Replay.PrepareRun(0)) std::abort();
    CReplay::SaveSlot(0);
    if (ReadFile("replay/rpl0.dat") != expected) std::abort();
    return 0;
}
