#pragma once

#include <array>
#include <cstdint>
#include <type_traits>

// One entry of a stage's timeline: at script frame `time` or later, an enemy of `kind` enters
// with the left edge of its box at column `x`; p1 and p2 are handed to the kind's script.
// The layout is five little-endian i32 words, as the timelines have always been stored.
struct SpawnRecord {
    int32_t time;
    int32_t x;
    int32_t kind;
    int32_t p1;
    int32_t p2;

    friend constexpr bool operator==(const SpawnRecord&, const SpawnRecord&) = default;
};
static_assert(sizeof(SpawnRecord) == 20);
static_assert(std::is_trivially_copyable_v<SpawnRecord> && std::is_standard_layout_v<SpawnRecord>);

inline constexpr int kTimelineLength = 600;

// The used records (sorted by time, apart from a few late entries), one end record whose time
// lies past the stage's last frame, then zero records up to the full length.
using StageTimeline = std::array<SpawnRecord, kTimelineLength>;
static_assert(sizeof(StageTimeline) == 12000);

// One timeline per stage script, by stage index: bonus, stages 1 to 5, and the closing script.
extern const StageTimeline kTimelineStageB;
extern const StageTimeline kTimelineStage1;
extern const StageTimeline kTimelineStage2;
extern const StageTimeline kTimelineStage3;
extern const StageTimeline kTimelineStage4;
extern const StageTimeline kTimelineStage5;
extern const StageTimeline kTimelineStage6;
