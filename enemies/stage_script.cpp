#include "enemies/stage_script.h"

#include "engine/music.h"
#include "engine/random.h"
#include "shooting/effect.h"

const EnemyImageFile kEnemyImageFiles[kEnemyImageCount] = {
    {"img/small-midboss5.bmp", false},
    {"img/small-bat1.bmp", false},
    {"img/small-ship1.bmp", false},
    {"img/small-fo11.bmp", false},
    {"img/small-fo13.bmp", false},
    {"img/small-fo15.bmp", false},
    {"img/small-fo.bmp", false},
    {"img/small-zako7.bmp", false},
    {"img/small-zako2-2.bmp", false},
    {"img/small-zako2-3.bmp", false},
    {"img/small-zako3.bmp", false},
    {"img/small-zako4.bmp", false},
    {"img/small-fo4.bmp", false},
    {"img/small-itemer1.bmp", false},
    {"img/small-fo14.bmp", false},
    {"img/small-evileye.bmp", false},
    {"img/small-evileye2.bmp", false},
    {nullptr, false},
    {"img/small-fo2.bmp", false},
    {"img/small-zako6.bmp", false},
    {"img/small-zako5.bmp", false},
    {"img/dummy.bmp", false},
    {"img/small-fo5-2.bmp", false},
    {"img/small-fo6-2.bmp", false},
    {"img/small-fo7.bmp", false},
    {"img/small-fo12.bmp", false},
    {"img/small-evileye5.bmp", false},
    {"img/small-fo16.bmp", false},
    {"img/small-fo8.bmp", false},
    {"img/small-fo9.bmp", false},
    {"img/small-fo10.bmp", false},
    {"img/small-midboss3.bmp", false},
    {"img/small-evileye4.bmp", false},
    {"img/small-Robo3.bmp", false},
    {"img/small-zako1.bmp", false},
    {"img/small-zako2.bmp", false},
    {"img/small-ship2.bmp", false},
    {nullptr, false},
    {"img/small-fo17.bmp", false},
    {"img/small-fo18.bmp", false},
    {"img/small-fo16-2.bmp", false},
    {"img/small-zako8.bmp", false},
    {"img/small-bossb", true},
    {"img/small-boss5.bmp", false},
    {nullptr, false},
};

CImageShooting* g_pEnemyImage = nullptr;

namespace {

// The one sprite array, made on first use and kept for the whole run.
CImageShooting* EnemyImages() {
    static std::unique_ptr<CImageShooting[]> images;
    if (images == nullptr) {
        images = std::make_unique<CImageShooting[]>(kEnemyImageCount);
        g_pEnemyImage = images.get();
    }
    return images.get();
}

constexpr int32_t kEnterHeight = 480;
constexpr int32_t kMusicMode = 4;

}  // namespace

CEnemyMannager::CEnemyMannager() {
    Create();
}

void CEnemyMannager::Create() {
    enemies = std::make_unique<CEnemy[]>(kEnemyCount);
    EnemyImages();
    ReleaseImages();
}

void CEnemyMannager::LoadImages() {
    CImageShooting* images = EnemyImages();
    for (int32_t k = 0; k < kEnemyImageCount; ++k) {
        const EnemyImageFile& file = kEnemyImageFiles[k];
        if (file.path == nullptr) continue;
        if (file.compressed) {
            images[k].LoadCompressed(file.path);
        } else {
            images[k].Load(file.path);
        }
    }
}

void CEnemyMannager::ReleaseImages() {
    CImageShooting* images = EnemyImages();
    for (int32_t k = 0; k < kEnemyImageCount; ++k)
        images[k].Create(1, 1);
}

void CEnemyMannager::Spawn(int32_t x, int32_t y, int32_t kind, int32_t p1, int32_t p2) {
    if (cursor == kEnemyCount) cursor = 0;
    // Above the field an enemy starts by rising into it.
    enemies[cursor].Set(x, y, kind, 0.0f, y < 0 ? -5.0f : 3.0f, p1, p2);
}

void CEnemyMannager::Update(int32_t y) {
    const int32_t t = frame;
    frame += 1;
    // The cursor only reaches 600 on a timeline without an end record; it then reads record 0,
    // the record of the slot Spawn wraps to.
    const SpawnRecord& record = timeline[cursor % kEnemyCount];
    if (t >= record.time) {
        Spawn(record.x, y, record.kind, record.p1, record.p2);
        cursor += 1;
    }
    for (int32_t i = 0; i < kEnemyCount; ++i)
        enemies[i].Act();
}

void CEnemyMannager::Reset() {
    cursor = 0;
    frame = kFirstFrame;
    for (int32_t i = 0; i < kEnemyCount; ++i)
        enemies[i].Clear();
}

CStageScript::CStageScript(const StageTimeline& stageTimeline, int32_t end, int32_t music)
    : endFrame(end), musicFrame(music) {
    timeline = stageTimeline;
    cursor = 0;
    frame = kFirstFrame;
}

bool CStageScript::IsEnd() {
    if (frame <= endFrame) return false;
    cursor = 0;
    frame = kFirstFrame;
    return true;
}

void CStageScript::Run() {
    if (frame == musicFrame) {
        g_Music.player.SetMode(kMusicMode);
        g_Music.player.Start();
    }
    BeforeUpdate();
    Update(kEnterHeight);
}

CStageB::CStageB() : CStageScript(kTimelineStageB, 1500, -200) {}
CStage1::CStage1() : CStageScript(kTimelineStage1, 5800, -200) {}
CStage2::CStage2() : CStageScript(kTimelineStage2, 7240, -170) {}
CStage3::CStage3() : CStageScript(kTimelineStage3, 8000, -195) {}
CStage4::CStage4() : CStageScript(kTimelineStage4, 8200, -200) {}
CStage5::CStage5() : CStageScript(kTimelineStage5, 10990, -200) {}
CStage6::CStage6() : CStageScript(kTimelineStage6, 100, -200) {}

void CStage1::BeforeUpdate() {
    // Snow on every third frame, negative frames included.
    if (frame % 3 != 0) return;
    const int32_t r1 = Rand();
    const int32_t r2 = Rand();
    g_EffectMannager.AddBack(r1 % 376 + 134, 463, 3, 16, 0, static_cast<float>(r2 % 10 + 8));
}
