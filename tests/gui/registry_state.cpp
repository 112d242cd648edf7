#include "registry_state.h"

std::optional<RegistryValues> ReadKey(HKEY root, const wchar_t* subKey) {
    HKEY key;
    if (::RegOpenKeyExW(root, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    RegistryValues values;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD nameLength = 256, type = 0, size = 0;
        if (::RegEnumValueW(key, index, name, &nameLength, nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS)
            break;
        RegistryValue value{type, std::vector<BYTE>(size)};
        nameLength = 256;
        ::RegEnumValueW(key, index, name, &nameLength, nullptr, &type, value.data.data(), &size);
        value.data.resize(size);
        values[std::wstring(name, nameLength)] = value;
    }
    ::RegCloseKey(key);
    return values;
}

std::optional<std::string> ReadText(HKEY root, const wchar_t* subKey, const char* name) {
    HKEY key;
    if (::RegOpenKeyExW(root, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
    char text[1024] = {};
    DWORD type = 0, size = sizeof text - 1;
    const LONG result =
        ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    ::RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
    return std::string(text);
}

bool CreateKeyWithText(HKEY root, const wchar_t* subKey, const char* name, const std::string& text) {
    HKEY key;
    if (::RegCreateKeyExW(root, subKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG result = ::RegSetValueExA(key, name, 0, REG_SZ,
                                         reinterpret_cast<const BYTE*>(text.c_str()),
                                         static_cast<DWORD>(text.size() + 1));
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

void DeleteKey(HKEY root, const wchar_t* subKey) { ::RegDeleteTreeW(root, subKey); }

RegistryKeyGuard::RegistryKeyGuard(HKEY root, const wchar_t* subKey)
    : m_root(root), m_subKey(subKey), m_saved(ReadKey(root, subKey)) {}

RegistryKeyGuard::~RegistryKeyGuard() {
    if (!m_saved) {
        DeleteKey(m_root, m_subKey.c_str());
        return;
    }
    HKEY key;
    if (::RegCreateKeyExW(m_root, m_subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE | KEY_QUERY_VALUE,
                          nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    if (std::optional<RegistryValues> now = ReadKey(m_root, m_subKey.c_str()))
        for (const auto& [name, value] : *now)
            if (!m_saved->count(name)) ::RegDeleteValueW(key, name.c_str());
    for (const auto& [name, value] : *m_saved)
        ::RegSetValueExW(key, name.c_str(), 0, value.type, value.data.data(),
                         static_cast<DWORD>(value.data.size()));
    ::RegCloseKey(key);
}
