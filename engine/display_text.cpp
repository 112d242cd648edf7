#include "engine/display_text.h"

#include <cstring>

DisplayText DecodeDisplayText(const char* text, size_t letters, uint16_t key) {
    // Each pair of letters is one stored byte, written as two base-26 digits from 'A'. Any
    // character code goes through the same sum; only its low 8 bits survive. The stored
    // text is only read.
    DisplayText result;
    uint32_t running = key;
    for (size_t i = 0; i < letters / 2; ++i) {
        const unsigned first = static_cast<unsigned char>(text[2 * i]);
        const unsigned second = static_cast<unsigned char>(text[2 * i + 1]);
        const uint32_t stored = (26u * (first - 'A') + (second - 'A')) & 0xFFu;
        result.Append(static_cast<char>(stored ^ (running >> 8)));
        // The key moves on with the stored byte, not with the character it gave.
        running = ((running + stored) * kDisplayKeyMultiplier + kDisplayKeyIncrement) & 0xFFFFu;
    }
    return result;
}

DisplayText DecodeDisplayText(const char* text, uint16_t key) {
    return DecodeDisplayText(text, std::strlen(text), key);
}
