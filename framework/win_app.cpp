#include "framework/win_app.h"

#include <commctrl.h>

#include <cwchar>

#include "platform/win32/system_dll.h"

namespace {
// Set by the one application object while it exists.
CWinApp* s_app = nullptr;
}  // namespace

CWinApp::CWinApp(const wchar_t* appName) : m_givenName(appName) { s_app = this; }

CWinApp::~CWinApp() {
    if (s_app == this) s_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return m_nExitCode; }

void CWinApp::OnHelp() {}

BOOL CWinApp::Enable3dControlsStatic() { return TRUE; }

void CWinApp::SetNames(HINSTANCE instance) {
    m_hInstance = instance;
    if (m_givenName) {
        m_pszAppName = m_givenName;
        return;
    }
    wchar_t path[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameW(instance, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) path[0] = L'\0';
    const wchar_t* name = path;
    for (const wchar_t* p = path; *p; ++p)
        if (*p == L'\\' || *p == L'/' || *p == L':') name = p + 1;
    std::wcsncpy(m_moduleName, name, MAX_PATH - 1);
    if (wchar_t* dot = std::wcsrchr(m_moduleName, L'.')) *dot = L'\0';
    m_pszAppName = m_moduleName;
}

CWinApp* AfxGetApp() { return s_app; }

HINSTANCE AfxGetInstanceHandle() { return s_app ? s_app->m_hInstance : ::GetModuleHandleW(nullptr); }

const wchar_t* AfxGetAppName() { return s_app && s_app->m_pszAppName ? s_app->m_pszAppName : L""; }

void AfxEnableControlContainer() {}

BOOL AfxInitCommonControls() {
    HMODULE comctl32 = LoadCommonControls();
    if (!comctl32) return FALSE;
    // InitCommonControlsEx came with comctl32 4.70; the older InitCommonControls registers
    // every class, the trackbar among them.
    using InitExFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    using InitFunction = void(WINAPI*)();
    const auto initEx = SystemFunction<InitExFunction>(comctl32, "InitCommonControlsEx");
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    if (initEx && initEx(&controls)) return TRUE;
    const auto init = SystemFunction<InitFunction>(comctl32, "InitCommonControls");
    if (!init) return FALSE;
    init();
    return TRUE;
}

int AfxWinMain(HINSTANCE instance) {
    CWinApp* app = AfxGetApp();
    if (!app) return 1;
    app->SetNames(instance);

    // Before anything can load a DLL: no DLL from the current directory.
    RestrictDllSearch();
    app->InitInstance();
    return app->ExitInstance();
}
