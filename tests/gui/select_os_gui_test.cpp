// Page 1 of the real setup.exe under the Windows versions Wine can report: the detected
// system's radio button, "English", the greyed "Back", the focus on "Next", and the ways the
// page ends.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "../../pages/resource.h"
#include "wizard_process.h"

namespace {

const int kOsRadios[] = {IDC_OS_WIN95, IDC_OS_WIN98,   IDC_OS_NT40,  IDC_OS_WIN2000,
                         IDC_OS_WINXP, IDC_OS_WIN2003, IDC_OS_VISTA, IDC_OS_WIN7};

bool Checked(HWND page, int id) { return ::SendDlgItemMessageW(page, id, BM_GETCHECK, 0, 0) == BST_CHECKED; }

struct VersionCase {
    const wchar_t* version;
    int radio;  // 0: none marked
};

// 64-bit Wine reports the NT releases of 32-bit Windows from 2000 on only to 32-bit
// programs, so the 64-bit build of the tests checks the others; the unit tests of the
// classification cover every version on every build.
const VersionCase kVersionCases[] = {
    {L"win95", IDC_OS_WIN95},   {L"win98", IDC_OS_WIN98},     {L"nt40", IDC_OS_NT40},
#ifndef _WIN64
    {L"win2k", IDC_OS_WIN2000}, {L"winxp", IDC_OS_WINXP},     {L"win2003", IDC_OS_WIN2003},
    {L"vista", IDC_OS_VISTA},   {L"win7", IDC_OS_WIN7},
#endif
    {L"win10", 0},
};

TEST(SelectOsGuiTest, MarksTheDetectedSystemAndEnterLeadsOn) {
    for (const VersionCase& c : kVersionCases) {
        SCOPED_TRACE(testing::Message() << "Wine reports "
                                        << std::string(c.version, c.version + wcslen(c.version)));
        ReportedWindowsVersion version(c.version);
        TempDir work;
        WizardProcess wizard(work.path());
        HWND page = wizard.WaitForPage(L"Select OS");
        ASSERT_NE(page, nullptr);

        for (int radio : kOsRadios) EXPECT_EQ(Checked(page, radio), radio == c.radio) << radio;
        EXPECT_TRUE(Checked(page, IDC_LANG_ENGLISH));
        EXPECT_FALSE(Checked(page, IDC_LANG_CHINESE));
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(page, IDC_BACK)));

        HWND focus = FocusedControl(page);
        EXPECT_EQ(focus, ::GetDlgItem(page, IDC_NEXT)) << "the focus is not on Next";
        PressKey(focus ? focus : page, VK_RETURN);
        HWND detail = wizard.WaitForPage(L"Detail Setting");
        EXPECT_NE(detail, nullptr) << "Enter did not lead to page 2";
        if (detail) ClickButton(detail, IDC_CANCEL_BTN);
        EXPECT_TRUE(wizard.WaitForExit());
    }
}

TEST(SelectOsGuiTest, BackDoesNothing) {
    TempDir work;
    WizardProcess wizard(work.path());
    HWND page = wizard.WaitForPage(L"Select OS");
    ASSERT_NE(page, nullptr);
    // Sent, not posted: once it returns the handler has run, even though the button is greyed.
    ::SendMessageW(page, WM_COMMAND, MAKEWPARAM(IDC_BACK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(page, IDC_BACK)));
    EXPECT_TRUE(::IsWindowVisible(page));
    ClickButton(page, IDC_CANCEL_BTN);
    EXPECT_TRUE(wizard.WaitForExit());
}

struct WayOut {
    const char* name;
    void (*act)(HWND page);
};

const WayOut kWaysOut[] = {
    {"Cancel", [](HWND page) { ClickButton(page, IDC_CANCEL_BTN); }},
    {"Esc", [](HWND page) { PressKey(FocusedControl(page), VK_ESCAPE); }},
    {"close box", [](HWND page) { ::PostMessageW(page, WM_SYSCOMMAND, SC_CLOSE, 0); }},
};

// Page 2 would keep the program running: an ended program shows that it never came.
TEST(SelectOsGuiTest, CancelEscAndTheCloseBoxEndTheProgram) {
    for (const WayOut& way : kWaysOut) {
        SCOPED_TRACE(way.name);
        TempDir work;
        WizardProcess wizard(work.path());
        HWND page = wizard.WaitForPage(L"Select OS");
        ASSERT_NE(page, nullptr);
        way.act(page);
        EXPECT_TRUE(wizard.WaitForExit()) << "the program did not end";
    }
}

}  // namespace
