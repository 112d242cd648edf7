#include "engine/driver_files.h"

#include "engine/catalogue.h"
#include "platform/windows_services.h"

namespace {

// The Unidrv files that every model's driver is made of, as source and destination formats.
struct UnidrvFile {
    const char* source;
    const char* destination;  // %s: the driver directory
};

const UnidrvFile kUnidrvFiles[] = {
    {"win2k\\uniDRVui.DLL", "%s\\uniDRVui.DLL"},  // 5: the configuration module
    {"win2k\\uniDRV.DLL", "%s\\uniDRV.DLL"},      // 6: the driver module
    {"win2k\\UNIDRV.HLP", "%s\\UNIDRV.HLP"},      // 7: the help file
    {"win2k\\UNIRES.DLL", "%s\\UNIRES.DLL"},      // 8 to 10: dependent files
    {"win2k\\TTFSUB.GPD", "%s\\TTFSUB.GPD"},
    {"win2k\\STDNAMES.GPD", "%s\\STDNAMES.GPD"},
};

using FileName = FixedText<kMaxPath - 1>;

// A name cut short at the longest path would name another file: such a copy is not made.
bool Copy(WindowsServices& windows, const FileName& source, const FileName& destination) {
    if (!source.complete() || !destination.complete()) return false;
    return windows.CopyFileA(source.c_str(), destination.c_str(), false);
}

}  // namespace

bool CopyDriverFiles(WindowsServices& windows, const DriverDirectory& directory,
                     const ModelEntry& model) {
    if (directory.empty()) return false;
    const char* const folder = directory.c_str();
    bool allCopied = true;

    // 3: the model's resource DLL; 4: its GPD file, the driver's data file.
    if (!Copy(windows, FormatText("win2k\\%s%s", model.resourceDllBaseName, ".DLL"),
              FormatText("%s\\%s%s", folder, model.resourceDllBaseName, ".DLL")))
        allCopied = false;
    if (!Copy(windows, FormatText("win2k\\%s%s", model.gpdBaseName, ".GPD"),
              FormatText("%s\\%s%s", folder, model.gpdBaseName, ".GPD")))
        allCopied = false;

    for (const UnidrvFile& file : kUnidrvFiles)
        if (!Copy(windows, FormatText(file.source), FormatText(file.destination, folder))) allCopied = false;
    return allCopied;
}
