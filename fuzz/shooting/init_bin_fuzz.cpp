#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "shooting/point_mannager.h"

namespace {

// The loader reads "init.bin" from the current folder, so every input is written there, inside
// a scratch folder of the fuzzer's own that is removed at exit.
std::filesystem::path g_scratch;

void RemoveScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(g_scratch, ignored);
}

void EnterScratchFolder() {
    if (!g_scratch.empty()) return;
    std::string pattern =
        (std::filesystem::temp_directory_path() / "zarune-init-bin-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr || chdir(pattern.c_str()) != 0) std::abort();
    g_scratch = pattern;
    std::atexit(RemoveScratchFolder);
}

void WriteInput(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(kHighScoreFile, "wb");
    if (file == nullptr) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
    if (std::fclose(file) != 0) std::abort();
}

// Whatever the file held, the table ends up in range.
void CheckInRange(const CPointMannager& pm) {
    if (pm.hiScore != pm.scores[0]) std::abort();
    for (int i = 0; i < CPointMannager::kTableSize; ++i) {
        const HighScoreName& n = pm.names[i];
        if (pm.scores[i] < 0) std::abort();
        if (n.c1 < 0 || n.c1 > 92 || n.c2 < 0 || n.c2 > 92 || n.c3 < 0 || n.c3 > 92) std::abort();
        if (n.level < 0 || n.level > 2) std::abort();
    }
}

bool SameTable(const CPointMannager& a, const CPointMannager& b) {
    for (int i = 0; i < CPointMannager::kTableSize; ++i) {
        if (a.scores[i] != b.scores[i] || a.names[i].c1 != b.names[i].c1 ||
            a.names[i].c2 != b.names[i].c2 || a.names[i].c3 != b.names[i].c3 ||
            a.names[i].level != b.names[i].level) {
            return false;
        }
    }
    return true;
}

}  // namespace

// The input is the whole "init.bin". A table read from it must come back unchanged through a
// save and a second load.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    EnterScratchFolder();
    WriteInput(data, size);

    CPointMannager loaded;
    loaded.LoadScores();
    CheckInRange(loaded);

    loaded.SaveScores();
    CPointMannager reloaded;
    reloaded.LoadScores();
    if (!SameTable(loaded, reloaded) || reloaded.hiScore != loaded.scores[0]) std::abort();
    return 0;
}
