#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/scratch_folder.h"
#include "shooting/point_mannager.h"

namespace {

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

// The loader reads "init.bin" from the current folder, so every input is written there.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::EnterScratchFolder(argc, argv);
    return 0;
}

// The input is the whole "init.bin". A table read from it must come back unchanged through a
// save and a second load.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
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
