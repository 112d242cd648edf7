// The pages run inside this test program, for what another process cannot see: the system
// menu and the window icons. Each page runs its modal loop on a thread of its own, as the
// wizard runs it; the test looks on from the main thread.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>

#include <cwctype>
#include <string>

#include "../../framework/win_app.h"
#include "../../framework/work_area.h"
#include "../../pages/about_dlg.h"
#include "../../pages/detail_setting_dlg.h"
#include "../../pages/resource.h"
#include "../../pages/select_os_dlg.h"
#include "page_on_thread.h"

namespace {

std::wstring MenuText(HMENU menu, int position) {
    wchar_t text[128] = {};
    ::GetMenuStringW(menu, position, text, 128, MF_BYPOSITION);
    return text;
}

class InProcessPageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // As the program does at start-up: page 1 holds a trackbar.
        ASSERT_TRUE(AfxInitCommonControls());
    }
    static HICON MainFrameIcon() {
        return ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    }
};

TEST_F(InProcessPageTest, DetailPageSystemMenuEndsWithTheAboutEntry) {
    PageOnThread<CDetailSettingDlg> page;
    HWND window = page.WaitForWindow(L"Detail Setting");
    ASSERT_NE(window, nullptr);

    HMENU menu = ::GetSystemMenu(window, FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = ::GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_TRUE(::GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(::GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    EXPECT_EQ(MenuText(menu, count - 1), L"关于 ZILT(&A)...");
    int entries = 0;
    for (int i = 0; i < count; ++i) entries += ::GetMenuItemID(menu, i) == IDM_ABOUTBOX;
    EXPECT_EQ(entries, 1);

    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_CANCEL_BTN, BN_CLICKED), 0);
    EXPECT_EQ(page.WaitForResult(), IDOK);
}

TEST_F(InProcessPageTest, SelectOsPageSystemMenuHasNoAboutEntry) {
    PageOnThread<CSelectOsDlg> page;
    HWND window = page.WaitForWindow(L"Select OS");
    ASSERT_NE(window, nullptr);

    HMENU menu = ::GetSystemMenu(window, FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = ::GetMenuItemCount(menu);
    ASSERT_GT(count, 0) << "no system menu to look at";
    for (int i = 0; i < count; ++i) {
        EXPECT_NE(::GetMenuItemID(menu, i), static_cast<UINT>(IDM_ABOUTBOX)) << i;
        EXPECT_NE(MenuText(menu, i), L"关于 ZILT(&A)...") << i;
    }
    // Nor does it answer the About command.
    ::SendMessageW(window, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    EXPECT_TRUE(::IsWindowEnabled(window));

    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_CANCEL_BTN, BN_CLICKED), 0);
    EXPECT_EQ(page.WaitForResult(), IDCANCEL);
}

TEST_F(InProcessPageTest, DetailPageIconsAreTheMainFrameIcon) {
    PageOnThread<CDetailSettingDlg> page;
    HWND window = page.WaitForWindow(L"Detail Setting");
    ASSERT_NE(window, nullptr);
    const HICON icon = MainFrameIcon();
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(window, WM_GETICON, ICON_BIG, 0)), icon);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(window, WM_GETICON, ICON_SMALL, 0)), icon);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(window, WM_QUERYDRAGICON, 0, 0)), icon);

    // The About box shows the same icon group, owned by the page.
    ::PostMessageW(window, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = page.WaitForWindow(L"关于 ZILT");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(::GetWindow(about, GW_OWNER), window);
    HWND picture = ::GetWindow(about, GW_CHILD);
    EXPECT_NE(::SendMessageW(picture, STM_GETICON, 0, 0), 0);
    ::PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);

    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_CANCEL_BTN, BN_CLICKED), 0);
    EXPECT_EQ(page.WaitForResult(), IDOK);
}

// The manifest names the common controls of version 6, and this program carries the same
// manifest as setup.exe: the comctl32 that the pages use comes from that side-by-side
// assembly. (Wine's copy in the assembly reports 5.x through DllGetVersion, so the
// assembly's folder is what tells here.)
TEST_F(InProcessPageTest, PagesUseTheCommonControlsOfVersion6) {
    HMODULE comctl32 = ::GetModuleHandleW(L"comctl32.dll");
    ASSERT_NE(comctl32, nullptr);
    wchar_t path[MAX_PATH] = {};
    ASSERT_GT(::GetModuleFileNameW(comctl32, path, MAX_PATH), 0u);
    std::wstring lower(path);
    for (wchar_t& c : lower) c = static_cast<wchar_t>(::towlower(c));
    EXPECT_NE(lower.find(L"\\winsxs\\"), std::wstring::npos) << std::string(lower.begin(), lower.end());
    EXPECT_NE(lower.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6.0."), std::wstring::npos)
        << std::string(lower.begin(), lower.end());
    using GetVersionFunction = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
    const auto getVersion = reinterpret_cast<GetVersionFunction>(
        reinterpret_cast<void*>(::GetProcAddress(comctl32, "DllGetVersion")));
    ASSERT_NE(getVersion, nullptr);
    DLLVERSIONINFO version{};
    version.cbSize = sizeof version;
    EXPECT_EQ(getVersion(&version), S_OK);
}

// The About box draws its icon at the system's icon size.
TEST_F(InProcessPageTest, AboutBoxIconHasTheSystemIconSize) {
    PageOnThread<CAboutDlg> about;
    HWND window = about.WaitForWindow(L"关于 ZILT");
    ASSERT_NE(window, nullptr);
    HWND iconControl = ::GetWindow(window, GW_CHILD);  // the template's first control
    ASSERT_NE(iconControl, nullptr);
    HICON icon = reinterpret_cast<HICON>(::SendMessageW(iconControl, STM_GETICON, 0, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon, &info));
    BITMAP colour{};
    ::GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, ::GetSystemMetrics(SM_CXICON));
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    ::PostMessageW(window, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(about.WaitForResult(), IDOK);
}

// Windows NT 4.0 has no monitor functions; its one monitor's work area, from the system
// parameters, is the same area the monitor functions give on a one-monitor display.
TEST_F(InProcessPageTest, WorkAreaWithoutMonitorFunctionsIsThePrimaryMonitors) {
    RECT fallback{}, monitor{};
    ASSERT_TRUE(AfxGetPrimaryWorkArea(fallback));
    ASSERT_TRUE(AfxGetWorkArea(::GetDesktopWindow(), monitor));
    EXPECT_TRUE(::EqualRect(&fallback, &monitor));
    EXPECT_GT(fallback.right - fallback.left, 0);
}

}  // namespace
