// Registry values as a test sees them, and a guard that puts a key back as it found it.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

constexpr const wchar_t* kUserWindowsKey = L"Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
constexpr const wchar_t* kPortsKey = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

struct RegistryValue {
    DWORD type;
    std::vector<BYTE> data;
    bool operator==(const RegistryValue& other) const {
        return type == other.type && data == other.data;
    }
};
using RegistryValues = std::map<std::wstring, RegistryValue>;

// Every value of the key; nothing when the key does not exist.
std::optional<RegistryValues> ReadKey(HKEY root, const wchar_t* subKey);

// The text of a string value, as the ANSI programs read it; nothing when it is absent.
std::optional<std::string> ReadText(HKEY root, const wchar_t* subKey, const char* name);

bool CreateKeyWithText(HKEY root, const wchar_t* subKey, const char* name, const std::string& text);
void DeleteKey(HKEY root, const wchar_t* subKey);

// Remembers the key and all its values, and restores them when it goes: a key that was
// absent is deleted again.
class RegistryKeyGuard {
public:
    RegistryKeyGuard(HKEY root, const wchar_t* subKey);
    ~RegistryKeyGuard();
    RegistryKeyGuard(const RegistryKeyGuard&) = delete;
    RegistryKeyGuard& operator=(const RegistryKeyGuard&) = delete;

    const std::optional<RegistryValues>& saved() const { return m_saved; }

private:
    HKEY m_root;
    std::wstring m_subKey;
    std::optional<RegistryValues> m_saved;
};
