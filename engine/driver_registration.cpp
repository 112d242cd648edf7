#include "engine/driver_registration.h"

#include <cstring>

#include "engine/catalogue.h"
#include "engine/driver_directory.h"
#include "engine/fixed_text.h"

namespace {

// The dependent files every model shares, each with its zero.
constexpr char kSharedDependentFiles[] = "\\ttfsub.GPD\0\\unires.DLL\0\\stdnames.GPD";
static_assert(sizeof kSharedDependentFiles == 38, "three names and their zeros");
static_assert(sizeof kSharedDependentFiles + kResourceDllNameSize < kDependentFilesSize,
              "the resource DLL and the closing zero fit behind the shared names");

// The records hold non-const texts; the spooler only reads them.
char* Text(const char* text) { return const_cast<char*>(text); }

}  // namespace

void FillDependentFiles(const ModelEntry& model, char (&list)[kDependentFilesSize]) {
    const FixedText<kResourceDllNameSize - 1> resourceDll =
        FormatText<kResourceDllNameSize - 1>("%s%s", model.resourceDllBaseName, ".DLL");
    std::memset(list, 0, sizeof list);
    std::memcpy(list, kSharedDependentFiles, sizeof kSharedDependentFiles);
    std::memcpy(list + sizeof kSharedDependentFiles, resourceDll.c_str(), resourceDll.size() + 1);
}

bool RegisterDriver(WindowsServices& windows, const ModelEntry& model) {
    FixedText<kMaxPath - 1> dataFile = FormatText("\\%s%s", model.gpdBaseName, ".GPD");
    char dependentFiles[kDependentFilesSize];
    FillDependentFiles(model, dependentFiles);
    char noMonitor[] = "";

    DriverInfo3 info;
    info.cVersion = 2;
    info.pName = Text(model.driverName);
    info.pEnvironment = Text(kDriverEnvironment);
    info.pDriverPath = Text("\\uniDRV.DLL");
    info.pDataFile = dataFile.data();
    info.pConfigFile = Text("\\uniDRVui.DLL");
    info.pHelpFile = Text("\\uniDRV.HLP");
    info.pDependentFiles = dependentFiles;
    info.pMonitorName = noMonitor;
    info.pDefaultDataType = Text("RAW");
    return windows.AddPrinterDriverA(3, &info);
}

AddedPrinter AddPrinter(WindowsServices& windows, const ModelEntry& model, const char* portName) {
    PrinterInfo2 info;
    std::memset(&info, 0, sizeof info);
    info.pPrinterName = Text(model.driverName);
    info.pPortName = Text(portName);
    info.pDriverName = Text(model.driverName);
    info.pPrintProcessor = Text("WinPrint");
    info.pDatatype = Text("RAW");

    AddedPrinter printer;
    printer.handle = windows.AddPrinterA(2, &info);
    if (printer.handle) {
        printer.exists = true;
    } else if (windows.GetLastError() == kErrorPrinterAlreadyExists) {
        printer.exists = true;
    } else if (windows.OpenPrinterA(model.driverName, &printer.handle)) {
        printer.exists = true;
    } else {
        printer.handle = nullptr;
    }
    return printer;
}
