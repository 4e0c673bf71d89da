#include "engine/replay.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "engine/game_state.h"
#include "engine/requests.h"

uint8_t g_aReplayStage[kReplayStreamSize];
uint8_t g_aReplayBoss[kReplayStreamSize];

namespace {

void MakeReplayFolder() {
    std::error_code error;
    std::filesystem::create_directory("replay", error);
}

struct FileName {
    char text[32];
};

FileName TmpName(int32_t n, int32_t part) {
    FileName name;
    std::snprintf(name.text, sizeof name.text, "replay/tmp%d%d", int(n), int(part));
    return name;
}

FileName SlotName(int32_t slot) {
    FileName name;
    std::snprintf(name.text, sizeof name.text, "replay/rpl%d.dat", int(slot));
    return name;
}

void WriteStream(const FileName& name, const uint8_t* stream) {
    std::FILE* file = std::fopen(name.text, "wb");
    if (file == nullptr) return;
    std::fwrite(stream, 1, kReplayStreamSize, file);
    std::fclose(file);
}

// While a run is saved: the joined run, and the old slot 4 until the table is in place.
constexpr const char* kRunAside = "replay/rpl.new";
constexpr const char* kDroppedAside = "replay/rpl.old";

// Where PrepareRun moves slot `from`: one row down, or aside for the last row.
FileName ShiftTarget(int32_t from) {
    FileName name;
    std::snprintf(name.text, sizeof name.text, "%s",
                  from + 1 < kReplaySlotCount ? SlotName(from + 1).text : kDroppedAside);
    return name;
}

// Renames `from` to `to`; a source that is not there (nor its folder) has nothing to move.
bool MoveSlot(const char* from, const char* to) {
    if (std::rename(from, to) == 0) return true;
    return errno == ENOENT || errno == ENOTDIR;
}

// Undoes PrepareRun's moves of slots first..4, the earliest move last.
void MoveBack(int32_t first) {
    for (int32_t from = first; from < kReplaySlotCount; ++from)
        MoveSlot(ShiftTarget(from).text, SlotName(from).text);
}

// The twelve temporary files joined into `path`, missing bytes as 0; false when the file could
// not be written whole. The stage stream doubles as the copy buffer, as a run is only saved
// after it has ended.
bool JoinRun(const char* path) {
    std::FILE* out = std::fopen(path, "wb");
    if (out == nullptr) return false;
    bool ok = true;
    for (int32_t n = 1; n <= 6; ++n) {
        for (int32_t part = 0; part < 2; ++part) {
            size_t got = 0;
            if (std::FILE* in = std::fopen(TmpName(n, part).text, "rb")) {
                got = std::fread(g_aReplayStage, 1, kReplayStreamSize, in);
                std::fclose(in);
            }
            std::memset(g_aReplayStage + got, 0, kReplayStreamSize - got);
            ok = ok && std::fwrite(g_aReplayStage, 1, kReplayStreamSize, out) ==
                           size_t(kReplayStreamSize);
        }
    }
    return std::fclose(out) == 0 && ok;
}

}  // namespace

CReplay::CReplay() {
    Reset();
}

void CReplay::Reset() {
    std::memset(g_aReplayStage, 0, sizeof g_aReplayStage);
    std::memset(g_aReplayBoss, 0, sizeof g_aReplayBoss);
    stagePos = 0;
    bossPos = 0;
}

void CReplay::Record(uint8_t input) {
    // A read can leave a position at the stream's end, and the positions are open to every
    // scene, so each is brought into the stream before it is written through.
    if (g_nNextScene == 10) {
        stagePos = std::clamp(stagePos, 0, kReplayStreamSize - 1);
        g_aReplayStage[stagePos] = input;
        if (stagePos + 1 < kReplayStreamSize) ++stagePos;
    } else if (g_nNextScene == 50) {
        bossPos = std::clamp(bossPos, 0, kReplayStreamSize - 1);
        g_aReplayBoss[bossPos] = input;
        if (bossPos + 1 < kReplayStreamSize) ++bossPos;
    }
}

uint8_t CReplay::Read() {
    if (stagePos < 0 || stagePos >= kReplayStreamSize) stagePos = 0;
    if (bossPos < 0 || bossPos >= kReplayStreamSize) bossPos = 0;
    if (g_nNextScene == 10) return g_aReplayStage[stagePos++];
    if (g_nNextScene == 50) return g_aReplayBoss[bossPos++];
    return 0;
}

void CReplay::SaveStage() const {
    if (g_nStage < 0 || g_nStage > 6) return;
    const int32_t n = ReplayOrder[g_nStage];
    MakeReplayFolder();
    WriteStream(TmpName(n, 0), g_aReplayStage);
    WriteStream(TmpName(n, 1), g_aReplayBoss);
}

void CReplay::Load(int32_t slot, int32_t n) {
    const FileName name = SlotName(slot);
    std::FILE* file = std::fopen(name.text, "rb");
    if (file == nullptr) {
        MakeReplayFolder();
        if (std::FILE* created = std::fopen(name.text, "w")) std::fclose(created);
        file = std::fopen(name.text, "rb");
        if (file == nullptr) return;
    }
    // Once the file runs out, later reads would get nothing, so stopping early changes nothing.
    for (int32_t i = 0; i < n; ++i) {
        if (std::fread(g_aReplayStage, 1, kReplayStreamSize, file) < size_t(kReplayStreamSize))
            break;
        if (std::fread(g_aReplayBoss, 1, kReplayStreamSize, file) < size_t(kReplayStreamSize))
            break;
    }
    std::fclose(file);
}

bool CReplay::PrepareRun(int32_t row) {
    if (row < 0 || row >= kReplaySlotCount) return false;
    MakeReplayFolder();
    // Leftovers of an interrupted save would otherwise pass for this one's.
    std::remove(kRunAside);
    std::remove(kDroppedAside);
    if (!JoinRun(kRunAside)) std::remove(kRunAside);
    // The moves run from the last row up, so each goes to a name just vacated.
    for (int32_t from = kReplaySlotCount - 1; from >= row; --from) {
        if (!MoveSlot(SlotName(from).text, ShiftTarget(from).text)) {
            MoveBack(from + 1);
            std::remove(kRunAside);
            return false;
        }
    }
    return true;
}

void CReplay::SaveSlot(int32_t slot) {
    std::remove(kDroppedAside);
    MoveSlot(kRunAside, SlotName(slot).text);
}

void CReplay::UndoRun(int32_t row) {
    MoveBack(row);
    std::remove(kRunAside);
}

CReplay g_Replay;
