// The four fields qorb reads from a descrambled savegame.
#pragma once

#include <cstdint>

constexpr int EXIT_OPEN_FAILED = -2;
constexpr int EXIT_SEEK_FAILED = -4;

// Each number holds an unsigned 16-bit value read from the file, so it is
// never negative.
struct CommanderStats {
    char name[8];  // at most 7 bytes and a terminator
    std::int32_t kills;
    std::int32_t federal_points;
    std::int32_t imperial_points;
};

extern CommanderStats commander_stats;

// Fills commander_stats from the savegame at path and writes the progress
// line. Ends the process when the file cannot be opened or is too short.
void read_savegame(const char *path);
