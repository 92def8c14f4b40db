// qorb: reads a commander's kills and rank points from a descrambled
// savegame and shows where they stand on the three rank ladders.

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ranks.hpp"
#include "report.hpp"
#include "savegame.hpp"

namespace {

constexpr int EXIT_NO_MEMORY = -1;
// The report could not be written (a full disk, say): not a success.
constexpr int EXIT_WRITE_FAILED = 1;

struct RunOptions {
    char *savegame_path;
    bool show_help;
    bool run;
};

RunOptions run_options = {nullptr, false, true};

void print_banner()
{
    std::printf("\n%s %s\n%s - %s\n%s\n\n", "Quorbel", "v1.1 on 26.08.2002",
                "Written by the qorb developers", "Copyright (C) 2026 the qorb developers",
                "All rights reserved.");
}

// Only the number of arguments counts: any second argument asks for the
// help screen, and the first is always the savegame, even when it is "/?".
void parse_command_line(int count, char *vector[])
{
    if (count < 2) {
        run_options.show_help = true;
        run_options.run = false;
        return;
    }
    const std::size_t size = std::strlen(vector[1]) + 1;
    run_options.savegame_path = static_cast<char *>(std::malloc(size));
    if (run_options.savegame_path == nullptr) {
        std::printf("Could not mallocate %zu bytes (!)\n", size);
        std::exit(EXIT_NO_MEMORY);
    }
    std::memcpy(run_options.savegame_path, vector[1], size);
    if (count > 2) {
        run_options.show_help = true;
    }
}

void print_help()
{
    std::printf("This program interrogates your decompressed/descrambled savegame and tells you\n");
    std::printf("your Federal, Imperial and Elite ranking, the number of rank points and combat\n");
    std::printf("rating points you have and how many more you require to be promoted in each\n");
    std::printf("field.  Your savegame must be descrambled by SGE first - this utility isn't\n");
    std::printf("too hard to find, try: https://sge.example.org/, or\n");
    std::printf("contact it's author on sge-author@example.org.  On\n");
    std::printf("the odd chance that I've included SGE with my little util, you should run the\n");
    std::printf("batch file to reduce the amount of keystrokes required, etc.,  it shouldn't be\n");
    std::printf("too hard to figure out how that works.\n\n");
    std::printf("Usage:  qorb <filename.ext> [options]\n");
    std::printf("    <filename.ext>  Filename of the descrambled savegame.\n");
    std::printf("    [options]       /? - Show this screen.\n\n");
    std::printf("qorb@example.org - Thanks..\n");
}

}  // namespace

int main(int argc, char *argv[])
{
    print_banner();
    parse_command_line(argc, argv);
    if (run_options.show_help) {
        print_help();
    }
    if (run_options.run) {
        read_savegame(run_options.savegame_path);
        promote_ranks();
        print_rank_table();
        print_summary();
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        return EXIT_WRITE_FAILED;
    }
    return 0;
}
