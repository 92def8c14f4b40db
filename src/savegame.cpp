#include "savegame.hpp"

#include <cstdio>
#include <cstdlib>

#include <sys/stat.h>

CommanderStats commander_stats;

namespace {

constexpr long KILLS_OFFSET = 35117;
constexpr long FEDERAL_POINTS_OFFSET = 35120;
constexpr long IMPERIAL_POINTS_OFFSET = 35122;
constexpr long NAME_OFFSET = 35144;

// Positions stream at offset from the start of the file, or ends the run.
// Seeking past the end would succeed, but a file that short does not hold
// the field, so it is taken for a savegame that was never descrambled.
void require_seek(std::FILE *stream, long offset)
{
    if (std::fseek(stream, 0, SEEK_END) != 0 || std::ftell(stream) < offset ||
        std::fseek(stream, offset, SEEK_SET) != 0) {
        std::printf("Seek error - have you descrambled the savegame using SGE?\n");
        std::exit(EXIT_SEEK_FAILED);
    }
}

// Reads a little-endian 16-bit value; a byte the file lacks reads as 0.
std::int32_t read_u16(std::FILE *stream)
{
    unsigned char bytes[2] = {0, 0};
    if (std::fread(bytes, 1, sizeof bytes, stream) < sizeof bytes) {
        // A short read leaves the missing bytes at 0.
    }
    return bytes[0] | bytes[1] << 8;
}

}  // namespace

void read_savegame(const char *path)
{
    std::FILE *stream = std::fopen(path, "rb");
    // A directory opens for reading on Linux, but no byte of it can be read.
    struct stat status;
    if (stream == nullptr ||
        (fstat(fileno(stream), &status) == 0 && S_ISDIR(status.st_mode))) {
        std::printf("%s could not be opened.\n\n", path);
        std::exit(EXIT_OPEN_FAILED);
    }
    std::printf("Reading %s - ", path);

    // Up to 7 bytes, ending after a line feed or at the end of the file;
    // when the file ends at once, the name stays empty.
    require_seek(stream, NAME_OFFSET);
    if (std::fgets(commander_stats.name, sizeof commander_stats.name, stream) == nullptr) {
        commander_stats.name[0] = '\0';
    }
    std::printf("Commander %s.\n\n", commander_stats.name);

    require_seek(stream, KILLS_OFFSET);
    commander_stats.kills = read_u16(stream);
    require_seek(stream, FEDERAL_POINTS_OFFSET);
    commander_stats.federal_points = read_u16(stream);
    require_seek(stream, IMPERIAL_POINTS_OFFSET);
    commander_stats.imperial_points = read_u16(stream);

    std::fclose(stream);
}
