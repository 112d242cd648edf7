// The page sequence of the real setup.exe: Next, Back and Cancel move between the pages
// and end the program.
#include <gtest/gtest.h>

#include "../../pages/resource.h"
#include "wizard_process.h"

namespace {

TEST(PageSequenceGuiTest, NextBackAndCancel) {
    TempDir work;
    WizardProcess wizard(work.path());
    ASSERT_TRUE(wizard.started());

    HWND selectOs = wizard.WaitForPage(L"Select OS");
    ASSERT_NE(selectOs, nullptr) << "page 1 did not open";
    ClickButton(selectOs, IDC_NEXT);

    HWND detail = wizard.WaitForPage(L"Detail Setting");
    ASSERT_NE(detail, nullptr) << "Next did not lead to page 2";
    EXPECT_FALSE(::IsWindow(selectOs)) << "page 1 stays open under page 2";
    ClickButton(detail, IDC_BACK);

    HWND selectOsAgain = wizard.WaitForPage(L"Select OS");
    ASSERT_NE(selectOsAgain, nullptr) << "Back did not return to page 1";
    EXPECT_FALSE(::IsWindow(detail));
    ClickButton(selectOsAgain, IDC_CANCEL_BTN);

    DWORD exitCode = 0;
    EXPECT_TRUE(wizard.WaitForExit(15000, &exitCode)) << "Cancel on page 1 did not end the program";
    EXPECT_EQ(exitCode, 1602u) << "nothing was installed";
}

TEST(PageSequenceGuiTest, CancelOnPageTwoEndsTheProgram) {
    TempDir work;
    WizardProcess wizard(work.path());
    HWND detail = wizard.OpenDetailSetting();
    ASSERT_NE(detail, nullptr);
    ClickButton(detail, IDC_CANCEL_BTN);
    DWORD exitCode = 0;
    EXPECT_TRUE(wizard.WaitForExit(15000, &exitCode)) << "Cancel on page 2 did not end the program";
    EXPECT_EQ(exitCode, 1602u) << "nothing was installed";
    EXPECT_EQ(wizard.WaitForPage(L"Select OS", nullptr, 0), nullptr);
}

}  // namespace
