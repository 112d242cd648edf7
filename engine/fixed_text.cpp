#include "engine/fixed_text.h"

namespace text_detail {

bool Append(char* buffer, size_t capacity, size_t* used, const char* text, size_t length) {
    const size_t room = capacity - *used;
    const size_t taken = length < room ? length : room;
    std::memcpy(buffer + *used, text, taken);
    *used += taken;
    buffer[*used] = '\0';
    return taken == length;
}

bool AppendFormatted(char* buffer, size_t capacity, size_t* used, const char* format,
                     const char* const* texts, size_t textCount) {
    bool fits = true;
    size_t next = 0;
    const char* run = format;
    for (const char* p = format; *p; ++p) {
        if (*p != '%' || (p[1] != 's' && p[1] != '%')) continue;
        fits &= Append(buffer, capacity, used, run, static_cast<size_t>(p - run));
        if (p[1] == '%') {
            fits &= Append(buffer, capacity, used, "%", 1);
        } else if (next < textCount) {
            const char* text = texts[next++];
            fits &= Append(buffer, capacity, used, text, std::strlen(text));
        }
        ++p;
        run = p + 1;
    }
    fits &= Append(buffer, capacity, used, run, std::strlen(run));
    return fits;
}

}  // namespace text_detail
