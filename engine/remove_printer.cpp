#include "engine/remove_printer.h"

#include <cstring>

#include "engine/ascii_case.h"
#include "engine/catalogue.h"
#include "engine/driver_directory.h"
#include "engine/driver_files.h"
#include "engine/install_record.h"
#include "engine/messages.h"
#include "engine/printer_settings.h"
#include "engine/registry_text.h"
#include "engine/report.h"
#include "engine/spooler_buffer.h"
#include "platform/windows_services.h"

namespace {

using What = FixedText<1023>;

// Whether the path names the file: its last part, whatever the letter case.
bool NamesFile(const char* path, const char* fileName) {
    if (!path) return false;
    const char* last = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':') last = p + 1;
    return EqualsIgnoringCase(last, fileName);
}

bool DriverListsFile(const DriverInfo3& driver, const char* fileName) {
    if (NamesFile(driver.pDriverPath, fileName) || NamesFile(driver.pDataFile, fileName) ||
        NamesFile(driver.pConfigFile, fileName) || NamesFile(driver.pHelpFile, fileName))
        return true;
    for (const char* entry = driver.pDependentFiles; entry && *entry; entry += std::strlen(entry) + 1)
        if (NamesFile(entry, fileName)) return true;
    return false;
}

// The drivers the spooler has for the environment, as level 3 records.
class DriverList {
public:
    bool Read(WindowsServices& windows) {
        return m_buffer.Fill([&](unsigned char* data, uint32_t size, uint32_t* needed) {
            return windows.EnumPrinterDriversA(kDriverEnvironment, 3, data, size, needed, &m_count);
        });
    }
    uint32_t count() const { return m_count; }
    const DriverInfo3& operator[](uint32_t i) { return reinterpret_cast<const DriverInfo3*>(m_buffer.data())[i]; }

    // The driver listing the file, other than `except`; null when none does.
    const char* DriverListing(const char* fileName, const char* except) {
        for (uint32_t i = 0; i < m_count; ++i) {
            const DriverInfo3& driver = (*this)[i];
            if (driver.pName && EqualsIgnoringCase(driver.pName, except)) continue;
            if (DriverListsFile(driver, fileName)) return driver.pName ? driver.pName : "";
        }
        return nullptr;
    }
    bool Lists(const char* driverName) {
        for (uint32_t i = 0; i < m_count; ++i)
            if ((*this)[i].pName && EqualsIgnoringCase((*this)[i].pName, driverName)) return true;
        return false;
    }

private:
    SpoolerBuffer m_buffer;
    uint32_t m_count = 0;
};

class Removal {
public:
    Removal(WindowsServices& windows, Report& report, const ModelEntry& model)
        : m_windows(windows), m_report(report), m_model(model), m_name(model.driverName) {}

    RemoveResult Run() {
        const bool deviceNamesPrinter = DeviceNamesPrinter();
        if (!RemovePrinterItself()) return Finish(RemoveResult::Failed);
        const bool driverGone = RemoveDriver();
        if (!m_printerExisted && !m_driverExisted) {
            m_report.Line(FormatText<1023>("neither a printer nor a driver %s is installed: nothing removed", m_name).c_str());
            return Finish(RemoveResult::NotInstalled);
        }
        if (driverGone) RemoveFiles();
        if (deviceNamesPrinter && m_printerExisted) ChooseAnotherDefault();
        PutBackRecordedSettings();
        return Finish(m_failed ? RemoveResult::Failed : RemoveResult::Removed);
    }

private:
    // Read before the printer goes: the spooler may change "Device" when it deletes it.
    bool DeviceNamesPrinter() {
        OpenedKey key(m_windows);
        if (key.Open(RegHive::CurrentUser, kDefaultPrinterKey, kKeyQueryValue) != kErrorSuccess) return false;
        RegistryValueText device;
        if (ReadRegistryText(m_windows, key.get(), "Device", device) != kErrorSuccess) return false;
        const size_t length = std::strlen(m_name);
        return device.size() > length && device[length] == ',' &&
               EqualsIgnoringCase(device.c_str(), m_name, length);
    }

