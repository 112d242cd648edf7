// The driver's eight files, copied from the folder "win2k" of the current directory into
// the spooler's driver directory.
#pragma once

#include "engine/driver_directory.h"

class Report;
class WindowsServices;
struct ModelEntry;

// The names of the model's eight files in the driver directory: its resource DLL, its GPD
// file, and the six Unidrv files every model shares.
using DriverFileName = FixedText<31>;
struct DriverFileNames {
    DriverFileName names[8];
};
DriverFileNames DriverFilesOf(const ModelEntry& model);

// Makes the eight copies in order, each replacing a file of the same name, and goes on after
// a copy that fails. With no directory it makes none: there is nowhere to copy to. A file
// name that would be longer than a path can be is not copied. True when all eight files
// were copied.
bool CopyDriverFiles(WindowsServices& windows, Report& report, const DriverDirectory& directory,
                     const ModelEntry& model);
