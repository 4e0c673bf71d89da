#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <vector>

#include "enemies/enemy.h"
#include "enemies/spawn_record.h"

namespace {

// A record that stands right after one with a later time, so it spawns on the frame after it.
struct LateRecord {
    int32_t predecessorTime;
    SpawnRecord record;
};

struct StageFacts {
    const char* name;
    const StageTimeline* timeline;
    int32_t endFrame;
    int32_t usedCount;
    int32_t firstTime;
    int32_t lastTime;
    SpawnRecord end;
    std::map<int32_t, int32_t> kindCounts;
    std::vector<SpawnRecord> begins;  // the first used records, in order
    std::vector<SpawnRecord> ends;    // the last used records, in order
    std::vector<SpawnRecord> large;   // each stands once, somewhere in the used records
    std::vector<LateRecord> late;
};

const std::vector<StageFacts>& Stages() {
    static const std::vector<StageFacts> stages = {
        {"bonus",
         &kTimelineStageB,
         1500,
         1,
         0,
         0,
         {14880, 280, 1, 1, 1},
         {{42, 1}},
         {{0, 134, 42, 1, 1}},
         {},
         {},
         {}},
        {"stage 1",
         &kTimelineStage1,
         5800,
         236,
         2,
         5410,
         {14880, 280, 1, 1, 1},
         {{1, 56},
          {3, 12},
          {8, 62},
          {13, 4},
          {15, 10},
          {18, 3},
          {26, 16},
          {27, 5},
          {30, 41},
          {33, 3},
          {40, 24}},
         {{2, 160, 8, 10, 1},
          {10, 200, 8, 50, 1},
          {30, 240, 8, 42, 1},
          {40, 180, 8, 30, 1},
          {50, 150, 8, 30, 1}},
         {{5395, 230, 8, 50, 1}, {5400, 160, 30, 1, 1}, {5410, 280, 30, 1, 1}},
         {},
         {{910, {875, 160, 30, 1, 1}},
          {3610, {3580, 320, 40, 350, 0}},
          {4955, {4160, 350, 1, 1, 1}}}},
        {"stage 2",
         &kTimelineStage2,
         7240,
         264,
         0,
         6930,
         {11023, 242, 1, 5, 0},
         {{2, 1},
          {5, 11},
          {6, 7},
          {8, 26},
          {12, 31},
          {22, 3},
          {23, 9},
          {26, 16},
          {30, 26},
          {32, 6},
          {34, 41},
          {35, 65},
          {40, 18},
          {41, 4}},
         {{0, 230, 22, 0, 0}, {82, 92, 34, 20, 380}, {88, 510, 34, 20, 260}, {92, 92, 34, 20, 160}},
         {},
         {{3400, 200, 2, 1, 1}},
         {{832, {830, 510, 34, 20, 420}}}},
        {"stage 3",
         &kTimelineStage3,
         8000,
         291,
         0,
         7530,
         {14000, 120, 20, 1, 1},
         {{9, 71},
          {10, 13},
          {16, 5},
          {20, 4},
          {25, 2},
          {30, 60},
          {31, 1},
          {34, 43},
          {35, 13},
          {39, 46},
          {40, 33}},
         {{0, 380, 40, 400, 1}, {5, 160, 40, 400, 1}, {10, 260, 40, 300, 1}, {35, 460, 9, 70, 1}},
         {},
         {{3050, 140, 31, 1, 1}},
         {{5120, {5115, 160, 30, 1, 1}}}},
        {"stage 4",
         &kTimelineStage4,
         8200,
         323,
         -120,
         7790,
         {14000, 120, 20, 1, 1},
         {{7, 18},
          {9, 75},
          {10, 8},
          {15, 3},
          {19, 2},
          {20, 4},
          {25, 2},
          {27, 3},
          {28, 4},
          {29, 6},
          {30, 49},
          {33, 3},
          {34, 27},
          {35, 12},
          {36, 1},
          {38, 57},
          {40, 43},
          {41, 6}},
         {{-120, 380, 7, 0, 6},
          {-120, 180, 7, 0, 6},
          {-100, 400, 7, 3, 6},
          {-100, 160, 7, 3, 6},
          {0, 134, 38, 400, 30}},
         {},
         {{3100, 140, 36, 1, 1}},
         {}},
        {"stage 5",
         &kTimelineStage5,
         10990,
         517,
         -40,
         9550,
         {14440, 350, 15, 1, 1},
         {{0, 1},   {3, 18},  {4, 24},  {5, 14},  {6, 8},   {9, 116}, {11, 132},
          {12, 30}, {14, 1},  {20, 5},  {22, 2},  {24, 2},  {26, 24}, {28, 4},
          {30, 28}, {34, 32}, {35, 24}, {40, 20}, {41, 31}, {43, 1}},
         {{-40, 160, 41, 10, 20}, {-20, 260, 41, 10, 20}, {0, 360, 41, 10, 30}},
         {{9550, 134, 43, 1, 1}},
         {{4300, 130, 0, 1, 1}, {9550, 134, 43, 1, 1}},
         {{2217, {2215, 170, 24, 30, 0}}}},
        {"stage 6",
         &kTimelineStage6,
         100,
         1,
         2,
         2,
         {14880, 280, 1, 1, 1},
         {{8, 1}},
         {{2, 160, 8, 10, 1}},
         {},
         {},
         {}},
    };
    return stages;
}

std::vector<SpawnRecord> Used(const StageFacts& stage) {
    return {stage.timeline->begin(), stage.timeline->begin() + stage.usedCount};
}

bool IsLate(const StageFacts& stage, const SpawnRecord& record) {
    return std::any_of(stage.late.begin(), stage.late.end(),
                       [&](const LateRecord& late) { return late.record == record; });
}

// Records whose values the stage design fixes; only the authored ones follow the field rule.
bool IsFixed(const StageFacts& stage, const SpawnRecord& record) {
    auto in = [&](const std::vector<SpawnRecord>& list) {
        return std::find(list.begin(), list.end(), record) != list.end();
    };
    return in(stage.begins) || in(stage.ends) || in(stage.large) || IsLate(stage, record);
}

constexpr int32_t kFieldLeft = 134;
constexpr int32_t kFieldRight = 510;  // one past the last field column
constexpr int32_t kSideEntryKind = 20;

}  // namespace

