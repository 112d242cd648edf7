#include "engine/run_log.h"

#include "engine/unicode_text.h"

namespace {

// The number with at least `width` digits, zeros in front.
void AppendDigits(FixedText<19>& text, uint32_t number, size_t width) {
    const FixedText<10> digits = DecimalText(number);
    for (size_t i = digits.size(); i < width; ++i) text.Append('0');
    text.Append(digits.c_str());
}

}  // namespace

FixedText<10> DecimalText(uint32_t number) {
    char reversed[10];
    size_t count = 0;
    do {
        reversed[count++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number != 0);
    FixedText<10> text;
    while (count > 0) text.Append(reversed[--count]);
    return text;
}

FixedText<19> LogTimestamp(const LocalTime& time) {
    FixedText<19> text;
    AppendDigits(text, time.wYear, 4);
    text.Append('-');
    AppendDigits(text, time.wMonth, 2);
    text.Append('-');
    AppendDigits(text, time.wDay, 2);
    text.Append(' ');
    AppendDigits(text, time.wHour, 2);
    text.Append(':');
    AppendDigits(text, time.wMinute, 2);
    text.Append(':');
    AppendDigits(text, time.wSecond, 2);
    return text;
}

RunLog::~RunLog() {
    if (m_file) m_windows.CloseHandle(m_file);
}

bool RunLog::Open(const char* fileName) {
    char16_t wide[kMaxPath];
    if (!*fileName || !Utf8ToUtf16(fileName, wide, kMaxPath)) return false;
    m_file = m_windows.OpenFileToAppendW(wide);
    return m_file != nullptr;
}

void RunLog::Line(const char* text) {
    if (!m_file) return;
    LocalTime now{};
    m_windows.GetLocalTime(now);
    LogLine line;
    line.Append(LogTimestamp(now).c_str());
    line.Append(' ');
    for (const char* p = text; *p; ++p) {
        if (*p == '\r') continue;
        if (*p == '\n') line.Append(" / ");
        else line.Append(*p);
    }
    line.Append("\r\n");
    // A line cut short still ends with its line break.
    if (!line.complete()) {
        line.Adopt(line.size() - 2, true);
        line.data()[line.size()] = '\0';
        line.Append("\r\n");
    }
    m_windows.WriteFile(m_file, line.c_str(), static_cast<uint32_t>(line.size()));
}
