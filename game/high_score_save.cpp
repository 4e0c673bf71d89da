#include "game/high_score_save.h"

#include "engine/replay.h"
#include "shooting/point_mannager.h"

namespace {

bool SaveInOrder(CPointMannager& p, int32_t row) {
    if (row < 0 || row >= kReplaySlotCount) return p.SaveScores();
    if (!p.WriteScoresAside()) return false;
    if (!g_Replay.PrepareRun(row)) {
        CPointMannager::DiscardScores();
        return false;
    }
    if (!CPointMannager::ReplaceScores()) {
        CReplay::UndoRun(row);
        return false;
    }
    CReplay::SaveSlot(row);
    return true;
}

}  // namespace

bool SaveHighScores(int32_t row) {
    CPointMannager& p = *g_pPointMannager;
    if (SaveInOrder(p, row)) return true;
    p.LoadScores();
    return false;
}
