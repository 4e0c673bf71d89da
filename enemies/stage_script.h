#pragma once

#include <cstdint>
#include <memory>

#include "enemies/enemy.h"
#include "enemies/spawn_record.h"
#include "engine/image.h"

// The enemy sprite sheets, element k for enemy kind k, shared by every stage script. Made once
// with the first stage script; elements without a file (kinds 17 and 37, element 44) stay 1x1.
inline constexpr int32_t kEnemyImageCount = 45;
extern CImageShooting* g_pEnemyImage;

// The file each sprite sheet is loaded from: null for none; one of them is zlib-compressed.
struct EnemyImageFile {
    const char* path;
    bool compressed;
};
extern const EnemyImageFile kEnemyImageFiles[kEnemyImageCount];

// A stage script: the 600 enemies of a stage and the timeline that places them. Each frame
// the record under the cursor spawns once its time has come (at most one a frame), into the
// slot of the same number whether or not that slot's enemy is still in play, and then every
// enemy acts.
class CEnemyMannager {
public:
    static constexpr int32_t kEnemyCount = 600;
    static constexpr int32_t kFirstFrame = -200;

    std::unique_ptr<CEnemy[]> enemies;
    StageTimeline timeline{};
    int32_t cursor = 0;
    int32_t frame = kFirstFrame;

    CEnemyMannager();
    CEnemyMannager(const CEnemyMannager&) = delete;
    CEnemyMannager& operator=(const CEnemyMannager&) = delete;
    virtual ~CEnemyMannager() = default;

    // True once the stage's scrolling part is over; the base has none.
    virtual bool IsEnd() { return true; }
    // One frame of the stage; the base does nothing.
    virtual void Run() {}

    // Makes the 600 enemies (and, the first time, the shared sprite array), then gives the
    // sprites' memory back.
    void Create();
    // One frame: spawn at most one due record, entering at height y, then every enemy acts.
    void Update(int32_t y);
    // Places the enemy in the cursor's slot, wrapping the cursor at 600; the cursor is not
    // advanced. A kind outside the table places nothing.
    void Spawn(int32_t x, int32_t y, int32_t kind, int32_t p1, int32_t p2);
    // Back to the start: cursor 0, frame -200, every enemy cleared.
    void Reset();

    // Loads every kind's sprite sheet, whichever stage is next. Static because the new-game
    // reset runs it before any stage is current.
    static void LoadImages();
    // Shrinks every sprite to 1x1, giving their memory back while no stage plays.
    static void ReleaseImages();
};

// A stage script as the game has seven of: its own timeline, the frame after which it ends and
// the frame on which its music starts.
class CStageScript : public CEnemyMannager {
public:
    const int32_t endFrame;
    const int32_t musicFrame;

    // After the end frame: rewinds (cursor 0, frame -200) and reports the end. The enemies
    // still in play stay so until the next Reset.
    bool IsEnd() override;
    // Starts the music on its frame, then the stage's own work, then Update at height 480.
    void Run() override;

protected:
    CStageScript(const StageTimeline& stageTimeline, int32_t end, int32_t music);
    // Work the stage does each frame before its enemies move.
    virtual void BeforeUpdate() {}
};

class CStageB final : public CStageScript {
public:
    CStageB();
};

// Stage 1 also drifts snow down the back layer.
class CStage1 final : public CStageScript {
public:
    CStage1();

protected:
    void BeforeUpdate() override;
};

class CStage2 final : public CStageScript {
public:
    CStage2();
};

class CStage3 final : public CStageScript {
public:
    CStage3();
};

class CStage4 final : public CStageScript {
public:
    CStage4();
};

class CStage5 final : public CStageScript {
public:
    CStage5();
};

// Past the last stage; never played in a normal run, but it works like the others.
class CStage6 final : public CStageScript {
public:
    CStage6();
};
