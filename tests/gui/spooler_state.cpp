#include "spooler_state.h"

#include <winspool.h>

#include <cstring>

#include "../../engine/driver_environment.h"
#include "driver_package.h"

namespace {

char* Environment() { return const_cast<char*>(kDriverEnvironment); }

std::string Text(const char* text) { return text ? text : ""; }

}  // namespace

std::wstring DriverDirectory() {
    char directory[MAX_PATH] = {};
    DWORD needed = 0;
    if (!::GetPrinterDriverDirectoryA(nullptr, Environment(), 1, reinterpret_cast<BYTE*>(directory),
                                      sizeof directory, &needed))
        return std::wstring();
    return Widen(directory);
}

PrinterFacts FindPrinter(const std::string& name) {
    PrinterFacts facts;
    DWORD needed = 0, count = 0;
    ::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    if (needed == 0) return facts;
    std::vector<BYTE> buffer(needed);
    if (!::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count))
        return facts;
    const auto* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        if (Text(printers[i].pPrinterName) != name) continue;
        facts.found = true;
        facts.port = Text(printers[i].pPortName);
        facts.driver = Text(printers[i].pDriverName);
        facts.printProcessor = Text(printers[i].pPrintProcessor);
        facts.datatype = Text(printers[i].pDatatype);
    }
    return facts;
}

std::string FirstPrinterDevice() {
    DWORD needed = 0, count = 0;
    ::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    if (needed == 0) return std::string();
    std::vector<BYTE> buffer(needed);
    if (!::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count) ||
        count == 0)
        return std::string();
    const auto* first = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    return Text(first->pPrinterName) + ",winspool," + Text(first->pPortName);
}

DriverFacts FindDriver(const std::string& name) {
    DriverFacts facts;
    DWORD needed = 0, count = 0;
    ::EnumPrinterDriversA(nullptr, Environment(), 3, nullptr, 0, &needed, &count);
    if (needed == 0) return facts;
    std::vector<BYTE> buffer(needed);
    if (!::EnumPrinterDriversA(nullptr, Environment(), 3, buffer.data(), needed, &needed, &count))
        return facts;
    const auto* drivers = reinterpret_cast<const DRIVER_INFO_3A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        if (Text(drivers[i].pName) != name) continue;
        facts.found = true;
        facts.dataFile = Text(drivers[i].pDataFile);
        for (const char* entry = drivers[i].pDependentFiles; entry && *entry;
             entry += std::strlen(entry) + 1)
            facts.dependentFiles.push_back(entry);
    }
    return facts;
}

void RemovePrinterAndDriver(const std::string& name, const std::vector<std::string>& files) {
    PRINTER_DEFAULTSA everything{nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (::OpenPrinterA(const_cast<char*>(name.c_str()), &printer, &everything)) {
        ::DeletePrinter(printer);
        ::ClosePrinter(printer);
    }
    ::DeletePrinterDriverA(nullptr, Environment(), const_cast<char*>(name.c_str()));
    const std::wstring directory = DriverDirectory();
    if (directory.empty()) return;
    for (const std::string& file : files) {
        ::DeleteFileW((directory + L"\\" + Widen(file)).c_str());
        ::DeleteFileW((directory + L"\\3\\" + Widen(file)).c_str());
    }
}

bool PathEndsWith(const std::string& path, const std::string& fileName) {
    const std::string tail = "\\" + fileName;
    return path.size() >= tail.size() &&
           _stricmp(path.c_str() + path.size() - tail.size(), tail.c_str()) == 0;
}
