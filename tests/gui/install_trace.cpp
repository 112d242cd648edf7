#include "install_trace.h"

#include <windows.h>
#include <winspool.h>

#include <vector>

#include "../../engine/driver_environment.h"
#include "driver_package.h"
#include "spooler_state.h"

namespace {

void AddFiles(const std::wstring& directory, const std::wstring& prefix, std::set<std::wstring>& files) {
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((directory + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            AddFiles(directory + L"\\" + name, prefix + name + L"\\", files);
            continue;
        }
        files.insert(prefix + name + L" " + std::to_wstring(found.ftLastWriteTime.dwHighDateTime) +
                     L":" + std::to_wstring(found.ftLastWriteTime.dwLowDateTime));
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

}  // namespace

InstallTrace TakeInstallTrace() {
    InstallTrace trace;

    DWORD needed = 0, count = 0;
    ::EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 4, nullptr, 0, &needed, &count);
    if (needed) {
        std::vector<BYTE> buffer(needed);
        if (::EnumPrintersW(PRINTER_ENUM_LOCAL, nullptr, 4, buffer.data(), needed, &needed, &count)) {
            const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
            for (DWORD i = 0; i < count; ++i) trace.printers.insert(printers[i].pPrinterName);
        }
    }

    char* environment = const_cast<char*>(kDriverEnvironment);
    needed = count = 0;
    ::EnumPrinterDriversA(nullptr, environment, 1, nullptr, 0, &needed, &count);
    if (needed) {
        std::vector<BYTE> buffer(needed);
        if (::EnumPrinterDriversA(nullptr, environment, 1, buffer.data(), needed, &needed, &count)) {
            const auto* drivers = reinterpret_cast<const DRIVER_INFO_1A*>(buffer.data());
            for (DWORD i = 0; i < count; ++i) trace.drivers.insert(Widen(drivers[i].pName));
        }
    }

    const std::wstring directory = DriverDirectory();
    if (!directory.empty()) AddFiles(directory, L"", trace.driverFiles);

    trace.userWindows = ReadKey(HKEY_CURRENT_USER, kUserWindowsKey);
    trace.ports = ReadKey(HKEY_LOCAL_MACHINE, kPortsKey);
    return trace;
}
