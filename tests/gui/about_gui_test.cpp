// The About box of the real setup.exe, opened by the system commands of page 2's About
// entry: what it shows, that page 2 waits while it is open, and that closing it, by any
// way, leaves page 2 as it was.
#include <gtest/gtest.h>

#include "../../pages/resource.h"
#include "detail_state.h"
#include "wizard_process.h"

namespace {

struct AboutCase {
    UINT command;  // the low four bits are Windows' own and do not count
    const char* closedBy;
    void (*close)(HWND about);
};

const AboutCase kCases[] = {
    {0x0010, "确定", [](HWND about) { ClickButton(about, IDOK); }},
    {0x001F, "Esc", [](HWND about) { PressKey(FocusedControl(about), VK_ESCAPE); }},
    {0x0013, "Enter", [](HWND about) { PressKey(FocusedControl(about), VK_RETURN); }},
    {0x0010, "close box", [](HWND about) { ::PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0); }},
};

TEST(AboutBoxGuiTest, OpensFromTheSystemCommandsAndLeavesThePageAsItWas) {
    for (const AboutCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << "command 0x" << std::hex << c.command << ", closed by "
                                        << c.closedBy);
        TempDir work;
        WizardProcess wizard(work.path());
        HWND page = wizard.OpenDetailSetting();
        ASSERT_NE(page, nullptr);

        ChooseListRow(page, IDC_MODULE, 2);
        ChooseListRow(page, IDC_PORT, 5);
        ChooseListRow(page, IDC_BAUDRATE, 7);
        ::SendDlgItemMessageW(page, IDC_SET_DEFAULT, BM_SETCHECK, BST_CHECKED, 0);
        const DetailState before = ReadDetailState(page);

        ::PostMessageW(page, WM_SYSCOMMAND, c.command, 0);
        HWND about = wizard.WaitForPage(L"关于 ZILT");
        ASSERT_NE(about, nullptr) << "no About box";
        const std::vector<HWND> controls = ChildWindows(about);
        ASSERT_EQ(controls.size(), 4u);
        EXPECT_EQ(WindowText(controls[1]), L"ZILT 1.0 版");
        EXPECT_EQ(WindowText(::GetDlgItem(about, IDOK)), L"确定");
        EXPECT_EQ(::GetWindow(about, GW_OWNER), page);
        EXPECT_FALSE(::IsWindowEnabled(page)) << "page 2 can be used while the About box is open";

        c.close(about);
        ASSERT_TRUE(WaitUntilGone(about)) << "the About box did not close";
        EXPECT_TRUE(::IsWindowVisible(page));
        EXPECT_TRUE(::IsWindowEnabled(page));
        EXPECT_EQ(ReadDetailState(page), before);

        ClickButton(page, IDC_CANCEL_BTN);
        EXPECT_TRUE(wizard.WaitForExit());
    }
}

}  // namespace
