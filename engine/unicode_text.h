// UTF-16, as Windows holds its wide texts (the command line, file names, the string table,
// the system's messages), and UTF-8, in which the program composes its texts and writes
// its log. Malformed input (an unpaired surrogate, a broken UTF-8 sequence) becomes U+FFFD
// rather than being dropped, so that a text never silently loses where it went wrong.
#pragma once

#include <cstddef>

#include "engine/fixed_text.h"

namespace text_detail {
// Appends the UTF-16 text, up to its zero or length units, as UTF-8; false when it did not fit.
bool AppendUtf16AsUtf8(char* buffer, size_t capacity, size_t* used, const char16_t* text,
                       size_t length);
}  // namespace text_detail

// The length of a zero-terminated UTF-16 text.
size_t Utf16Length(const char16_t* text);

// Appends the UTF-16 text (length units, or up to its zero when length is npos) as UTF-8.
template <size_t Capacity>
void AppendUtf16(FixedText<Capacity>& out, const char16_t* text, size_t length = size_t(-1)) {
    if (length == size_t(-1)) length = Utf16Length(text);
    size_t used = out.size();
    const bool fits = text_detail::AppendUtf16AsUtf8(out.data(), Capacity, &used, text, length);
    out.Adopt(used, fits);
}

// The UTF-8 text as zero-terminated UTF-16 in buffer (room for size units with the zero);
// false, with an empty buffer, when it does not fit.
bool Utf8ToUtf16(const char* text, char16_t* buffer, size_t size);
