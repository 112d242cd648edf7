// The model texts and the initial name text are stored scrambled, as pairs of letters with
// a 16-bit key each; this turns them into the text to show.
#pragma once

#include <cstdint>
#include <string>

// The key update after each character: k = ((k + stored byte) * multiplier + increment),
// modulo 65536.
constexpr uint16_t kDisplayKeyMultiplier = 0;  // chosen with the catalogue's texts
constexpr uint16_t kDisplayKeyIncrement = 0;

// One character for each pair of letters of text; a last unpaired letter is ignored. The
// result keeps any zero character and has exactly text.size() / 2 characters.
std::string DecodeDisplayText(std::string text, uint16_t key);