TEST(StageTimelines, RecordsAreFiveWordsInFileOrder) {
    EXPECT_EQ(offsetof(SpawnRecord, time), 0u);
    EXPECT_EQ(offsetof(SpawnRecord, x), 4u);
    EXPECT_EQ(offsetof(SpawnRecord, kind), 8u);
    EXPECT_EQ(offsetof(SpawnRecord, p1), 12u);
    EXPECT_EQ(offsetof(SpawnRecord, p2), 16u);
}

TEST(StageTimelines, UsedRecordsAreFollowedByTheEndRecordAndZeros) {
    for (const StageFacts& stage : Stages()) {
        SCOPED_TRACE(stage.name);
        const StageTimeline& timeline = *stage.timeline;
        for (int32_t i = 0; i < stage.usedCount; ++i)
            EXPECT_LE(timeline[i].time, stage.endFrame) << "record " << i << " never spawns";
        EXPECT_EQ(timeline[stage.usedCount], stage.end);
        EXPECT_GT(stage.end.time, stage.endFrame);
        for (int32_t i = stage.usedCount + 1; i < kTimelineLength; ++i)
            ASSERT_EQ(timeline[i], (SpawnRecord{0, 0, 0, 0, 0})) << "record " << i;
    }
}

TEST(StageTimelines, KindCountsAndSpawnTimesMatchTheStageTable) {
    for (const StageFacts& stage : Stages()) {
        SCOPED_TRACE(stage.name);
        std::map<int32_t, int32_t> counts;
        int32_t first = INT32_MAX;
        int32_t last = INT32_MIN;
        for (const SpawnRecord& record : Used(stage)) {
            ++counts[record.kind];
            first = std::min(first, record.time);
            last = std::max(last, record.time);
        }
        EXPECT_EQ(counts, stage.kindCounts);
        EXPECT_EQ(first, stage.firstTime);
        EXPECT_EQ(last, stage.lastTime);
    }
}

