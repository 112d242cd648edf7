// What the print spooler holds, read as any program would read it, and the removal of what
// a test installed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The spooler's driver directory for "Windows NT x86", where Finish copies the files.
std::wstring DriverDirectory();

struct PrinterFacts {
    bool found = false;
    std::string port, driver, printProcessor, datatype;
};
// The local printer of that name, from EnumPrintersA level 2.
PrinterFacts FindPrinter(const std::string& name);

struct DriverFacts {
    bool found = false;
    std::string dataFile;  // a full path
    std::vector<std::string> dependentFiles;
};
// "name,winspool,port" of the first local printer EnumPrintersA lists; empty for none.
std::string FirstPrinterDevice();

// The "Windows NT x86" driver of that name, from EnumPrinterDriversA level 3.
DriverFacts FindDriver(const std::string& name);

// Deletes the printer and the driver of that name, and the files from the driver
// directory (and from its version folder, where the spooler keeps its own copies).
void RemovePrinterAndDriver(const std::string& name, const std::vector<std::string>& files);

// True when the file name (without folder) ends the path.
bool PathEndsWith(const std::string& path, const std::string& fileName);
