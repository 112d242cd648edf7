#include "wizard_process.h"

#include <vector>

#include "../../pages/resource.h"

std::wstring SetupExePath() {
    wchar_t path[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring self(path, length);
    return self.substr(0, self.find_last_of(L"\\/") + 1) + L"setup.exe";
}

TempDir::TempDir() {
    wchar_t base[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, base);
    for (unsigned attempt = 0;; ++attempt) {
        std::wstring candidate = std::wstring(base) + L"setup-test-" +
                                 std::to_wstring(::GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(::GetTickCount() + attempt);
        if (::CreateDirectoryW(candidate.c_str(), nullptr)) {
            m_path = candidate;
            return;
        }
    }
}

namespace {

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring child = path + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(child);
            else ::DeleteFileW(child.c_str());
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(path.c_str());
}

struct PageSearch {
    DWORD pid;
    const wchar_t* title;
    HWND previous;
    HWND found;
};

BOOL CALLBACK MatchPage(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<PageSearch*>(context);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || window == search->previous || !::IsWindowVisible(window)) return TRUE;
    wchar_t title[256] = {};
    ::GetWindowTextW(window, title, 256);
    if (std::wstring(title) != search->title) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

TempDir::~TempDir() { RemoveTree(m_path); }

WizardProcess::WizardProcess(const std::wstring& workDir, const std::wstring& exe,
                             const std::wstring& arguments) {
    std::wstring line = L"\"" + exe + L"\"";
    if (!arguments.empty()) line += L" " + arguments;
    std::vector<wchar_t> commandLine(line.begin(), line.end());
    commandLine.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!::CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          workDir.c_str(), &startup, &m_info))
        m_info = PROCESS_INFORMATION{};
}

WizardProcess::~WizardProcess() {
    if (!m_info.hProcess) return;
    if (::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_info.hProcess, 9);
        ::WaitForSingleObject(m_info.hProcess, 10000);
    }
    ::CloseHandle(m_info.hThread);
    ::CloseHandle(m_info.hProcess);
}

HWND WizardProcess::WaitForPage(const wchar_t* title, HWND previous, DWORD timeoutMs) const {
    if (!m_info.hProcess) return nullptr;
    const DWORD start = ::GetTickCount();
    for (;;) {
        PageSearch search{m_info.dwProcessId, title, previous, nullptr};
        ::EnumWindows(&MatchPage, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        if (::GetTickCount() - start > timeoutMs) return nullptr;
        if (::WaitForSingleObject(m_info.hProcess, 50) == WAIT_OBJECT_0) return nullptr;
    }
}

HWND WizardProcess::OpenDetailSetting() const {
    HWND selectOs = WaitForPage(L"Select OS");
    if (!selectOs) return nullptr;
    ClickButton(selectOs, IDC_NEXT);
    return WaitForPage(L"Detail Setting");
}

bool WizardProcess::WaitForExit(DWORD timeoutMs, DWORD* exitCode) const {
    if (!m_info.hProcess || ::WaitForSingleObject(m_info.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (exitCode) ::GetExitCodeProcess(m_info.hProcess, exitCode);
    return true;
}

namespace {

struct AnyWindow {
    DWORD pid;
    std::wstring title;
    bool found;
};

BOOL CALLBACK MatchAnyWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<AnyWindow*>(context);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || !::IsWindowVisible(window)) return TRUE;
    wchar_t title[256] = {};
    ::GetWindowTextW(window, title, 256);
    search->title = title;
    search->found = true;
    return FALSE;
}

}  // namespace

bool WizardProcess::WaitForExitWatchingWindows(DWORD timeoutMs, DWORD* exitCode,
                                               std::wstring* window) const {
    if (!m_info.hProcess) return false;
    const DWORD start = ::GetTickCount();
    for (;;) {
        AnyWindow search{m_info.dwProcessId, L"", false};
        ::EnumWindows(&MatchAnyWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found && window && window->empty()) *window = search.title.empty() ? L"(untitled)" : search.title;
        if (::WaitForSingleObject(m_info.hProcess, 10) == WAIT_OBJECT_0) break;
        if (::GetTickCount() - start > timeoutMs) return false;
    }
    if (exitCode) ::GetExitCodeProcess(m_info.hProcess, exitCode);
    return true;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    while (::IsWindow(window) && ::IsWindowVisible(window)) {
        if (::GetTickCount() - start > timeoutMs) return false;
        ::Sleep(20);
    }
    return true;
}

void ClickButton(HWND dialog, int id) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

std::wstring WindowText(HWND window) {
    wchar_t text[1024] = {};
    LRESULT length = ::SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return std::wstring(text, length > 0 ? static_cast<size_t>(length) : 0);
}

void SetReportedWindowsVersion(const wchar_t* version) {
    HKEY key;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\setup.exe", 0, nullptr, 0,
                          KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    if (version && *version)
        ::RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                         static_cast<DWORD>((wcslen(version) + 1) * sizeof(wchar_t)));
    else
        ::RegDeleteValueW(key, L"Version");
    ::RegCloseKey(key);
}

HWND FocusedControl(HWND page) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(page, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

void PressKey(HWND control, UINT virtualKey) {
    const UINT scanCode = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    ::PostMessageW(control, WM_KEYDOWN, virtualKey, 1 | (scanCode << 16));
}

void ChooseListRow(HWND page, int listId, int row) {
    HWND list = ::GetDlgItem(page, listId);
    ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

std::vector<std::wstring> ListItems(HWND list) {
    std::vector<std::wstring> items;
    const LRESULT count = ::SendMessageW(list, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = ::SendMessageW(list, CB_GETLBTEXTLEN, i, 0);
        std::wstring text(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
        const LRESULT copied = ::SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
        text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        items.push_back(text);
    }
    return items;
}

int SelectedRow(HWND list) { return static_cast<int>(::SendMessageW(list, CB_GETCURSEL, 0, 0)); }

std::vector<HWND> ChildWindows(HWND dialog) {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

bool CopySamplePackage(const std::wstring& workDir) {
    const std::wstring exe = SetupExePath();
    const std::wstring from = exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"sample\\win2k";
    const std::wstring to = workDir + L"\\win2k";
    if (!::CreateDirectoryW(to.c_str(), nullptr)) return false;
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((from + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool copied = true;
    int files = 0;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::wstring name = found.cFileName;
        copied = ::CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE) && copied;
        ++files;
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return copied && files > 0;
}

DllOverrides::DllOverrides(const wchar_t* overrides) {
    wchar_t previous[1024] = {};
    ::GetEnvironmentVariableW(L"WINEDLLOVERRIDES", previous, 1024);
    m_previous = previous;
    const std::wstring now = m_previous.empty() ? overrides : m_previous + L";" + overrides;
    ::SetEnvironmentVariableW(L"WINEDLLOVERRIDES", now.c_str());
}

DllOverrides::~DllOverrides() {
    ::SetEnvironmentVariableW(L"WINEDLLOVERRIDES", m_previous.empty() ? nullptr : m_previous.c_str());
}
