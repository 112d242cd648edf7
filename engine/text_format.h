// File names and registry texts are built from printf-style formats that take only texts
// (%s), into strings that grow to fit.
#pragma once

#include <cstdio>
#include <string>
#include <type_traits>

template <class... Texts>
std::string FormatText(const char* format, Texts... texts) {
    static_assert((std::is_same_v<Texts, const char*> && ...), "FormatText takes only texts");
    const int length = std::snprintf(nullptr, 0, format, texts...);
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length), '\0');
    std::snprintf(&text[0], text.size() + 1, format, texts...);
    return text;
}
