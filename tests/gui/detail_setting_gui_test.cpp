// Page 2 of the real setup.exe: what it shows when it opens, what the model and port lists
// change, Back and Next, and the ways out that end the wizard without installing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../engine/catalogue.h"
#include "../../pages/resource.h"
#include "detail_state.h"
#include "finish_fixture.h"
#include "install_trace.h"
#include "wizard_process.h"

namespace {

// The system Wine reports to the wizard in these tests, and the radio button page 1 marks
// for it. 64-bit Wine reports the NT releases of 32-bit Windows from 2000 on only to
// 32-bit programs; the 64-bit build of the tests reports Windows NT 4.0.
#ifdef _WIN64
constexpr const wchar_t* kReportedSystem = L"nt40";
constexpr int kReportedSystemRadio = IDC_OS_NT40;
#else
constexpr const wchar_t* kReportedSystem = L"winxp";
constexpr int kReportedSystemRadio = IDC_OS_WINXP;
#endif

std::vector<std::wstring> Wide(std::initializer_list<const char*> texts) {
    std::vector<std::wstring> out;
    for (const char* text : texts) out.emplace_back(text, text + std::char_traits<char>::length(text));
    return out;
}

template <size_t N>
std::vector<std::wstring> Wide(const char* const (&table)[N]) {
    std::vector<std::wstring> out;
    for (const char* text : table) out.emplace_back(text, text + std::char_traits<char>::length(text));
    return out;
}

std::wstring SelectedText(HWND page, int list) {
    HWND control = ::GetDlgItem(page, list);
    const int row = SelectedRow(control);
    const std::vector<std::wstring> items = ListItems(control);
    return row >= 0 && static_cast<size_t>(row) < items.size() ? items[row] : L"(none)";
}

// Starts the wizard and goes on to page 2.
class DetailPageGuiTest : public ::testing::Test {
protected:
    DetailPageGuiTest() : m_version(kReportedSystem), m_wizard(m_work.path()) {}

    void CancelWizard(HWND page) {
        ClickButton(page, IDC_CANCEL_BTN);
        EXPECT_TRUE(m_wizard.WaitForExit());
    }

