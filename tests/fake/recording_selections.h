// A stand-in for the "Detail Setting" page that answers with the rows the test has chosen
// and writes each read, in order, to a log (the Windows fake's, so that reads and calls
// show in one sequence).
#pragma once

#include <string>
#include <vector>

#include "engine/page_selections.h"

class RecordingSelections : public PageSelections {
public:
    explicit RecordingSelections(std::vector<std::string>& log) : m_log(log) {}

    // What the page shows when it opens, with model row 0 on "LPT1".
    long portRow = 0;
    long modelRow = 0;
    long setDefaultCheck = 0;
    long baudRateRow = 5;     // "19200"
    long parityRow = 2;       // "None"
    long byteSizeRow = 3;     // "8"
    long stopBitsRow = 0;     // "1"
    long flowControlRow = 2;  // "Hardware"

    long PortRow() override { return Read("port", portRow); }
    long ModelRow() override { return Read("model", modelRow); }
    long SetDefaultCheck() override { return Read("set default", setDefaultCheck); }
    long BaudRateRow() override { return Read("baud rate", baudRateRow); }
    long ParityRow() override { return Read("parity", parityRow); }
    long ByteSizeRow() override { return Read("byte size", byteSizeRow); }
    long StopBitsRow() override { return Read("stop bits", stopBitsRow); }
    long FlowControlRow() override { return Read("flow control", flowControlRow); }

private:
    long Read(const char* what, long value) {
        m_log.push_back(std::string("read ") + what);
        return value;
    }
    std::vector<std::string>& m_log;
};
