#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "engine/replay.h"
#include "engine/requests.h"
#include "fuzz/scratch_folder.h"

// The slot file is written into a scratch folder of the fuzzer's own.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::EnterScratchFolder(argc, argv);
    return 0;
}

// Loading a slot file of any content and size: the first byte picks how many pairs to read, the
// rest is the file. The streams must end up as the file's bytes where it had them and as they
// were where it did not.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int32_t pairs = data[0] % 8;
    const std::vector<uint8_t> file(data + 1, data + size);
    std::filesystem::create_directory("replay");
    std::FILE* out = std::fopen("replay/rpl0.dat", "wb");
    if (out == nullptr) std::abort();
    if (!file.empty()) std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);

    // What the streams must hold afterwards, worked out from the file alone.
    std::memset(g_aReplayStage, 0xA5, sizeof g_aReplayStage);
    std::memset(g_aReplayBoss, 0x5A, sizeof g_aReplayBoss);
    std::vector<uint8_t> stage(g_aReplayStage, g_aReplayStage + kReplayStreamSize);
    std::vector<uint8_t> boss(g_aReplayBoss, g_aReplayBoss + kReplayStreamSize);
    size_t pos = 0;
    for (int32_t i = 0; i < pairs && pos < file.size(); ++i) {
        for (std::vector<uint8_t>* stream : {&stage, &boss}) {
            const size_t n = std::min<size_t>(kReplayStreamSize, file.size() - pos);
            std::memcpy(stream->data(), file.data() + pos, n);
            pos += n;
        }
    }

    g_Replay.Load(0, pairs);
    if (std::memcmp(stage.data(), g_aReplayStage, kReplayStreamSize) != 0 ||
        std::memcmp(boss.data(), g_aReplayBoss, kReplayStreamSize) != 0) {
        std::abort();
    }
    return 0;
}
