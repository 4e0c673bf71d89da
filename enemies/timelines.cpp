#include <cstddef>

#include "enemies/spawn_record.h"

namespace {

// The used records of each stage, written as data one formation at a time.
constexpr SpawnRecord kStageBRecords[] = {
#include "enemies/timelines/stageb.inc"
};
constexpr SpawnRecord kStage1Records[] = {
#include "enemies/timelines/stage1.inc"
};
constexpr SpawnRecord kStage2Records[] = {
#include "enemies/timelines/stage2.inc"
};
constexpr SpawnRecord kStage3Records[] = {
#include "enemies/timelines/stage3.inc"
};
constexpr SpawnRecord kStage4Records[] = {
#include "enemies/timelines/stage4.inc"
};
constexpr SpawnRecord kStage5Records[] = {
#include "enemies/timelines/stage5.inc"
};
constexpr SpawnRecord kStage6Records[] = {
#include "enemies/timelines/stage6.inc"
};

// The end record stops the cursor: its time is never reached, because the stage script rewinds
// first. Without it the zero records behind the used ones would spawn an enemy every frame.
template <std::size_t N>
constexpr StageTimeline BuildTimeline(const SpawnRecord (&used)[N], SpawnRecord end) {
    static_assert(N < kTimelineLength, "the end record must fit behind the used records");
    StageTimeline timeline{};
    for (std::size_t i = 0; i < N; ++i)
        timeline[i] = used[i];
    timeline[N] = end;
    return timeline;
}

}  // namespace

constinit const StageTimeline kTimelineStageB =
    BuildTimeline(kStageBRecords, {14880, 280, 1, 1, 1});
constinit const StageTimeline kTimelineStage1 =
    BuildTimeline(kStage1Records, {14880, 280, 1, 1, 1});
constinit const StageTimeline kTimelineStage2 =
    BuildTimeline(kStage2Records, {11023, 242, 1, 5, 0});
constinit const StageTimeline kTimelineStage3 =
    BuildTimeline(kStage3Records, {14000, 120, 20, 1, 1});
constinit const StageTimeline kTimelineStage4 =
    BuildTimeline(kStage4Records, {14000, 120, 20, 1, 1});
constinit const StageTimeline kTimelineStage5 =
    BuildTimeline(kStage5Records, {14440, 350, 15, 1, 1});
constinit const StageTimeline kTimelineStage6 =
    BuildTimeline(kStage6Records, {14880, 280, 1, 1, 1});
