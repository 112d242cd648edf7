// What an installation leaves behind in the spooler: its printers, its drivers and the files
// in its driver directory. Two snapshots compare equal when nothing was installed between.
#pragma once

#include <set>
#include <string>

struct InstallTrace {
    std::set<std::wstring> printers;
    std::set<std::wstring> drivers;
    std::set<std::wstring> driverFiles;  // relative names with their write time

    bool operator==(const InstallTrace& other) const {
        return printers == other.printers && drivers == other.drivers && driverFiles == other.driverFiles;
    }
};

InstallTrace TakeInstallTrace();
