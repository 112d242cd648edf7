#include "driver_package.h"

const std::vector<std::string> kZrt340Files = {
    "Z34.DLL",    "Z34.GPD",    "uniDRVui.DLL", "uniDRV.DLL",
    "UNIDRV.HLP", "UNIRES.DLL", "TTFSUB.GPD",   "STDNAMES.GPD",
};

const std::vector<std::string> kZrt470aFiles = {
    "Z47.DLL",    "Z47A.GPD",   "uniDRVui.DLL", "uniDRV.DLL",
    "UNIDRV.HLP", "UNIRES.DLL", "TTFSUB.GPD",   "STDNAMES.GPD",
};

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

std::string PlaceholderContents(const std::string& name, const std::string& marker) {
    return "placeholder " + name + " of package " + marker + "\r\n";
}

bool WriteDriverPackage(const std::wstring& folder, const std::string& marker,
                        const std::vector<std::string>& names) {
    const std::wstring win2k = folder + L"\\win2k";
    if (!::CreateDirectoryW(win2k.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        return false;
    for (const std::string& name : names) {
        HANDLE file = ::CreateFileW((win2k + L"\\" + Widen(name)).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        const std::string contents = PlaceholderContents(name, marker);
        DWORD written = 0;
        const BOOL ok = ::WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()),
                                    &written, nullptr);
        ::CloseHandle(file);
        if (!ok || written != contents.size()) return false;
    }
    return true;
}

std::optional<std::string> ReadWholeFile(const std::wstring& path) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string contents;
    char chunk[4096];
    DWORD got = 0;
    while (::ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) contents.append(chunk, got);
    ::CloseHandle(file);
    return contents;
}
