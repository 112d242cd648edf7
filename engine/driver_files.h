// Steps 3 to 10 of the Finish work: the driver's eight files, copied from the folder "win2k"
// of the current directory into the spooler's driver directory.
#pragma once

#include "engine/driver_directory.h"

class WindowsServices;
struct ModelEntry;

// Makes the eight copies in order, each replacing a file of the same name, and goes on after
// a copy that fails. With no directory it makes none: there is nowhere to copy to. A file
// name that would be longer than a path can be is not copied. True when all eight files
// were copied.
bool CopyDriverFiles(WindowsServices& windows, const DriverDirectory& directory,
                     const ModelEntry& model);
