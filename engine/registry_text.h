// Text values of the registry (REG_SZ), read and written through an open key.
#pragma once

#include "engine/fixed_text.h"
#include "platform/windows_services.h"

// The longest text the program reads from the registry; settings and printer names are short.
using RegistryValueText = FixedText<511>;

// Reads the text of the value into text. Windows' result: ERROR_FILE_NOT_FOUND when there is
// no such value; a value that is not a text, or too long, counts as none.
long ReadRegistryText(WindowsServices& windows, RegKey key, const char* valueName,
                      RegistryValueText& text);

// Sets the value to the text, with its terminating zero, as REG_SZ.
long WriteRegistryText(WindowsServices& windows, RegKey key, const char* valueName,
                       const char* text);

// A key the program opened: closed when it goes out of scope.
class OpenedKey {
public:
    explicit OpenedKey(WindowsServices& windows) : m_windows(windows) {}
    ~OpenedKey() { Close(); }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    // RegOpenKeyExA and RegCreateKeyExA into this key; Windows' result.
    long Open(RegHive hive, const char* subKey, uint32_t access) {
        return m_windows.RegOpenKeyExA(hive, subKey, 0, access, &m_key);
    }
    long Create(RegHive hive, const char* subKey, uint32_t access) {
        return m_windows.RegCreateKeyExA(hive, subKey, access, &m_key);
    }
    RegKey get() const { return m_key; }
    void Close() {
        if (m_key) m_windows.RegCloseKey(m_key);
        m_key = nullptr;
    }

private:
    WindowsServices& m_windows;
    RegKey m_key = nullptr;
};
