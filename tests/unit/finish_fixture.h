// The Finish work on the Windows fake, with the page's selections recorded in the same log.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/install_printer.h"
#include "recording_selections.h"
#include "recording_services.h"

// The fake's driver directory, which every destination name starts with.
const std::string kDriverDir = RecordingServices().driverDirectory;

constexpr const char* kWindowsKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
constexpr const char* kPortsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

class FinishTest : public ::testing::Test {
protected:
    RecordingServices windows;
    RecordingSelections page{windows.calls};

    InstallResult Run() { return InstallPrinter(windows, page); }

    // The calls that begin with the prefix, in order.
    std::vector<std::string> CallsOf(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const std::string& call : windows.calls)
            if (call.compare(0, prefix.size(), prefix) == 0) found.push_back(call);
        return found;
    }

    // The value as written, or "(not written)".
    std::string Value(const std::string& name) const {
        auto value = windows.values.find(name);
        if (value == windows.values.end()) return "(not written)";
        return std::string(value->second.begin(), value->second.end());
    }
};

// Up to count calls from the first that equals `first`; empty when there is none.
inline std::vector<std::string> CallsFrom(const std::vector<std::string>& calls,
                                          const std::string& first, size_t count) {
    size_t start = 0;
    while (start < calls.size() && calls[start] != first) ++start;
    std::vector<std::string> slice;
    for (size_t i = start; i < calls.size() && slice.size() < count; ++i) slice.push_back(calls[i]);
    return slice;
}

// A REG_SZ text as it is passed: its characters and the terminating zero.
inline std::string WithZero(const std::string& text) { return text + std::string(1, '\0'); }
