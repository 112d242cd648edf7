#include "engine/printer_settings.h"

#include <cstddef>

#include "engine/catalogue.h"
#include "engine/page_selections.h"
#include "engine/fixed_text.h"
#include "pages/resource.h"
#include "platform/windows_services.h"

namespace {

using RegistryText = FixedText<kMaxPath - 1>;

constexpr const char* kWindowsKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
constexpr const char* kPortsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

// A key opened for setting values; closed when it goes out of scope. An absent key is not
// created.
class ValueKey {
public:
    ValueKey(WindowsServices& windows, RegHive hive, const char* subKey) : m_windows(windows) {
        m_open = windows.RegOpenKeyExA(hive, subKey, 0, kKeySetValue, &m_key) == kErrorSuccess;
    }
    ~ValueKey() {
        if (m_open) m_windows.RegCloseKey(m_key);
    }
    ValueKey(const ValueKey&) = delete;
    ValueKey& operator=(const ValueKey&) = delete;

    bool open() const { return m_open; }
    // The text with its terminating zero, as REG_SZ.
    long SetText(const char* valueName, const RegistryText& text) {
        return m_windows.RegSetValueExA(m_key, valueName, 0, kRegSz,
                                        reinterpret_cast<const unsigned char*>(text.c_str()),
                                        static_cast<uint32_t>(text.size() + 1));
    }

private:
    WindowsServices& m_windows;
    RegKey m_key = nullptr;
    bool m_open = false;
};

// Sets the value and tells the user when that fails; the key is closed after the message
// has been dismissed.
SettingWrite WriteText(WindowsServices& windows, RegHive hive, const char* subKey,
                       const char* valueName, const RegistryText& text) {
    ValueKey key(windows, hive, subKey);
    if (!key.open()) return SettingWrite::KeyNotOpened;
    if (key.SetText(valueName, text) == kErrorSuccess) return SettingWrite::Written;
    windows.AfxMessageBox(IDS_REGISTRY_WRITE_FAILED, 0, 0);
    return SettingWrite::ValueNotSet;
}

// The row's text, or null when the row is none of the table's.
template <size_t N>
const char* Row(const char* const (&table)[N], long row) {
    return row >= 0 && static_cast<size_t>(row) < N ? table[row] : nullptr;
}

}  // namespace

SettingWrite WriteDefaultPrinter(WindowsServices& windows, const ModelEntry& model,
                                 const char* portName) {
    const RegistryText device = FormatText("%s,%s,%s", model.driverName, "winspool", portName);
    const SettingWrite result =
        WriteText(windows, RegHive::CurrentUser, kWindowsKey, "Device", device);
    // Written straight into the registry, the new default reaches running programs only
    // when they are told.
    if (result == SettingWrite::Written) windows.BroadcastSettingChange("windows", kSettingChangeTimeoutMs);
    return result;
}

SettingWrite WritePortSettings(WindowsServices& windows, PageSelections& page,
                               const char* portName) {
    const char* const baudRate = Row(BaudRateTable, page.BaudRateRow());
    const char* const parity = Row(ParityTable, page.ParityRow());
    const char* const byteSize = Row(ByteSizeTable, page.ByteSizeRow());
    const char* const stopBits = Row(StopBitsTable, page.StopBitsRow());
    const char* const flowControl = Row(FlowControlTable, page.FlowControlRow());
    if (!baudRate || !parity || !byteSize || !stopBits || !flowControl)
        return SettingWrite::Unreadable;
    const RegistryText settings =
        FormatText("%s,%s,%s,%s,%s", baudRate, parity, byteSize, stopBits, flowControl);
    return WriteText(windows, RegHive::LocalMachine, kPortsKey, portName, settings);
}
