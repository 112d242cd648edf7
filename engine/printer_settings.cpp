#include "engine/printer_settings.h"

#include <cstddef>

#include "engine/catalogue.h"
#include "engine/page_selections.h"
#include "engine/fixed_text.h"
#include "engine/messages.h"
#include "engine/report.h"
#include "platform/windows_services.h"

namespace {

using RegistryText = FixedText<kMaxPath - 1>;

// A key opened for setting values; closed when it goes out of scope. An absent key is not
// created.
class ValueKey {
public:
    ValueKey(WindowsServices& windows, RegHive hive, const char* subKey) : m_windows(windows) {
        m_result = windows.RegOpenKeyExA(hive, subKey, 0, kKeySetValue, &m_key);
        m_open = m_result == kErrorSuccess;
    }
    ~ValueKey() {
        if (m_open) m_windows.RegCloseKey(m_key);
    }
    ValueKey(const ValueKey&) = delete;
    ValueKey& operator=(const ValueKey&) = delete;

    bool open() const { return m_open; }
    long openResult() const { return m_result; }
    // The text with its terminating zero, as REG_SZ.
    long SetText(const char* valueName, const RegistryText& text) {
        return m_windows.RegSetValueExA(m_key, valueName, 0, kRegSz,
                                        reinterpret_cast<const unsigned char*>(text.c_str()),
                                        static_cast<uint32_t>(text.size() + 1));
    }

private:
    WindowsServices& m_windows;
    RegKey m_key = nullptr;
    long m_result = 0;
    bool m_open = false;
};

// Sets the value and tells the user when that fails; the key is closed after the message
// has been dismissed.
SettingWrite WriteText(WindowsServices& windows, Report& report, RegHive hive,
                       const char* subKey, const char* valueName, const RegistryText& text) {
    const FixedText<1023> what =
        FormatText<1023>("set %s under %s\\%s to %s", valueName,
                         hive == RegHive::CurrentUser ? "HKCU" : "HKLM", subKey, text.c_str());
    ValueKey key(windows, hive, subKey);
    if (!key.open()) {
        report.Failed(what.c_str(), static_cast<uint32_t>(key.openResult()));
        return SettingWrite::KeyNotOpened;
    }
    const long result = key.SetText(valueName, text);
    if (result == kErrorSuccess) {
        report.Done(what.c_str());
        return SettingWrite::Written;
    }
    report.Failed(what.c_str(), static_cast<uint32_t>(result));
    report.Tell(IDS_REGISTRY_WRITE_FAILED);
    return SettingWrite::ValueNotSet;
}

// The row's text, or null when the row is none of the table's.
template <size_t N>
const char* Row(const char* const (&table)[N], long row) {
    return row >= 0 && static_cast<size_t>(row) < N ? table[row] : nullptr;
}

}  // namespace

SettingWrite WriteDefaultPrinter(WindowsServices& windows, Report& report,
                                 const ModelEntry& model, const char* portName) {
    const RegistryText device = FormatText("%s,%s,%s", model.driverName, "winspool", portName);
    const SettingWrite result =
        WriteText(windows, report, RegHive::CurrentUser, kDefaultPrinterKey, "Device", device);
    // Written straight into the registry, the new default reaches running programs only
    // when they are told.
    if (result == SettingWrite::Written) windows.BroadcastSettingChange("windows", kSettingChangeTimeoutMs);
    return result;
}

SettingWrite WritePortSettings(WindowsServices& windows, Report& report, PageSelections& page,
                               const char* portName) {
    const char* const baudRate = Row(BaudRateTable, page.BaudRateRow());
    const char* const parity = Row(ParityTable, page.ParityRow());
    const char* const byteSize = Row(ByteSizeTable, page.ByteSizeRow());
    const char* const stopBits = Row(StopBitsTable, page.StopBitsRow());
    const char* const flowControl = Row(FlowControlTable, page.FlowControlRow());
    if (!baudRate || !parity || !byteSize || !stopBits || !flowControl) {
        report.Line("the serial settings are not rows of their lists: nothing written");
        return SettingWrite::Unreadable;
    }
    const RegistryText settings =
        FormatText("%s,%s,%s,%s,%s", baudRate, parity, byteSize, stopBits, flowControl);
    return WriteText(windows, report, RegHive::LocalMachine, kPortSettingsKey, portName, settings);
}
