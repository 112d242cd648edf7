// The inverse of DecodeDisplayText: the stored letters for a display text and its key. Only
// encode_display_text and the tests use it; the program holds its stored texts ready-made.
#pragma once

#include <cstdint>
#include <string>

#include "engine/display_text.h"

// Two uppercase letters A to Z for each character: the character XOR the high byte of the
// running key is the stored byte, written as the base-26 digits byte / 26 and byte % 26
// (at most 'J' and 'V'), after which the key moves on with that stored byte.
inline std::string EncodeDisplayText(const std::string& plain, uint16_t key) {
    std::string letters;
    letters.reserve(2 * plain.size());
    uint32_t running = key;
    for (char c : plain) {
        const uint32_t stored = (static_cast<unsigned char>(c) ^ (running >> 8)) & 0xFFu;
        letters += static_cast<char>('A' + stored / 26);
        letters += static_cast<char>('A' + stored % 26);
        running = ((running + stored) * kDisplayKeyMultiplier + kDisplayKeyIncrement) & 0xFFFFu;
    }
    return letters;
}
