// The driver registered with the print spooler, and a printer of the same name added on
// the chosen port, or an existing one moved to it. The Finish work closes the printer's
// handle last.
#pragma once

#include <cstddef>

#include "platform/windows_services.h"

class Report;
struct ModelEntry;

constexpr size_t kDependentFilesSize = 255;
constexpr size_t kResourceDllNameSize = 20;

// The driver's dependent files as the spooler reads them: zero-terminated names one after
// the other, closed by an empty one. "\ttfsub.GPD", "\unires.DLL" and "\stdnames.GPD" take
// the first 38 bytes, the model's resource DLL follows from byte 38, and the rest of the
// list is zero.
void FillDependentFiles(const ModelEntry& model, char (&list)[kDependentFilesSize]);

// Registers the model's Unidrv driver for "Windows NT x86", its files already in the driver
// directory. True when the spooler took it.
bool RegisterDriver(WindowsServices& windows, Report& report, const ModelEntry& model);

// The printer once it is added. The handle, null when there is none, is kept for nothing
// but closing.
struct AddedPrinter {
    PrinterHandle handle = nullptr;
    bool exists = false;  // added now, or there already from an earlier installation
    bool onPort = false;  // and uses the chosen port and the model's driver
};

// Adds the printer, named after the driver, on the port ("LPT1:" to "COM4:"). When the
// spooler refuses it, a printer of that name may be there from an earlier run: opened by
// name (that handle is then the one to close), it is moved to the port and the driver
// (SetPrinter level 2), so that a run on another port does not leave it on the old one.
// A printer the spooler says exists but that cannot be opened exists, but is not on the port.
AddedPrinter AddPrinter(WindowsServices& windows, Report& report, const ModelEntry& model,
                        const char* portName);
