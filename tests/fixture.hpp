// Synthetic descrambled savegames: the tests and the bundled sample write
// their own, with every byte that qorb does not read set to a filler.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

constexpr std::size_t KILLS_AT = 35117;
constexpr std::size_t FEDERAL_AT = 35120;
constexpr std::size_t IMPERIAL_AT = 35122;
constexpr std::size_t NAME_AT = 35144;
constexpr std::size_t SAVEGAME_SIZE = 36 * 1024;

struct SavegameFields {
    std::string name;  // written as it is, then one zero byte
    std::uint16_t kills;
    std::uint16_t federal_points;
    std::uint16_t imperial_points;
};

// 0xA5 is neither zero nor a line feed, so a name or value read from the
// wrong place shows up in the output.
inline std::string make_savegame(const SavegameFields &fields, std::size_t size = SAVEGAME_SIZE)
{
    std::string bytes(size, '\xA5');
    auto put_u16 = [&bytes](std::size_t at, std::uint16_t value) {
        bytes[at] = static_cast<char>(value & 0xFF);
        bytes[at + 1] = static_cast<char>(value >> 8);
    };
    put_u16(KILLS_AT, fields.kills);
    put_u16(FEDERAL_AT, fields.federal_points);
    put_u16(IMPERIAL_AT, fields.imperial_points);
    bytes.replace(NAME_AT, fields.name.size() + 1, fields.name.c_str(), fields.name.size() + 1);
    return bytes;
}

inline bool write_file(const std::string &path, const std::string &bytes)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