TEST(StageTimelines, FixedRecordsStandInTheirPlaces) {
    for (const StageFacts& stage : Stages()) {
        SCOPED_TRACE(stage.name);
        const std::vector<SpawnRecord> used = Used(stage);
        for (std::size_t i = 0; i < stage.begins.size(); ++i)
            EXPECT_EQ(used[i], stage.begins[i]) << "opening record " << i;
        const std::size_t tail = used.size() - stage.ends.size();
        for (std::size_t i = 0; i < stage.ends.size(); ++i)
            EXPECT_EQ(used[tail + i], stage.ends[i]) << "closing record " << i;
        for (const SpawnRecord& large : stage.large)
            EXPECT_EQ(std::count(used.begin(), used.end(), large), 1)
                << "large enemy of kind " << large.kind;
        for (const LateRecord& late : stage.late) {
            const auto at = std::find(used.begin(), used.end(), late.record);
            ASSERT_NE(at, used.end()) << "late record at " << late.record.time;
            ASSERT_NE(at, used.begin());
            EXPECT_EQ((at - 1)->time, late.predecessorTime)
                << "late record at " << late.record.time;
        }
    }
}

TEST(StageTimelines, SortedByTimeExceptTheLateRecords) {
    for (const StageFacts& stage : Stages()) {
        SCOPED_TRACE(stage.name);
        int32_t latest = INT32_MIN;
        for (const SpawnRecord& record : Used(stage)) {
            if (IsLate(stage, record)) {
                EXPECT_LT(record.time, latest);
                continue;
            }
            EXPECT_GE(record.time, latest) << "record at " << record.time << " out of order";
            latest = std::max(latest, record.time);
        }
    }
}

// One record spawns per frame, so a crowded formation lags behind its written frames; the
// formations are spaced so that every record spawns on time, and every one before the end.
TEST(StageTimelines, EveryRecordSpawnsOnItsFrameBeforeTheStageEnds) {
    for (const StageFacts& stage : Stages()) {
        SCOPED_TRACE(stage.name);
        int32_t frame = -201;
        for (const SpawnRecord& record : Used(stage)) {
            frame = std::max(frame + 1, record.time);
            if (!IsLate(stage, record)) {
                EXPECT_LE(frame - record.time, 1) << "record at " << record.time << " lags";
            }
        }
        EXPECT_LE(frame, stage.endFrame);
    }
}

TEST(StageTimelines, KindsAreSpawnableAndColumnsKeepEnemiesInTheField) {
    for (const StageFacts& stage : Stages()) {
        SCOPED_TRACE(stage.name);
        for (const SpawnRecord& record : Used(stage)) {
            ASSERT_TRUE(IsEnemyKind(record.kind)) << "kind " << record.kind;
            EXPECT_NE(record.kind, 17);
            EXPECT_NE(record.kind, 21);
            EXPECT_NE(record.kind, 37);
            EXPECT_GE(record.x, -120);
            EXPECT_LE(record.x, 550);
            if (IsFixed(stage, record)) continue;
            const int32_t w = EnemyKindTable[record.kind].w;
            if (record.kind == kSideEntryKind) {
                // Gunships swing in from beside the field, so their centre starts outside it.
                const int32_t centre = record.x + w / 2;
                EXPECT_TRUE(centre < kFieldLeft || centre > kFieldRight) << "x " << record.x;
            } else {
                EXPECT_GE(record.x, kFieldLeft) << "kind " << record.kind << " at " << record.time;
                EXPECT_LE(record.x + w, kFieldRight)
                    << "kind " << record.kind << " at " << record.time;
            }
        }
    }
}

TEST(StageTimelines, DensityRisesTowardTheBoss) {
    for (const StageFacts& stage : Stages()) {
        if (stage.usedCount < 100) continue;
        SCOPED_TRACE(stage.name);
        const int32_t quarter = (stage.lastTime - stage.firstTime) / 4;
        int32_t opening = 0;
        int32_t closing = 0;
        for (const SpawnRecord& record : Used(stage)) {
            opening += record.time < stage.firstTime + quarter;
            closing += record.time > stage.lastTime - quarter;
        }
        EXPECT_GT(closing, opening);
    }
}