    TempDir m_work;
    ReportedWindowsVersion m_version;
    WizardProcess m_wizard;
};

TEST_F(DetailPageGuiTest, OpensWithItsInitialState) {
    HWND page = m_wizard.OpenDetailSetting();
    ASSERT_NE(page, nullptr);

    const std::vector<std::wstring> models = ListItems(::GetDlgItem(page, IDC_MODULE));
    ASSERT_EQ(models.size(), kModelCount);
    for (size_t row = 0; row < models.size(); ++row) {
        EXPECT_EQ(models[row].size(), 17u) << "model " << row;
        EXPECT_EQ(models[row], ModelText(row)) << "model " << row;
    }
    const std::wstring name = WindowText(::GetDlgItem(page, IDC_PRINTER_NAME));
    EXPECT_EQ(name.size(), 18u);
    EXPECT_EQ(name, InitialName());
    EXPECT_NE(name, models[0]) << "the name field shows model 0 instead of the initial text";

    // The port items are the catalogue's port names without their colon; the serial lists
    // hold their tables' rows in order.
    const std::vector<std::wstring> ports = ListItems(::GetDlgItem(page, IDC_PORT));
    ASSERT_EQ(ports.size(), kPortCount);
    for (size_t row = 0; row < ports.size(); ++row)
        EXPECT_EQ(ports[row] + L":", Wide(PortTable)[row]) << "port " << row;
    EXPECT_EQ(ListItems(::GetDlgItem(page, IDC_BAUDRATE)), Wide(BaudRateTable));
    EXPECT_EQ(ListItems(::GetDlgItem(page, IDC_BYTESIZE)), Wide(ByteSizeTable));
    EXPECT_EQ(ListItems(::GetDlgItem(page, IDC_STOPBITS)), Wide(StopBitsTable));
    EXPECT_EQ(ListItems(::GetDlgItem(page, IDC_PARITY)), Wide({"Even", "Mark", "None", "Odd", "Space"}));
    EXPECT_EQ(ListItems(::GetDlgItem(page, IDC_FLOWCONTROL)), Wide({"None", "XonXoff", "Hardware"}));

    EXPECT_EQ(ReadDetailState(page), InitialDetailState());
    EXPECT_EQ(SelectedText(page, IDC_PORT), L"LPT1");
    EXPECT_EQ(SelectedText(page, IDC_BAUDRATE), L"19200");
    EXPECT_EQ(SelectedText(page, IDC_BYTESIZE), L"8");
    EXPECT_EQ(SelectedText(page, IDC_STOPBITS), L"1");
    EXPECT_EQ(SelectedText(page, IDC_PARITY), L"None");
    EXPECT_EQ(SelectedText(page, IDC_FLOWCONTROL), L"Hardware");
    EXPECT_EQ(FocusedControl(page), ::GetDlgItem(page, IDC_MODULE));

    // The name field is for showing only: typing into it changes nothing.
    HWND nameField = ::GetDlgItem(page, IDC_PRINTER_NAME);
    ::SendMessageW(nameField, WM_CHAR, L'x', 0);
    ::SendMessageW(nameField, WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_EQ(WindowText(nameField), name);

    CancelWizard(page);
}

TEST_F(DetailPageGuiTest, ChoosingAModelShowsItsText) {
    HWND page = m_wizard.OpenDetailSetting();
    ASSERT_NE(page, nullptr);
    HWND nameField = ::GetDlgItem(page, IDC_PRINTER_NAME);
    for (size_t row : {3u, 1u, 7u, 0u, 6u, 2u, 5u, 4u}) {
        ChooseListRow(page, IDC_MODULE, static_cast<int>(row));
        EXPECT_EQ(WindowText(nameField), ModelText(row)) << "model " << row;
    }
    // No selection leaves the field as it was.
    ChooseListRow(page, IDC_MODULE, -1);
    EXPECT_EQ(WindowText(nameField), ModelText(4));
    CancelWizard(page);
}

TEST_F(DetailPageGuiTest, ComPortsEnableTheSerialListsAndKeepTheirSelections) {
    HWND page = m_wizard.OpenDetailSetting();
    ASSERT_NE(page, nullptr);
    struct Step {
        int portRow;  // -1: no selection
        bool enabled;
    };
    const Step steps[] = {{3, true}, {1, false}, {6, true}, {0, false}, {4, true},
                          {2, false}, {5, true}, {-1, false}};
    bool changedSelections = false;
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << "port row " << step.portRow);
        ChooseListRow(page, IDC_PORT, step.portRow);
        const DetailState state = ReadDetailState(page);
        for (size_t i = 0; i < kSerialLists.size(); ++i) EXPECT_EQ(state.serialEnabled[i], step.enabled);
        if (changedSelections) {
            EXPECT_EQ(state.serialRows, (std::array<int, 5>{4, 2, 1, 4, 0})) << "selections lost";
        }
        if (step.enabled && !changedSelections) {
            // The user picks other serial settings while the lists are enabled: 9600, 7, 1.5,
            // Space, None. Disabling and enabling again must keep them.
            const int rows[] = {4, 2, 1, 4, 0};
            for (size_t i = 0; i < kSerialLists.size(); ++i) ChooseListRow(page, kSerialLists[i], rows[i]);
            changedSelections = true;
        }
    }
    CancelWizard(page);
}

