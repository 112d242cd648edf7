#include "engine/ascii_case.h"

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(const char* a, const char* b, size_t length) {
    for (size_t i = 0; i < length; ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
        if (a[i] == '\0') return true;
    }
    return true;
}

bool EqualsIgnoringCase(const char* a, const char* b) { return EqualsIgnoringCase(a, b, size_t(-1)); }
