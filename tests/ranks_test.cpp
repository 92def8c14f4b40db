// The ladder climbs: every rung is reached exactly at its threshold.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ranks.hpp"
#include "savegame.hpp"

namespace {

struct Rung {
    const char *name;
    std::int32_t threshold;
};

struct Ladder {
    const char *title;
    std::int32_t CommanderStats::*value;
    std::int32_t RankStanding::*index;
    const RankEntry *table;
    std::vector<Rung> rungs;  // what the player is promised, lowest first
};

const std::vector<Ladder> &ladders()
{
    static const std::vector<Ladder> all = {
        {"combat rating", &CommanderStats::kills, &RankStanding::elite_index, elite_ratings.data(),
         {{"Harmless", 0}, {"Mostly Harmless", 4}, {"Poor", 8}, {"Below Average", 16},
          {"Average", 32}, {"Above Average", 64}, {"Competent", 128}, {"Dangerous", 1000},
          {"Deadly", 3000}, {"Elite", 6000}}},
        {"Federal rank", &CommanderStats::federal_points, &RankStanding::federal_index,
         federal_ranks.data(),
         {{"None", 0}, {"Private", 2}, {"Corporal", 16}, {"Sergeant", 82},
          {"Sergeant-Major", 256}, {"Major", 625}, {"Colonel", 1296}, {"Lieutenant", 2402},
          {"Lieutenant Commander", 4096}, {"Captain", 6562}, {"Commodore", 10000},
          {"Rear Admiral", 14642}, {"Admiral", 20736}}},
        {"Imperial rank", &CommanderStats::imperial_points, &RankStanding::imperial_index,
         imperial_ranks.data(),
         {{"Outsider", 0}, {"Serf", 2}, {"Master", 16}, {"Sir", 82}, {"Squire", 256},
          {"Lord", 625}, {"Baron", 1296}, {"Viscount", 2402}, {"Count", 4096}, {"Earl", 6562},
          {"Marquis", 10000}, {"Duke", 14642}, {"Prince", 20736}}},
    };
    return all;
}

// The rank that a fresh run gives for value on ladder.
std::string rank_for(const Ladder &ladder, std::int32_t value)
{
    commander_stats = CommanderStats{};
    rank_standing = RankStanding{};
    commander_stats.*ladder.value = value;
    promote_ranks();
    return ladder.table[rank_standing.*ladder.index].name;
}

TEST(PromoteRanks, EachRungStartsAtItsThreshold)
{
    for (const Ladder &ladder : ladders()) {
        for (std::size_t rung = 1; rung < ladder.rungs.size(); ++rung) {
            const Rung &below = ladder.rungs[rung - 1];
            const Rung &at = ladder.rungs[rung];
            SCOPED_TRACE(std::string(ladder.title) + " at " + std::to_string(at.threshold));
            EXPECT_EQ(rank_for(ladder, at.threshold - 1), below.name);
            EXPECT_EQ(rank_for(ladder, at.threshold), at.name);
            EXPECT_EQ(rank_for(ladder, at.threshold + 1), at.name);
        }
    }
}

TEST(PromoteRanks, ExtremesStayOnTheLadder)
{
    for (const Ladder &ladder : ladders()) {
        SCOPED_TRACE(ladder.title);
        EXPECT_EQ(rank_for(ladder, 0), ladder.rungs.front().name);
        EXPECT_EQ(rank_for(ladder, 65535), ladder.rungs.back().name);
    }
}

TEST(PromoteRanks, LaddersClimbIndependently)
{
    commander_stats = CommanderStats{};
    rank_standing = RankStanding{};
    commander_stats.kills = 999;
    commander_stats.federal_points = 81;
    commander_stats.imperial_points = 2401;
    promote_ranks();
    EXPECT_STREQ(elite_ratings.data()[rank_standing.elite_index].name, "Competent");
    EXPECT_STREQ(federal_ranks.data()[rank_standing.federal_index].name, "Corporal");
    EXPECT_STREQ(imperial_ranks.data()[rank_standing.imperial_index].name, "Baron");
}

}  // namespace