    bool RemovePrinterItself() {
        const What what = FormatText<1023>("delete printer %s", m_name);
        PrinterHandle printer = nullptr;
        if (!m_windows.OpenPrinterA(m_name, kPrinterAllAccess, &printer)) {
            m_report.Line(FormatText<1023>("printer %s: not installed", m_name).c_str());
            return true;
        }
        m_printerExisted = true;
        const bool deleted = m_windows.DeletePrinter(printer);
        const uint32_t error = deleted ? 0 : m_windows.GetLastError();
        m_windows.ClosePrinter(printer);
        if (!deleted) {
            m_report.Failed(what.c_str(), error);
            m_failed = true;
            return false;
        }
        m_report.Done(what.c_str());
        m_removedPrinter = true;
        return true;
    }

    // True when the driver is not there afterwards.
    bool RemoveDriver() {
        const What what = FormatText<1023>("delete driver %s for %s", m_name, kDriverEnvironment);
        if (m_windows.DeletePrinterDriverA(kDriverEnvironment, m_name)) {
            m_report.Done(what.c_str());
            m_driverExisted = m_removedDriver = true;
            return true;
        }
        const uint32_t error = m_windows.GetLastError();
        DriverList drivers;
        if (!drivers.Read(m_windows)) {
            // Whether it is there is unknown: it counts as there and not deleted.
            m_report.Failed(what.c_str(), error);
            m_driverExisted = m_failed = true;
            return false;
        }
        if (!drivers.Lists(m_name)) {
            m_report.Line(FormatText<1023>("driver %s: not installed", m_name).c_str());
            return true;
        }
        m_report.Failed(what.c_str(), error);
        m_driverExisted = m_failed = true;
        return false;
    }

    void RemoveFiles() {
        const DriverDirectory directory = QueryDriverDirectory(m_windows);
        if (directory.empty()) {
            m_report.Failed("ask the spooler for its driver directory", m_windows.GetLastError());
            m_failed = true;
            return;
        }
        DriverList drivers;
        if (!drivers.Read(m_windows)) {
            m_report.Failed("list the installed drivers, to keep the files they use",
                            m_windows.GetLastError());
            m_failed = true;
            return;
        }
        const DriverFileNames files = DriverFilesOf(m_model);
        for (const DriverFileName& file : files.names) {
            if (const char* user = drivers.DriverListing(file.c_str(), m_name)) {
                m_report.Line(FormatText<1023>("keep %s: the driver %s uses it", file.c_str(), user).c_str());
                continue;
            }
            const FixedText<kMaxPath - 1> path = FormatText("%s\\%s", directory.c_str(), file.c_str());
            const What what = FormatText<1023>("delete %s", path.c_str());
            if (!path.complete()) {
                m_report.Failed(what.c_str(), 0);
                m_failed = true;
            } else if (m_windows.DeleteFileA(path.c_str())) {
                m_report.Done(what.c_str());
                if (!m_removedFiles.empty()) m_removedFiles.Append(", ");
                m_removedFiles.Append(file.c_str());
            } else if (const uint32_t error = m_windows.GetLastError(); error == kErrorFileNotFound) {
                m_report.Line(FormatText<1023>("%s: not there", path.c_str()).c_str());
            } else {
                m_report.Failed(what.c_str(), error);
                m_failed = true;
            }
        }
    }

    // "Device" named the deleted printer: the first printer left becomes the default, or
    // there is none.
    void ChooseAnotherDefault() {
        SpoolerBuffer buffer;
        uint32_t count = 0;
        if (!buffer.Fill([&](unsigned char* data, uint32_t size, uint32_t* needed) {
                return m_windows.EnumPrintersA(kPrinterEnumLocal, 2, data, size, needed, &count);
            })) {
            m_report.Failed("list the printers, to choose another default", m_windows.GetLastError());
            m_failed = true;
            return;
        }
        OpenedKey key(m_windows);
        long result = key.Open(RegHive::CurrentUser, kDefaultPrinterKey, kKeySetValue);
        What what;
        if (count > 0) {
            const PrinterInfo2& first = *reinterpret_cast<const PrinterInfo2*>(buffer.data());
            const FixedText<511> device = FormatText<511>(
                "%s,%s,%s", first.pPrinterName ? first.pPrinterName : "", "winspool",
                first.pPortName ? first.pPortName : "");
            what.AppendFormatted("set Device under HKCU\\%s to %s", kDefaultPrinterKey, device.c_str());
            if (result == kErrorSuccess) result = WriteRegistryText(m_windows, key.get(), "Device", device.c_str());
        } else {
            what.AppendFormatted("delete Device under HKCU\\%s: no printer is left", kDefaultPrinterKey);
            if (result == kErrorSuccess) result = m_windows.RegDeleteValueA(key.get(), "Device");
            // Some spoolers delete "Device" themselves with the default printer: gone is gone.
            if (result == kErrorFileNotFound) result = kErrorSuccess;
        }
        if (result != kErrorSuccess) {
            m_report.Failed(what.c_str(), static_cast<uint32_t>(result));
            m_failed = true;
            return;
        }
        m_report.Done(what.c_str());
        m_windows.BroadcastSettingChange("windows", kSettingChangeTimeoutMs);
    }

