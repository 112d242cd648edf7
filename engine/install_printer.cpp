#include "engine/install_printer.h"

#include "engine/catalogue.h"
#include "engine/driver_directory.h"
#include "engine/driver_files.h"
#include "engine/driver_registration.h"
#include "engine/install_record.h"
#include "engine/messages.h"
#include "engine/page_selections.h"
#include "engine/printer_settings.h"
#include "engine/report.h"
#include "platform/windows_services.h"

namespace {

bool IsRow(long row, size_t rowCount) { return row >= 0 && static_cast<size_t>(row) < rowCount; }

}  // namespace

InstallResult InstallPrinter(WindowsServices& windows, Report& report, PageSelections& page) {
    // Without the spooler nothing can be installed: nothing is begun.
    if (!windows.LoadSpooler()) {
        report.Failed("load the print spooler (winspool.drv) from the system directory",
                      windows.GetLastError());
        report.Tell(IDS_SYSTEM_COMPONENT_MISSING);
        return InstallResult::Failed;
    }

    const DriverDirectory directory = QueryDriverDirectory(windows);
    if (directory.empty()) report.Failed("ask the spooler for its driver directory", windows.GetLastError());
    else report.Line(FormatText<1023>("driver directory: %s", directory.c_str()).c_str());

    // The lists always hold a selection; without one there is no model to install.
    const long portRow = page.PortRow();
    const long modelRow = page.ModelRow();
    if (!IsRow(portRow, kPortCount) || !IsRow(modelRow, kModelCount)) {
        report.Line("the model or the port is not a row of its list: nothing installed");
        report.Tell(IDS_INSTALL_FAILED);
        return InstallResult::Failed;
    }
    const ModelEntry& model = ModelTable[modelRow];
    const char* const port = PortTable[portRow];

    const bool filesCopied = CopyDriverFiles(windows, report, directory, model);
    const bool driverRegistered = RegisterDriver(windows, report, model);
    const AddedPrinter printer = AddPrinter(windows, report, model, port);

    // The user's default printer must name a printer that exists.
    bool settingsWritten = true;
    if (page.SetDefaultCheck() == kBstChecked && printer.exists)
        settingsWritten = WriteDefaultPrinter(windows, report, model, port) == SettingWrite::Written;

    // The record comes before the port's settings, so that it holds them as they were.
    bool recorded = true;
    if (printer.exists)
        recorded = WriteInstallRecord(windows, report, model.driverName, port, IsSerialPortRow(portRow));

    bool portSettingsRead = true;
    if (IsSerialPortRow(portRow)) {
        const SettingWrite written = WritePortSettings(windows, report, page, port);
        portSettingsRead = written != SettingWrite::Unreadable;
        if (written != SettingWrite::Written) settingsWritten = false;
    }

    if (printer.handle) windows.ClosePrinter(printer.handle);

    const bool installed = filesCopied && driverRegistered && printer.onPort && portSettingsRead;
    if (!installed) report.Tell(IDS_INSTALL_FAILED);
    return installed && settingsWritten && recorded ? InstallResult::Installed : InstallResult::Failed;
}

InstallResult InstallPrinter(WindowsServices& windows, PageSelections& page) {
    Report report(windows, nullptr, false);
    return InstallPrinter(windows, report, page);
}
