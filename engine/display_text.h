// The model texts and the initial name text are stored scrambled, as pairs of letters with
// a 16-bit key each; this turns them into the text to show.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/fixed_text.h"

// The key update after each character: k = ((k + stored byte) * multiplier + increment),
// modulo 65536. The multiplier is odd, so the update loses nothing of the running key and
// every character depends on all the stored bytes before it; it also moves the key by at
// least 253 for any change of the stored byte, which almost always reaches the high byte
// that scrambles the next character. The stored texts in the catalogue are made with these
// two values and must be remade if either changes.
constexpr uint16_t kDisplayKeyMultiplier = 0x6699;
constexpr uint16_t kDisplayKeyIncrement = 0x3C6F;

// The longest text shown: the stored texts give 17 and 18 characters.
constexpr size_t kDisplayTextCapacity = 64;
using DisplayText = FixedText<kDisplayTextCapacity>;

// One character for each pair of the letters text[0] to text[letters - 1]; a last unpaired
// letter is ignored. The result keeps any zero character and has letters / 2 characters, of
// which it holds the first kDisplayTextCapacity (it is then not complete()).
DisplayText DecodeDisplayText(const char* text, size_t letters, uint16_t key);
// The same for a zero-terminated stored text, as the catalogue holds them.
DisplayText DecodeDisplayText(const char* text, uint16_t key);
