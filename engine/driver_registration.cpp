#include "engine/driver_registration.h"

#include <cstring>

#include "engine/catalogue.h"
#include "engine/driver_directory.h"
#include "engine/fixed_text.h"
#include "engine/report.h"
#include "engine/spooler_buffer.h"

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

bool RegisterDriver(WindowsServices& windows, Report& report, const ModelEntry& model) {
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
    const FixedText<255> what =
        FormatText<255>("register driver %s for %s", model.driverName, kDriverEnvironment);
    if (!windows.AddPrinterDriverA(3, &info)) {
        report.Failed(what.c_str(), windows.GetLastError());
        return false;
    }
    report.Done(what.c_str());
    return true;
}

namespace {

// Sets the open printer to the port and the model's driver, keeping the rest of its record
// (its security as it is). True when the spooler took the change.
bool MovePrinter(WindowsServices& windows, Report& report, PrinterHandle printer,
                 const ModelEntry& model, const char* portName) {
    const FixedText<255> what = FormatText<255>("set printer %s to port %s and driver %s",
                                                model.driverName, portName, model.driverName);
    SpoolerBuffer buffer;
    if (!buffer.Fill([&](unsigned char* data, uint32_t size, uint32_t* needed) {
            return windows.GetPrinterA(printer, 2, data, size, needed);
        })) {
        report.Failed(what.c_str(), windows.GetLastError());
        return false;
    }
    PrinterInfo2* info = reinterpret_cast<PrinterInfo2*>(buffer.data());
    info->pPortName = Text(portName);
    info->pDriverName = Text(model.driverName);
    info->pSecurityDescriptor = nullptr;
    if (!windows.SetPrinterA(printer, 2, info)) {
        report.Failed(what.c_str(), windows.GetLastError());
        return false;
    }
    report.Done(what.c_str());
    return true;
}

}  // namespace

AddedPrinter AddPrinter(WindowsServices& windows, Report& report, const ModelEntry& model,
                        const char* portName) {
    PrinterInfo2 info;
    std::memset(&info, 0, sizeof info);
    info.pPrinterName = Text(model.driverName);
    info.pPortName = Text(portName);
    info.pDriverName = Text(model.driverName);
    info.pPrintProcessor = Text("WinPrint");
    info.pDatatype = Text("RAW");

    const FixedText<255> what = FormatText<255>("add printer %s on %s", model.driverName, portName);
    AddedPrinter printer;
    printer.handle = windows.AddPrinterA(2, &info);
    if (printer.handle) {
        report.Done(what.c_str());
        printer.exists = printer.onPort = true;
        return printer;
    }
    const uint32_t error = windows.GetLastError();
    if (!windows.OpenPrinterA(model.driverName, kPrinterAllAccess, &printer.handle)) {
        printer.handle = nullptr;
        report.Failed(what.c_str(), error);
        printer.exists = error == kErrorPrinterAlreadyExists;
        return printer;
    }
    FixedText<255> there = what;
    there.Append(" -> it is there already");
    report.Line(there.c_str());
    printer.exists = true;
    printer.onPort = MovePrinter(windows, report, printer.handle, model, portName);
    return printer;
}
