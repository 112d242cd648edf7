// Steps 3 to 10 of the Finish work: the driver's eight files, copied from the folder "win2k"
// of the current directory into the spooler's driver directory.
#pragma once

#include <string>

class WindowsServices;
struct ModelEntry;

// Makes the eight copies in order, each replacing a file of the same name, and goes on after
// a copy that fails. With no directory it makes none: there is nowhere to copy to. True when
// all eight files were copied.
bool CopyDriverFiles(WindowsServices& windows, const std::string& directory,
                     const ModelEntry& model);
