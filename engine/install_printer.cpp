#include "engine/install_printer.h"

#include "engine/catalogue.h"
#include "engine/driver_directory.h"
#include "engine/driver_files.h"
#include "engine/driver_registration.h"
#include "engine/page_selections.h"
#include "engine/printer_settings.h"
#include "pages/resource.h"
#include "platform/windows_services.h"

namespace {

bool IsRow(long row, size_t rowCount) { return row >= 0 && static_cast<size_t>(row) < rowCount; }

void ReportFailure(WindowsServices& windows) {
    windows.AfxMessageBox(IDS_INSTALL_FAILED, 0, 0);
}

}  // namespace

InstallResult InstallPrinter(WindowsServices& windows, PageSelections& page) {
    // Without the spooler nothing can be installed: nothing is begun.
    if (!windows.LoadSpooler()) {
        windows.AfxMessageBox(IDS_SYSTEM_COMPONENT_MISSING, 0, 0);
        return InstallResult::Failed;
    }

    // 1.
    const DriverDirectory directory = QueryDriverDirectory(windows);

    // 2. The lists always hold a selection; without one there is no model to install.
    const long portRow = page.PortRow();
    const long modelRow = page.ModelRow();
    if (!IsRow(portRow, kPortCount) || !IsRow(modelRow, kModelCount)) {
        ReportFailure(windows);
        return InstallResult::Failed;
    }
    const ModelEntry& model = ModelTable[modelRow];
    const char* const port = PortTable[portRow];

    // 3 to 10.
    const bool filesCopied = CopyDriverFiles(windows, directory, model);
    // 11.
    const bool driverRegistered = RegisterDriver(windows, model);
    // 12.
    const AddedPrinter printer = AddPrinter(windows, model, port);

    // 13. The user's default printer must name a printer that exists.
    bool settingsWritten = true;
    if (page.SetDefaultCheck() == kBstChecked && printer.exists)
        settingsWritten = WriteDefaultPrinter(windows, model, port) == SettingWrite::Written;

    // 14.
    bool portSettingsRead = true;
    if (IsSerialPortRow(portRow)) {
        const SettingWrite written = WritePortSettings(windows, page, port);
        portSettingsRead = written != SettingWrite::Unreadable;
        if (written != SettingWrite::Written) settingsWritten = false;
    }

    // 15.
    if (printer.handle) windows.ClosePrinter(printer.handle);

    const bool installed = filesCopied && driverRegistered && printer.exists && portSettingsRead;
    if (!installed) ReportFailure(windows);
    return installed && settingsWritten ? InstallResult::Installed : InstallResult::Failed;
}
