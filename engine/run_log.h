// The log that /log asks for: UTF-8 lines appended to a file, each starting with the local
// date and time, so that a deployment tool can keep what every run did.
#pragma once

#include <cstdint>

#include "engine/fixed_text.h"
#include "platform/windows_services.h"

using LogLine = FixedText<8191>;

// "2026-12-11 15:03:30": the date and time a line starts with.
FixedText<19> LogTimestamp(const LocalTime& time);

// The digits of the number.
FixedText<10> DecimalText(uint32_t number);

class RunLog {
public:
    explicit RunLog(WindowsServices& windows) : m_windows(windows) {}
    ~RunLog();
    RunLog(const RunLog&) = delete;
    RunLog& operator=(const RunLog&) = delete;

    // Opens the file (UTF-8 name) to append to, creating it when it is missing; false when
    // it cannot be opened or its name cannot be a file name.
    bool Open(const char* fileName);
    bool open() const { return m_file != nullptr; }

    // Appends the date and time, the text and a line break. A line break within the text
    // becomes " / ", so that every line of the file starts with its date and time.
    void Line(const char* text);

private:
    WindowsServices& m_windows;
    FileHandle m_file = nullptr;
};
