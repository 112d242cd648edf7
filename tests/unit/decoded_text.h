// The unscrambled display text as a std::string, for comparisons in the tests: zero
// characters and the stored text's length are kept.
#pragma once

#include <string>

#include "engine/display_text.h"

inline std::string Decoded(const std::string& stored, uint16_t key) {
    const DisplayText text = DecodeDisplayText(stored.data(), stored.size(), key);
    return std::string(text.c_str(), text.size());
}