    void PutBackRecordedSettings() {
        const RecordKeyName keyName = RecordKeyOf(m_name);
        OpenedKey record(m_windows);
        if (record.Open(RegHive::LocalMachine, keyName.c_str(), kKeyQueryValue) != kErrorSuccess) {
            m_report.Line(FormatText<1023>("no record under HKLM\\%s", keyName.c_str()).c_str());
            return;
        }
        bool restored = true;
        for (size_t row = kFirstSerialPortRow; row < kPortCount; ++row) {
            RegistryValueText previous;
            if (ReadRegistryText(m_windows, record.get(), PreviousSettingsName(PortTable[row]).c_str(),
                                 previous) != kErrorSuccess)
                continue;
            const What what = FormatText<1023>("set %s under HKLM\\%s back to %s", PortTable[row],
                                           kPortSettingsKey, previous.c_str());
            OpenedKey ports(m_windows);
            long result = ports.Open(RegHive::LocalMachine, kPortSettingsKey, kKeySetValue);
            if (result == kErrorSuccess)
                result = WriteRegistryText(m_windows, ports.get(), PortTable[row], previous.c_str());
            if (result == kErrorSuccess) {
                m_report.Done(what.c_str());
            } else {
                m_report.Failed(what.c_str(), static_cast<uint32_t>(result));
                m_failed = true;
                restored = false;
            }
        }
        // A record whose settings could not be put back is kept, to try again.
        if (!restored) return;
        record.Close();
        const What what = FormatText<1023>("delete the record HKLM\\%s", keyName.c_str());
        const long result = m_windows.RegDeleteKeyA(RegHive::LocalMachine, keyName.c_str());
        if (result != kErrorSuccess) {
            m_report.Failed(what.c_str(), static_cast<uint32_t>(result));
            m_failed = true;
            return;
        }
        m_report.Done(what.c_str());
        // The keys above go with their last record; while another printer has one, Windows
        // refuses to delete them.
        m_windows.RegDeleteKeyA(RegHive::LocalMachine, kRecordsKey);
        m_windows.RegDeleteKeyA(RegHive::LocalMachine, "SOFTWARE\\ZILT");
    }

    RemoveResult Finish(RemoveResult result) {
        switch (result) {
        case RemoveResult::Removed: {
            MessageText text = m_report.MessageOf(IDS_REMOVED);
            if (m_removedPrinter) AppendLine(text, m_report.MessageOf(IDS_REMOVED_PRINTER, m_name));
            if (m_removedDriver) AppendLine(text, m_report.MessageOf(IDS_REMOVED_DRIVER, m_name));
            if (!m_removedFiles.empty())
                AppendLine(text, m_report.MessageOf(IDS_REMOVED_FILES, m_removedFiles.c_str()));
            m_report.TellText(text.c_str(), kMbIconInformation);
            break;
        }
        case RemoveResult::NotInstalled:
            m_report.Tell(IDS_NOT_INSTALLED, m_name, kMbIconInformation);
            break;
        case RemoveResult::Failed:
            m_report.Tell(IDS_REMOVE_FAILED, m_name);
            break;
        }
        return result;
    }

    static void AppendLine(MessageText& text, const MessageText& line) {
        text.Append('\n');
        text.Append(line.c_str());
    }

    WindowsServices& m_windows;
    Report& m_report;
    const ModelEntry& m_model;
    const char* const m_name;
    bool m_printerExisted = false, m_driverExisted = false;
    bool m_removedPrinter = false, m_removedDriver = false;
    bool m_failed = false;
    FixedText<255> m_removedFiles;
};

}  // namespace

RemoveResult RemovePrinter(WindowsServices& windows, Report& report, const ModelEntry& model) {
    // Without the spooler nothing can be removed: nothing is begun.
    if (!windows.LoadSpooler()) {
        report.Failed("load the print spooler (winspool.drv) from the system directory",
                      windows.GetLastError());
        report.Tell(IDS_SYSTEM_COMPONENT_MISSING);
        return RemoveResult::Failed;
    }
    return Removal(windows, report, model).Run();
}
