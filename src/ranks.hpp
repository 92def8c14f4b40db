// The three rank ladders and the commander's place on them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

struct RankEntry {
    const char *name;
    std::int32_t threshold;  // smallest value at which the rank is held
};

// Lowest rank first, thresholds strictly increasing from 0.
template <std::size_t N>
using RankTable = std::array<RankEntry, N>;

extern const RankTable<10> elite_ratings;   // confirmed kills
extern const RankTable<13> federal_ranks;   // Federal points
extern const RankTable<13> imperial_ranks;  // Imperial points

struct RankStanding {
    std::int32_t elite_index;
    std::int32_t federal_index;
    std::int32_t imperial_index;
};

extern RankStanding rank_standing;

// Raises each index of rank_standing to the highest rung that the values in
// commander_stats reach.
void promote_ranks();
