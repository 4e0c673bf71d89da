#include <cstdio>
#include <string>

#include "tools/assets/assets.h"

// Writes the placeholder assets into the folder the game runs in.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder the game runs in>\n", argc > 0 ? argv[0] : "");
        return 2;
    }
    std::string error;
    if (!assets::WriteAssets(argv[1], &error)) {
        std::fprintf(stderr, "zarune-assets: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
