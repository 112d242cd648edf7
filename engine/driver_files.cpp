#include "engine/driver_files.h"

#include "engine/catalogue.h"
#include "engine/report.h"
#include "platform/windows_services.h"

namespace {

// The Unidrv files that every model's driver is made of, in the order they are copied: the
// configuration module, the driver module, the help file and three dependent files.
const char* const kUnidrvFiles[] = {"uniDRVui.DLL", "uniDRV.DLL",  "UNIDRV.HLP",
                                    "UNIRES.DLL",   "TTFSUB.GPD", "STDNAMES.GPD"};

using FileName = FixedText<kMaxPath - 1>;

// A name cut short at the longest path would name another file: such a copy is not made.
bool Copy(WindowsServices& windows, Report& report, const FileName& source,
          const FileName& destination) {
    const FixedText<1023> what =
        FormatText<1023>("copy %s to %s", source.c_str(), destination.c_str());
    if (!source.complete() || !destination.complete()) {
        report.Failed(what.c_str(), 0);
        return false;
    }
    if (!windows.CopyFileA(source.c_str(), destination.c_str(), false)) {
        report.Failed(what.c_str(), windows.GetLastError());
        return false;
    }
    report.Done(what.c_str());
    return true;
}

}  // namespace

DriverFileNames DriverFilesOf(const ModelEntry& model) {
    DriverFileNames files;
    files.names[0].AppendFormatted("%s%s", model.resourceDllBaseName, ".DLL");
    files.names[1].AppendFormatted("%s%s", model.gpdBaseName, ".GPD");
    for (size_t i = 0; i < 6; ++i) files.names[2 + i].Append(kUnidrvFiles[i]);
    return files;
}

bool CopyDriverFiles(WindowsServices& windows, Report& report, const DriverDirectory& directory,
                     const ModelEntry& model) {
    if (directory.empty()) return false;
    bool allCopied = true;
    // The model's resource DLL and its GPD file, the driver's data file, then the Unidrv files.
    const DriverFileNames files = DriverFilesOf(model);
    for (const DriverFileName& file : files.names)
        if (!Copy(windows, report, FormatText("win2k\\%s", file.c_str()),
                  FormatText("%s\\%s", directory.c_str(), file.c_str())))
            allCopied = false;
    return allCopied;
}
