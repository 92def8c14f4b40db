#include "report.hpp"

#include <cstdio>
#include <cstring>

#include "ranks.hpp"
#include "savegame.hpp"

static_assert(federal_ranks.size() == imperial_ranks.size(),
              "the Federal and Imperial ladders share their rows");

namespace {

// Widths of the names' columns; each cell adds three characters around them.
constexpr int IMPERIAL_WIDTH = 10;
constexpr int FEDERAL_WIDTH = 20;
constexpr int ELITE_WIDTH = 18;

// Brackets the current rung; both forms are three characters wider than the
// name, so the name keeps its column either way.
void print_cell(const RankEntry &rung, bool current, int width)
{
    if (current) {
        std::printf("[%s] ", rung.name);
    } else {
        std::printf(" %s  ", rung.name);
    }
    pad_to_width(width, rung.name);
}

}  // namespace

void pad_to_width(int width, const char *name)
{
    for (int column = static_cast<int>(std::strlen(name)); column < width; ++column) {
        std::putchar(' ');
    }
}

void print_rank_table()
{
    std::printf(" Imperial     Federal            Req. Pts      Elite Fed.     Req. Kills\n");
    std::printf("------------------------------------------------------------------------\n");
    for (std::size_t row = 0; row < federal_ranks.size(); ++row) {
        const auto index = static_cast<std::int32_t>(row);
        print_cell(imperial_ranks[row], index == rank_standing.imperial_index, IMPERIAL_WIDTH);
        print_cell(federal_ranks[row], index == rank_standing.federal_index, FEDERAL_WIDTH);
        // One points column serves both ladders, whose thresholds are equal.
        std::printf("%5d     ", federal_ranks[row].threshold);
        if (row < elite_ratings.size()) {
            print_cell(elite_ratings[row], index == rank_standing.elite_index, ELITE_WIDTH);
            std::printf("%5d", elite_ratings[row].threshold);
        }
        std::printf("\n");
    }
    std::printf("\n");
}

void print_summary()
{
    std::printf("Commander %s, you have %d Imperial points and %d Federal points.\n",
                commander_stats.name, commander_stats.imperial_points,
                commander_stats.federal_points);
    const RankEntry &rating = elite_ratings[static_cast<std::size_t>(rank_standing.elite_index)];
    std::printf("You have %d confirmed kills.  Elite Fed rate you as %s.\n",
                commander_stats.kills, rating.name);
}
