// Drives the real setup.exe from a test: starts it in a folder of the test's choosing,
// finds its pages by title, acts on their controls and waits (always for a bounded time)
// for it to end.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// setup.exe, which the build puts beside the test program.
std::wstring SetupExePath();

// A fresh folder under %TEMP%, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::wstring& path() const { return m_path; }

private:
    std::wstring m_path;
};

class WizardProcess {
public:
    // Starts setup.exe (or a copy of it elsewhere) with workDir as its current directory,
    // and the arguments after the program's quoted name on its command line.
    explicit WizardProcess(const std::wstring& workDir, const std::wstring& exe = SetupExePath(),
                           const std::wstring& arguments = L"");
    // Ends the process if it is still running.
    ~WizardProcess();
    WizardProcess(const WizardProcess&) = delete;
    WizardProcess& operator=(const WizardProcess&) = delete;

    bool started() const { return m_info.hProcess != nullptr; }

    // The visible top-level window of this process with the title, other than `previous`;
    // null if none appears within the time.
    HWND WaitForPage(const wchar_t* title, HWND previous = nullptr, DWORD timeoutMs = 15000) const;

    // Goes from "Select OS" on to "Detail Setting" with "Next"; the page, or null if either
    // page does not appear.
    HWND OpenDetailSetting() const;

    // True when the process has ended within the time; its exit code goes to exitCode.
    bool WaitForExit(DWORD timeoutMs = 15000, DWORD* exitCode = nullptr) const;

    // Waits for the process to end, looking all the while for a visible top-level window
    // of it; the title of the first one seen goes to window. True when it ended in time.
    bool WaitForExitWatchingWindows(DWORD timeoutMs, DWORD* exitCode, std::wstring* window) const;

    DWORD pid() const { return m_info.dwProcessId; }

private:
    PROCESS_INFORMATION m_info{};
};

// True once the window is hidden or destroyed within the time.
bool WaitUntilGone(HWND window, DWORD timeoutMs = 15000);

// Presses a push button as the user would, without waiting for its handler.
void ClickButton(HWND dialog, int id);

// The text of a window of another process (WM_GETTEXT crosses processes; GetWindowText
// gives only captions there).
std::wstring WindowText(HWND window);

// The control that has the keyboard focus in the thread of the page; null if none.
HWND FocusedControl(HWND page);

// A key pressed on a control, as the keyboard delivers it: posted, so that it passes the
// page's modal loop and its dialog-message handling.
void PressKey(HWND control, UINT virtualKey);

// Chooses a row of a drop-down list as the user does: the selection, then the notification
// to the page. Sent, so the page has handled it on return.
void ChooseListRow(HWND page, int listId, int row);

// The items of a combo box, in order, and its selected position (-1 for none).
std::vector<std::wstring> ListItems(HWND list);
int SelectedRow(HWND list);

// The child windows of a dialog in creation order, which is the template's order.
std::vector<HWND> ChildWindows(HWND dialog);

// Copies the build's sample driver package (placeholder files) into workDir\win2k, so
// that an installation started by mistake would find every file it needs.
bool CopySamplePackage(const std::wstring& workDir);

// The Windows version Wine reports to setup.exe ("winxp", "win7", ...); empty for Wine's
// default.
void SetReportedWindowsVersion(const wchar_t* version);

// Wine's DLL load order for the programs started while the object lives: the overrides
// given ("comctl32,winspool.drv=n,b" asks for a DLL beside the program before the system's,
// as Windows searches; "=d" makes it missing), after those already in force.
class DllOverrides {
public:
    explicit DllOverrides(const wchar_t* overrides);
    ~DllOverrides();
    DllOverrides(const DllOverrides&) = delete;
    DllOverrides& operator=(const DllOverrides&) = delete;

private:
    std::wstring m_previous;
};

// Sets the reported version for the lifetime of the object and puts Wine's default back.
class ReportedWindowsVersion {
public:
    explicit ReportedWindowsVersion(const wchar_t* version) { SetReportedWindowsVersion(version); }
    ~ReportedWindowsVersion() { SetReportedWindowsVersion(nullptr); }
    ReportedWindowsVersion(const ReportedWindowsVersion&) = delete;
    ReportedWindowsVersion& operator=(const ReportedWindowsVersion&) = delete;
};
