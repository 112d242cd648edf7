// Where the installation and the removal say what they do: every step and its result to
// the log, when there is one, and every message to the user, or in a quiet run to the log
// instead, so that a quiet run never shows a window.
#pragma once

#include <cstdint>

#include "engine/fixed_text.h"

class RunLog;
class WindowsServices;

// A message composed by the program: UTF-8.
using MessageText = FixedText<2047>;

class Report {
public:
    // log: null for none. quiet: messages go to the log only.
    Report(WindowsServices& windows, RunLog* log, bool quiet)
        : m_windows(windows), m_log(log), m_quiet(quiet) {}

    bool quiet() const { return m_quiet; }
    bool logging() const;

    // A line of the log.
    void Line(const char* text);
    // A step that succeeded: "what -> done".
    void Done(const char* what);
    // A step that failed: "what -> failed", with the Win32 error code and the system's text
    // for it unless the code is 0.
    void Failed(const char* what, uint32_t error);

    // A message of the string table. Shown as the message box the wizard has always shown
    // (and logged), or in a quiet run only logged.
    void Tell(uint32_t messageId);
    // A message whose "%s" takes the argument (UTF-8).
    void Tell(uint32_t messageId, const char* argument, uint32_t style = 0);
    // A message the program composed (UTF-8), shown with the style given.
    void TellText(const char* text, uint32_t style = 0);

    // The text of a message of the string table (UTF-8), its "%s" taking the argument.
    MessageText MessageOf(uint32_t messageId, const char* argument = "");

private:
    void LogMessage(const char* text);

    WindowsServices& m_windows;
    RunLog* m_log;
    bool m_quiet;
};

constexpr uint32_t kMbIconInformation = 0x40;  // MB_ICONINFORMATION
