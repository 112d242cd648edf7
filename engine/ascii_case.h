// Comparisons that ignore the case of the ASCII letters, as Windows compares the names of
// options, printers, drivers and files this program deals in.
#pragma once

#include <cstddef>

char AsciiLower(char c);
bool EqualsIgnoringCase(const char* a, const char* b);
// The first length characters of a and b match.
bool EqualsIgnoringCase(const char* a, const char* b, size_t length);