TEST_F(DetailPageGuiTest, BackAndNextOpenBothPagesAfresh) {
    HWND selectOs = m_wizard.WaitForPage(L"Select OS");
    ASSERT_NE(selectOs, nullptr);
    // The user clicks another system; the mark is for show and does not survive the page.
    ::SendDlgItemMessageW(selectOs, IDC_OS_WIN2000, BM_CLICK, 0, 0);
    ASSERT_EQ(::SendDlgItemMessageW(selectOs, IDC_OS_WIN2000, BM_GETCHECK, 0, 0), BST_CHECKED);
    ClickButton(selectOs, IDC_NEXT);
    HWND page = m_wizard.WaitForPage(L"Detail Setting");
    ASSERT_NE(page, nullptr);

    ChooseListRow(page, IDC_MODULE, 3);
    ChooseListRow(page, IDC_PORT, 4);
    ChooseListRow(page, IDC_BAUDRATE, 8);
    ::SendDlgItemMessageW(page, IDC_SET_DEFAULT, BM_CLICK, 0, 0);
    ASSERT_NE(ReadDetailState(page), InitialDetailState());
    ClickButton(page, IDC_BACK);

    HWND selectOsAgain = m_wizard.WaitForPage(L"Select OS");
    ASSERT_NE(selectOsAgain, nullptr) << "Back did not return to page 1";
    EXPECT_EQ(::SendDlgItemMessageW(selectOsAgain, kReportedSystemRadio, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(::SendDlgItemMessageW(selectOsAgain, IDC_OS_WIN2000, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    ClickButton(selectOsAgain, IDC_NEXT);

    HWND pageAgain = m_wizard.WaitForPage(L"Detail Setting");
    ASSERT_NE(pageAgain, nullptr);
    EXPECT_EQ(ReadDetailState(pageAgain), InitialDetailState());
    CancelWizard(pageAgain);
}

struct WayOut {
    const char* name;
    const wchar_t* version;
    int focusId;  // the control that has the focus when the user acts
    void (*act)(HWND page);
    DWORD exitCode;  // 1602: ended without Finish; 1633: Finish off the NT family
    const wchar_t* message;  // what the wizard says before it ends, if anything
};

const wchar_t kUnsupportedWindows[] = L"错误：此 Windows 版本不受支持，未安装打印机";

void PressEnter(HWND page) { PressKey(FocusedControl(page), VK_RETURN); }

const WayOut kWaysOut[] = {
    {"Cancel", L"winxp", IDC_MODULE, [](HWND page) { ClickButton(page, IDC_CANCEL_BTN); }, 1602, nullptr},
    {"Esc", L"winxp", IDC_MODULE, [](HWND page) { PressKey(FocusedControl(page), VK_ESCAPE); }, 1602, nullptr},
    {"close box", L"winxp", IDC_MODULE, [](HWND page) { ::PostMessageW(page, WM_SYSCOMMAND, SC_CLOSE, 0); }, 1602, nullptr},
    {"Enter on the model list", L"winxp", IDC_MODULE, PressEnter, 1602, nullptr},
    {"Enter on the check box", L"win7", IDC_SET_DEFAULT, PressEnter, 1602, nullptr},
    {"Enter on the name field", L"winxp", IDC_PRINTER_NAME, PressEnter, 1602, nullptr},
    {"Enter on the port list", L"nt40", IDC_PORT, PressEnter, 1602, nullptr},
    // Off the NT family even Finish installs nothing, and says so.
    {"Finish on Windows 98", L"win98", IDC_MODULE, [](HWND page) { ClickButton(page, IDC_FINISH); }, 1633, kUnsupportedWindows},
    {"Finish on Windows 10", L"win10", IDC_MODULE, [](HWND page) { ClickButton(page, IDC_FINISH); }, 1633, kUnsupportedWindows},
};

TEST(DetailPageWaysOutGuiTest, EndTheWizardWithoutInstalling) {
    for (const WayOut& way : kWaysOut) {
        SCOPED_TRACE(way.name);
        ReportedWindowsVersion version(way.version);
        TempDir work;
        ASSERT_TRUE(CopySamplePackage(work.path()));
        const InstallTrace before = TakeInstallTrace();

        WizardProcess wizard(work.path());
        HWND page = wizard.OpenDetailSetting();
        ASSERT_NE(page, nullptr);
        // A COM port and a ticked box, so that an installation would leave every trace.
        ChooseListRow(page, IDC_PORT, 3);
        ::SendDlgItemMessageW(page, IDC_SET_DEFAULT, BM_SETCHECK, BST_CHECKED, 0);
        ::SendMessageW(page, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(page, way.focusId)), TRUE);
        ASSERT_EQ(FocusedControl(page), ::GetDlgItem(page, way.focusId));
        way.act(page);

        if (way.message) {
            HWND box = wizard.WaitForPage(L"setup", page);
            ASSERT_NE(box, nullptr) << "no message";
            EXPECT_EQ(MessageBoxText(box), way.message);
            EXPECT_FALSE(wizard.WaitForExit(0)) << "the wizard ended before the message was dismissed";
            ClickButton(box, IDOK);
        }
        DWORD exitCode = 0;
        EXPECT_TRUE(wizard.WaitForExit(15000, &exitCode)) << "the wizard did not end";
        EXPECT_EQ(exitCode, way.exitCode);
        EXPECT_TRUE(TakeInstallTrace() == before) << "something was installed";
    }
}

}  // namespace
