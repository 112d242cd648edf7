// The application object. The program defines exactly one, as a global; the entry point
// finds it, calls InitInstance once and then ExitInstance. The wizard has no main window,
// so there is no message loop of the application's own: each page runs its modal loop.
#pragma once

#include "framework/cmd_target.h"

class CWinApp : public CCmdTarget {
public:
    // Without a name the application is named after its executable, without the extension.
    explicit CWinApp(const wchar_t* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    // Its result is the process's exit status: m_nExitCode, unless a derived class decides.
    virtual int ExitInstance();

    // The standard Help command. The wizard has no help file of its own, so nothing opens.
    void OnHelp();

    HINSTANCE m_hInstance = nullptr;
    const wchar_t* m_pszAppName = nullptr;

protected:
    // What ExitInstance returns; the application sets it before InitInstance returns.
    int m_nExitCode = 0;

    // Kept for the shape of the start-up; controls look three-dimensional on every Windows
    // this program runs on.
    BOOL Enable3dControlsStatic();

private:
    friend int AfxWinMain(HINSTANCE instance);
    void SetNames(HINSTANCE instance);

    const wchar_t* m_givenName;
    wchar_t m_moduleName[MAX_PATH] = {};
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
const wchar_t* AfxGetAppName();

// Hosting ActiveX controls in dialogs; no dialog of this program holds one.
void AfxEnableControlContainer();

// Loads the common controls (never from the program's folder or the current directory) and
// registers their window classes. The pages use the trackbar class, and a page whose class
// is missing fails to show. FALSE when comctl32 or its registration cannot be had.
BOOL AfxInitCommonControls();

int AfxWinMain(HINSTANCE instance);

#ifndef ID_HELP
#define ID_HELP 0xE146
#endif
