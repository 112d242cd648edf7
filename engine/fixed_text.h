// Texts in buffers of a fixed size. Every text the wizard builds (file names, registry
// texts, the display texts) is short and bounded, so none needs the heap. A text that would
// not fit is cut at the buffer's end and marked, so that the caller can refuse to use it
// rather than act on a wrong name.
#pragma once

#include <cstddef>
#include <cstring>

// MAX_PATH: the longest path, with its zero, that the ANSI file functions take.
constexpr size_t kMaxPath = 260;

namespace text_detail {
// Appends length characters of text at *used in buffer (room for capacity characters and
// a zero); true when all of them fitted.
bool Append(char* buffer, size_t capacity, size_t* used, const char* text, size_t length);
// Appends format with each "%s" replaced by the next of the texts (none left: nothing); "%%"
// gives one "%". False when the result did not fit.
bool AppendFormatted(char* buffer, size_t capacity, size_t* used, const char* format,
                     const char* const* texts, size_t textCount);
}  // namespace text_detail

template <size_t Capacity>
class FixedText {
public:
    FixedText() { m_text[0] = '\0'; }

    const char* c_str() const { return m_text; }
    char* data() { return m_text; }
    size_t size() const { return m_length; }
    bool empty() const { return m_length == 0; }
    // False once anything appended was cut short.
    bool complete() const { return m_complete; }
    char operator[](size_t i) const { return m_text[i]; }

    void Append(const char* text, size_t length) {
        if (!text_detail::Append(m_text, Capacity, &m_length, text, length)) m_complete = false;
    }
    void Append(const char* text) { Append(text, std::strlen(text)); }
    void Append(char c) { Append(&c, 1); }
    // Takes on text that a helper wrote into data() itself: its new length, and whether all
    // of it fitted.
    void Adopt(size_t length, bool fitted) {
        m_length = length;
        if (!fitted) m_complete = false;
    }
    template <class... Texts>
    void AppendFormatted(const char* format, Texts... texts) {
        const char* const list[] = {texts..., nullptr};
        if (!text_detail::AppendFormatted(m_text, Capacity, &m_length, format, list,
                                          sizeof...(texts)))
            m_complete = false;
    }

private:
    char m_text[Capacity + 1];
    size_t m_length = 0;
    bool m_complete = true;
};

// A path or registry text built from a printf-style format that takes only texts (%s).
template <size_t Capacity = kMaxPath - 1, class... Texts>
FixedText<Capacity> FormatText(const char* format, Texts... texts) {
    static_assert(((sizeof(Texts) == sizeof(const char*)) && ...), "FormatText takes only texts");
    FixedText<Capacity> text;
    text.AppendFormatted(format, static_cast<const char*>(texts)...);
    return text;
}
