// Steps 11 and 12 of the Finish work: the driver registered with the print spooler, and a
// printer of the same name added on the chosen port. Step 15 closes the printer's handle.
#pragma once

#include <cstddef>

#include "platform/windows_services.h"

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
bool RegisterDriver(WindowsServices& windows, const ModelEntry& model);

// The printer after step 12. The handle, null when there is none, is kept for nothing but
// step 15.
struct AddedPrinter {
    PrinterHandle handle = nullptr;
    bool exists = false;  // added now, or there already from an earlier installation
};

// Adds the printer, named after the driver, on the port ("LPT1:" to "COM4:"). When the
// spooler refuses it, a printer of that name may still be there: the spooler says it
// already exists, or it can be opened by name (that handle is then the one to close).
AddedPrinter AddPrinter(WindowsServices& windows, const ModelEntry& model, const char* portName);
