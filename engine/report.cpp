#include "engine/report.h"

#include "engine/run_log.h"
#include "engine/unicode_text.h"
#include "platform/windows_services.h"

namespace {

// The longest text of the string table and of a system message, with its zero.
constexpr int kLongestText = 1024;

}  // namespace

bool Report::logging() const { return m_log && m_log->open(); }

void Report::Line(const char* text) {
    if (m_log) m_log->Line(text);
}

void Report::Done(const char* what) {
    if (!logging()) return;
    LogLine line;
    line.AppendFormatted("%s -> done", what);
    Line(line.c_str());
}

void Report::Failed(const char* what, uint32_t error) {
    if (!logging()) return;
    LogLine line;
    line.AppendFormatted("%s -> failed", what);
    if (error != 0) {
        line.AppendFormatted(", error %s", DecimalText(error).c_str());
        char16_t text[kLongestText];
        uint32_t length = m_windows.FormatMessageW(error, text, kLongestText);
        if (length >= static_cast<uint32_t>(kLongestText)) length = kLongestText - 1;
        // The system's texts end with a line break.
        while (length > 0 && (text[length - 1] == u'\n' || text[length - 1] == u'\r' ||
                              text[length - 1] == u' '))
            --length;
        if (length > 0) {
            line.Append(": ");
            AppendUtf16(line, text, length);
        }
    }
    Line(line.c_str());
}

MessageText Report::MessageOf(uint32_t messageId, const char* argument) {
    char16_t wide[kLongestText];
    int length = m_windows.LoadStringW(messageId, wide, kLongestText);
    if (length < 0) length = 0;
    if (length >= kLongestText) length = kLongestText - 1;
    FixedText<2047> format;
    AppendUtf16(format, wide, static_cast<size_t>(length));
    MessageText text;
    text.AppendFormatted(format.c_str(), argument);
    return text;
}

void Report::LogMessage(const char* text) {
    if (!logging()) return;
    LogLine line;
    line.AppendFormatted("message: %s", text);
    Line(line.c_str());
}

void Report::Tell(uint32_t messageId) {
    if (logging()) LogMessage(MessageOf(messageId).c_str());
    if (!m_quiet) m_windows.AfxMessageBox(messageId, 0, 0);
}

void Report::Tell(uint32_t messageId, const char* argument, uint32_t style) {
    TellText(MessageOf(messageId, argument).c_str(), style);
}

void Report::TellText(const char* text, uint32_t style) {
    LogMessage(text);
    if (m_quiet) return;
    // A UTF-8 text never takes more UTF-16 units than it has bytes.
    char16_t wide[2048];
    if (!Utf8ToUtf16(text, wide, sizeof wide / sizeof wide[0])) return;
    m_windows.AfxMessageBoxW(wide, style);
}
