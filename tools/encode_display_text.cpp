// Prints the stored form of a display text for the catalogue:
//
//   encode_display_text KEY TEXT
//
// KEY is the text's 16-bit key (decimal, or hexadecimal with 0x); TEXT is the text to show,
// quoted when it holds blanks. The output is the line of letters to paste into
// engine/catalogue.cpp beside that key.
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "tools/display_text_encoder.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s KEY TEXT\n", argv[0]);
        return 2;
    }
    char* end = nullptr;
    errno = 0;
    const unsigned long key = std::strtoul(argv[1], &end, 0);
    if (errno != 0 || end == argv[1] || *end != '\0' || argv[1][0] == '-' || key > 0xFFFFu) {
        std::fprintf(stderr, "%s: the key must be a number from 0 to 0xFFFF, not \"%s\"\n",
                     argv[0], argv[1]);
        return 2;
    }
    std::printf("%s\n", EncodeDisplayText(argv[2], static_cast<uint16_t>(key)).c_str());
    return 0;
}
