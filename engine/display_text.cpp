#include "engine/display_text.h"

#include <cstddef>

std::string DecodeDisplayText(std::string text, uint16_t key) {
    // Each pair of letters is one stored byte, written as two base-26 digits from 'A'. Any
    // character code goes through the same sum; only its low 8 bits survive. The copy of the
    // text is overwritten with the stored bytes and then with the characters, in place.
    const size_t count = text.size() / 2;
    for (size_t i = 0; i < count; ++i) {
        const unsigned first = static_cast<unsigned char>(text[2 * i]);
        const unsigned second = static_cast<unsigned char>(text[2 * i + 1]);
        text[i] = static_cast<char>((26u * (first - 'A') + (second - 'A')) & 0xFFu);
    }
    text.resize(count);

    uint32_t running = key;
    for (size_t i = 0; i < count; ++i) {
        const uint32_t stored = static_cast<unsigned char>(text[i]);
        text[i] = static_cast<char>(stored ^ (running >> 8));
        // The key moves on with the stored byte, not with the character it gave.
        running = ((running + stored) * kDisplayKeyMultiplier + kDisplayKeyIncrement) & 0xFFFFu;
    }
    return text;
}
