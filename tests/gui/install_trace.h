// What an installation leaves behind in the spooler and the registry: its printers, its
// drivers, the files in its driver directory, the user's default printer and the port
// settings. Two snapshots compare equal when nothing was installed between.
#pragma once

#include <optional>
#include <set>
#include <string>

#include "registry_state.h"

struct InstallTrace {
    std::set<std::wstring> printers;
    std::set<std::wstring> drivers;
    std::set<std::wstring> driverFiles;  // relative names with their write time
    std::optional<RegistryValues> userWindows, ports;

    bool operator==(const InstallTrace& other) const {
        return printers == other.printers && drivers == other.drivers && driverFiles == other.driverFiles &&
               userWindows == other.userWindows && ports == other.ports;
    }
};

InstallTrace TakeInstallTrace();
