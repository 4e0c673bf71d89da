#pragma once

#include <cstdint>

// The replay recorder: the input byte of every frame of stage play (scene 10) and boss
// fight (scene 50), in two streams per stage. Files live in "replay/" under the working folder:
// "tmp<n><part>" holds one stream of the n-th stage played, "rpl<slot>.dat" a whole run.
inline constexpr int32_t kReplayStreamSize = 11200;
inline constexpr int32_t kReplaySlotCount = 5;
extern uint8_t g_aReplayStage[kReplayStreamSize];
extern uint8_t g_aReplayBoss[kReplayStreamSize];

// The play position (1..6) of each stage index; the index is the stage that comes next when a
// stage ends, so it maps the next stage to the one just finished.
inline constexpr int32_t ReplayOrder[7] = {3, 0, 1, 2, 4, 5, 6};

class CReplay {
public:
    int32_t stagePos = 0;
    int32_t bossPos = 0;

    CReplay();
    // Both streams zeroed, both positions 0.
    void Reset();
    // Appends to the stream of the requested scene; a full stream keeps overwriting its last byte.
    void Record(uint8_t input);
    // The next byte of the stream of the requested scene, 0 in other scenes; a stream read to
    // its end starts again at its first byte.
    uint8_t Read();
    // Writes both streams to the temporary files of the stage just finished. It runs when the
    // stage index (g_nStage) already names the next stage.
    void SaveStage() const;
    // Leaves the n-th stage's pair of streams of slot file `slot` in memory. A missing slot file
    // is created empty; bytes beyond a short file's end stay as they were.
    void Load(int32_t slot, int32_t n);
    // A run whose score entered high-score row `row` is saved in two steps around the table's
    // own save, so that table rows and slot files stay paired whatever fails. PrepareRun joins
    // the twelve temporary files aside (missing bytes as 0), sets slot 4 aside and moves slots
    // row..3 down one row; a missing slot file, or no "replay" folder, leaves its new row empty.
    // It returns false, with everything moved back, when a file cannot be moved, and for a row
    // outside 0..4.
    bool PrepareRun(int32_t row);
    // Makes the run joined by PrepareRun slot file `slot` and drops the old slot 4. A run that
    // could not be joined leaves its slot empty.
    static void SaveSlot(int32_t slot);
    // Moves the slots back where PrepareRun found them and drops the joined run.
    static void UndoRun(int32_t row);
};

extern CReplay g_Replay;
