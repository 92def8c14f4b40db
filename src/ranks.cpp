#include "ranks.hpp"

#include "savegame.hpp"

const RankTable<10> elite_ratings = {{
    {"Harmless", 0},
    {"Mostly Harmless", 4},
    {"Poor", 8},
    {"Below Average", 16},
    {"Average", 32},
    {"Above Average", 64},
    {"Competent", 128},
    {"Dangerous", 1000},
    {"Deadly", 3000},
    {"Elite", 6000},
}};

// The Federal and Imperial ladders share their thresholds row by row.
const RankTable<13> federal_ranks = {{
    {"None", 0},
    {"Private", 2},
    {"Corporal", 16},
    {"Sergeant", 82},
    {"Sergeant-Major", 256},
    {"Major", 625},
    {"Colonel", 1296},
    {"Lieutenant", 2402},
    {"Lieutenant Commander", 4096},
    {"Captain", 6562},
    {"Commodore", 10000},
    {"Rear Admiral", 14642},
    {"Admiral", 20736},
}};

const RankTable<13> imperial_ranks = {{
    {"Outsider", 0},
    {"Serf", 2},
    {"Master", 16},
    {"Sir", 82},
    {"Squire", 256},
    {"Lord", 625},
    {"Baron", 1296},
    {"Viscount", 2402},
    {"Count", 4096},
    {"Earl", 6562},
    {"Marquis", 10000},
    {"Duke", 14642},
    {"Prince", 20736},
}};

RankStanding rank_standing;

namespace {

// Moves index up while value reaches the next rung; the last rung caps it.
template <std::size_t N>
void climb(const RankTable<N> &table, std::int32_t value, std::int32_t &index)
{
    while (index < static_cast<std::int32_t>(N) - 1 &&
           value >= table[static_cast<std::size_t>(index) + 1].threshold) {
        ++index;
    }
}

}  // namespace

void promote_ranks()
{
    climb(elite_ratings, commander_stats.kills, rank_standing.elite_index);
    climb(federal_ranks, commander_stats.federal_points, rank_standing.federal_index);
    climb(imperial_ranks, commander_stats.imperial_points, rank_standing.imperial_index);
}
