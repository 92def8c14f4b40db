// Writes the bundled sample savegame: make_sample <output path>.

#include <cstdio>

#include "fixture.hpp"

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample <output path>\n");
        return 2;
    }
    const SavegameFields sample = {"Example", 212, 300, 2500};
    if (!write_file(argv[1], make_savegame(sample))) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
