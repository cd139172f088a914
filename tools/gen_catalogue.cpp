// gen_catalogue PATH [CARDS_PER_SLOT [SEED]]
// Writes a synthetic card list (Shift_JIS, CR LF) to PATH.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "CatalogueGenerator.h"
#include "text/FileBytes.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: gen_catalogue PATH [CARDS_PER_SLOT [SEED]]\n");
        return 2;
    }
    const int cards = argc > 2 ? std::atoi(argv[2]) : 501;
    const unsigned seed = argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)) : 1;
    if (cards < 0 || cards > 501) {
        std::fprintf(stderr, "gen_catalogue: CARDS_PER_SLOT must be 0..501\n");
        return 2;
    }
    if (!svdb::WriteFileBytes(argv[1], svdb::GenerateCatalogueBytes(cards, seed))) {
        std::fprintf(stderr, "gen_catalogue: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
