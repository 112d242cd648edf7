#include "engine/unicode_text.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// The code point at text[*i], moving *i past it.
char32_t NextFromUtf16(const char16_t* text, size_t length, size_t* i) {
    const char32_t unit = text[(*i)++];
    if (IsHighSurrogate(unit) && *i < length && IsLowSurrogate(text[*i])) {
        const char32_t low = text[(*i)++];
        return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
    }
    if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) return kReplacement;
    return unit;
}

size_t EncodeUtf8(char32_t c, char* out) {
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | (c >> 6));
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (c >> 12));
        out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (c >> 18));
    out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

// The code point of the UTF-8 sequence at text[*i], moving *i past it. Overlong forms,
// surrogates, values past U+10FFFF and cut sequences give U+FFFD for their first byte.
char32_t NextFromUtf8(const unsigned char* text, size_t* i) {
    const unsigned char lead = text[(*i)++];
    if (lead < 0x80) return lead;
    size_t more;
    char32_t c, least;
    if ((lead & 0xE0) == 0xC0) { more = 1; c = lead & 0x1F; least = 0x80; }
    else if ((lead & 0xF0) == 0xE0) { more = 2; c = lead & 0x0F; least = 0x800; }
    else if ((lead & 0xF8) == 0xF0) { more = 3; c = lead & 0x07; least = 0x10000; }
    else return kReplacement;
    for (size_t k = 0; k < more; ++k) {
        const unsigned char next = text[*i + k];
        if ((next & 0xC0) != 0x80) return kReplacement;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < least || c > 0x10FFFF || IsHighSurrogate(c) || IsLowSurrogate(c)) return kReplacement;
    *i += more;
    return c;
}

}  // namespace

namespace text_detail {

bool AppendUtf16AsUtf8(char* buffer, size_t capacity, size_t* used, const char16_t* text,
                       size_t length) {
    size_t i = 0;
    while (i < length && text[i] != 0) {
        char bytes[4];
        const size_t count = EncodeUtf8(NextFromUtf16(text, length, &i), bytes);
        // A character that does not fit is left out whole, never cut into a broken sequence.
        if (capacity - *used < count) return false;
        Append(buffer, capacity, used, bytes, count);
    }
    return true;
}

}  // namespace text_detail

size_t Utf16Length(const char16_t* text) {
    size_t length = 0;
    while (text[length] != 0) ++length;
    return length;
}

bool Utf8ToUtf16(const char* text, char16_t* buffer, size_t size) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    size_t in = 0, out = 0;
    while (bytes[in] != 0) {
        const char32_t c = NextFromUtf8(bytes, &in);
        const size_t units = c >= 0x10000 ? 2 : 1;
        if (out + units >= size) {
            if (size > 0) buffer[0] = 0;
            return false;
        }
        if (units == 2) {
            buffer[out++] = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            buffer[out++] = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            buffer[out++] = static_cast<char16_t>(c);
        }
    }
    buffer[out] = 0;
    return true;
}
