// The table's fixed columns, whichever rungs are marked, and the summary.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ranks.hpp"
#include "report.hpp"
#include "savegame.hpp"

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

std::vector<std::string> table_lines(const RankStanding &standing)
{
    rank_standing = standing;
    CaptureStdout();
    print_rank_table();
    const std::string text = GetCapturedStdout();
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "the table ends with a line end";
    return lines;
}

// A name in its column, in brackets when it is the current rung.
void expect_cell(const std::string &line, std::size_t column, const char *name, bool current)
{
    const std::string cell = current ? "[" + std::string(name) + "]" : " " + std::string(name) + " ";
    EXPECT_EQ(line.substr(column - 1, cell.size()), cell) << line;
}

void expect_number(const std::string &line, std::size_t last_column, std::int32_t number)
{
    std::string text = std::to_string(number);
    text.insert(0, 5 - text.size(), ' ');
    EXPECT_EQ(line.substr(last_column - 4, 5), text) << line;
}

TEST(RankTable, ColumnsHoldForEveryStanding)
{
    for (std::int32_t step = 0; step < 13; ++step) {
        const RankStanding standing = {step % 10, step, 12 - step};
        SCOPED_TRACE("standing " + std::to_string(step));
        const std::vector<std::string> lines = table_lines(standing);
        ASSERT_EQ(lines.size(), 16u);
        EXPECT_EQ(lines[0],
                  " Imperial     Federal            Req. Pts      Elite Fed.     Req. Kills");
        EXPECT_EQ(lines[1], std::string(72, '-'));
        EXPECT_EQ(lines[15], "");
        for (std::size_t row = 0; row < 13; ++row) {
            const std::string &line = lines[row + 2];
            const auto index = static_cast<std::int32_t>(row);
            expect_cell(line, 1, imperial_ranks[row].name, index == standing.imperial_index);
            expect_cell(line, 14, federal_ranks[row].name, index == standing.federal_index);
            expect_number(line, 40, federal_ranks[row].threshold);
            EXPECT_EQ(line.substr(41, 5), "     ") << line;
            if (row < 10) {
                EXPECT_EQ(line.size(), 72u) << line;
                expect_cell(line, 47, elite_ratings[row].name, index == standing.elite_index);
                expect_number(line, 71, elite_ratings[row].threshold);
            } else {
                EXPECT_EQ(line.size(), 46u) << line;
            }
        }
    }
}

TEST(RankTable, LongestNamesFillTheirColumns)
{
    const std::vector<std::string> lines = table_lines({5, 8, 0});
    EXPECT_EQ(lines[10], " Count       [Lieutenant Commander]  4096      Deadly               3000");
    EXPECT_EQ(lines[7], " Lord         Major                   625     [Above Average]         64");
    EXPECT_EQ(lines[14], " Prince       Admiral               20736     ");
}

TEST(PadToWidth, WritesOnlyTheShortfall)
{
    const struct {
        int width;
        const char *name;
        const char *padding;
    } cases[] = {
        {10, "Sir", "       "}, {3, "Sir", ""}, {2, "Sir", ""}, {1, "", " "}, {0, "", ""},
    };
    for (const auto &c : cases) {
        CaptureStdout();
        pad_to_width(c.width, c.name);
        EXPECT_EQ(GetCapturedStdout(), c.padding) << c.width << " " << c.name;
    }
}

TEST(Summary, NamesTheCommanderPointsKillsAndRating)
{
    const struct {
        CommanderStats stats;
        std::int32_t elite_index;
        const char *text;
    } cases[] = {
        {{"", 0, 0, 0}, 0,
         "Commander , you have 0 Imperial points and 0 Federal points.\n"
         "You have 0 confirmed kills.  Elite Fed rate you as Harmless.\n"},
        {{"Example", 6000, 300, 2500}, 9,
         "Commander Example, you have 2500 Imperial points and 300 Federal points.\n"
         "You have 6000 confirmed kills.  Elite Fed rate you as Elite.\n"},
    };
    for (const auto &c : cases) {
        commander_stats = c.stats;
        rank_standing = {c.elite_index, 0, 0};
        CaptureStdout();
        print_summary();
        EXPECT_EQ(GetCapturedStdout(), c.text);
    }
}

}  // namespace
