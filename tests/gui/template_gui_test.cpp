// The three dialogs of the real setup.exe: their templates, list items, string, icon and
// manifest as the executable holds them, and the windows as they stand once shown.
#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <iterator>
#include <string>

#include "../../framework/dialog_init_data.h"
#include "../../pages/resource.h"
#include "detail_state.h"
#include "dialog_resource.h"
#include "driver_package.h"
#include "expected_pages.h"
#include "wizard_process.h"

namespace {

bool SameClass(const std::wstring& actual, const wchar_t* expected) {
    return _wcsicmp(actual.c_str(), expected) == 0;
}

const ExpectedDialog* const kDialogs[] = {&SelectOsDialog(), &DetailSettingDialog(), &AboutDialog()};

TEST(DialogTemplateGuiTest, TemplatesHoldTheControlsInOrder) {
    ResourceModule setup(SetupExePath());
    ASSERT_NE(setup.get(), nullptr);
    for (const ExpectedDialog* expected : kDialogs) {
        SCOPED_TRACE(testing::Message() << "template " << expected->templateId);
        DialogResource dialog;
        ASSERT_TRUE(ReadDialogResource(setup.get(), expected->templateId, kResourceLanguage, dialog))
            << "missing or malformed in Chinese (PRC)";
        EXPECT_EQ(dialog.extended, expected->extended);
        EXPECT_EQ(dialog.style, expected->style);
        EXPECT_EQ(dialog.exStyle, expected->exStyle);
        EXPECT_EQ(dialog.x, 0);
        EXPECT_EQ(dialog.y, 0);
        EXPECT_EQ(dialog.cx, expected->cx);
        EXPECT_EQ(dialog.cy, expected->cy);
        EXPECT_FALSE(dialog.hasMenu);
        EXPECT_FALSE(dialog.hasClass);
        EXPECT_EQ(dialog.title, expected->title);
        EXPECT_EQ(dialog.pointSize, 9);
        EXPECT_EQ(dialog.typeface, L"宋体");
        if (dialog.extended) {
            EXPECT_EQ(dialog.weight, 0);
            EXPECT_EQ(dialog.italic, 0);
            EXPECT_EQ(dialog.charset, DEFAULT_CHARSET);
        }

        ASSERT_EQ(dialog.items.size(), expected->controls.size());
        for (size_t i = 0; i < dialog.items.size(); ++i) {
            const DialogItem& item = dialog.items[i];
            const ExpectedControl& want = expected->controls[i];
            SCOPED_TRACE(testing::Message() << "control #" << i + 1);
            const DWORD wantId = dialog.extended ? static_cast<DWORD>(want.id)
                                                 : static_cast<WORD>(want.id);
            EXPECT_EQ(item.id, wantId);
            EXPECT_TRUE(SameClass(item.className, want.className)) << Narrow(item.className);
            if (want.text) {
                EXPECT_EQ(item.text, want.text);
            } else {
                EXPECT_EQ(item.textOrdinal, IDR_MAINFRAME) << "the icon, by its resource number";
            }
            EXPECT_EQ(item.style, want.style) << std::hex << item.style;
            EXPECT_EQ(item.exStyle, 0u);
            EXPECT_EQ(item.helpId, 0u);
            EXPECT_EQ(item.x, want.x);
            EXPECT_EQ(item.y, want.y);
            EXPECT_EQ(item.cx, want.cx);
            EXPECT_EQ(item.cy, want.cy);
        }
    }
}

TEST(DialogTemplateGuiTest, InitDataAddsThePortAndSerialItemsInOrder) {
    struct Item {
        int list;
        const char* text;
    };
    const Item expected[] = {
        {IDC_PORT, "LPT1"}, {IDC_PORT, "LPT2"}, {IDC_PORT, "LPT3"}, {IDC_PORT, "COM1"},
        {IDC_PORT, "COM2"}, {IDC_PORT, "COM3"}, {IDC_PORT, "COM4"},
        {IDC_BAUDRATE, "300"}, {IDC_BAUDRATE, "1200"}, {IDC_BAUDRATE, "2400"},
        {IDC_BAUDRATE, "4800"}, {IDC_BAUDRATE, "9600"}, {IDC_BAUDRATE, "19200"},
        {IDC_BAUDRATE, "38400"}, {IDC_BAUDRATE, "57600"}, {IDC_BAUDRATE, "115200"},
        {IDC_BYTESIZE, "5"}, {IDC_BYTESIZE, "6"}, {IDC_BYTESIZE, "7"}, {IDC_BYTESIZE, "8"},
        {IDC_FLOWCONTROL, "None"}, {IDC_FLOWCONTROL, "XonXoff"}, {IDC_FLOWCONTROL, "Hardware"},
        {IDC_PARITY, "Even"}, {IDC_PARITY, "Mark"}, {IDC_PARITY, "None"}, {IDC_PARITY, "Odd"},
        {IDC_PARITY, "Space"},
        {IDC_STOPBITS, "1"}, {IDC_STOPBITS, "1.5"}, {IDC_STOPBITS, "2"},
    };
    ResourceModule setup(SetupExePath());
    const auto bytes = ResourceBytes(setup.get(), MAKEINTRESOURCEW(kDlgInitResourceType),
                                     IDD_DETAIL_SETTING, kResourceLanguage);
    ASSERT_FALSE(bytes.empty());
    // Every record is an add-string as the resource compiler writes it, and a zero word ends
    // the list right after the last one.
    DialogInitReader reader(bytes.data(), bytes.size());
    DialogInitItem item;
    size_t i = 0;
    size_t end = 0;
    for (; reader.Next(item); ++i) {
        ASSERT_LT(i, std::size(expected)) << "more items than the lists have";
        EXPECT_EQ(item.controlId, expected[i].list) << "item " << i;
        EXPECT_EQ(item.message, kCbAddString) << "item " << i;
        EXPECT_STREQ(item.text, expected[i].text) << "item " << i;
        const size_t offset = static_cast<size_t>(reinterpret_cast<const unsigned char*>(item.text) - bytes.data());
        EXPECT_EQ(bytes[offset - 6], 0x03) << "item " << i;  // 0x0403, low byte first
        EXPECT_EQ(bytes[offset - 5], 0x04) << "item " << i;
        end = offset + std::strlen(item.text) + 1;
    }
    EXPECT_EQ(i, std::size(expected));
    ASSERT_GE(bytes.size(), end + 2);
    EXPECT_EQ(bytes[end], 0);
    EXPECT_EQ(bytes[end + 1], 0);
}

TEST(DialogTemplateGuiTest, AboutTextIconAndManifest) {
    ResourceModule setup(SetupExePath());

    // Strings are stored sixteen to a block, each behind its length.
    const auto block = ResourceBytes(setup.get(), MAKEINTRESOURCEW(6) /* RT_STRING */, IDS_ABOUTBOX / 16 + 1, kResourceLanguage);
    ASSERT_FALSE(block.empty());
    size_t offset = 0;
    for (int i = 0; i < IDS_ABOUTBOX % 16; ++i)
        offset += 2 + 2 * (block[offset] | (block[offset + 1] << 8));
    const size_t length = block[offset] | (block[offset + 1] << 8);
    std::wstring about(reinterpret_cast<const wchar_t*>(&block[offset + 2]), length);
    EXPECT_EQ(about, L"关于 ZILT(&A)...");

    // The icon group: a 32 x 32 and a 16 x 16 image of 16 colours.
    const auto group = ResourceBytes(setup.get(), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, IDR_MAINFRAME, kResourceLanguage);
    ASSERT_GE(group.size(), 6u + 2 * 14);
    ASSERT_EQ(group[4], 2) << "images in the group";
    for (int i = 0; i < 2; ++i) {
        const unsigned char* entry = &group[6 + 14 * i];
        const int size = i == 0 ? 32 : 16;
        EXPECT_EQ(entry[0], size);
        EXPECT_EQ(entry[1], size);
        EXPECT_EQ(entry[2], 16) << "colours";
        EXPECT_EQ(entry[6], 4) << "bits per pixel";
    }

    const auto manifest = ResourceBytes(setup.get(), MAKEINTRESOURCEW(24) /* RT_MANIFEST */, 1, kResourceLanguage);
    const std::string text(manifest.begin(), manifest.end());
    EXPECT_NE(text.find("level=\"requireAdministrator\""), std::string::npos);
    EXPECT_NE(text.find("{e2011457-1546-43c5-a5fe-008deee3d3f0}"), std::string::npos) << "Vista";
    EXPECT_NE(text.find("{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"), std::string::npos) << "7";
}

// Bits that the dialog manager and the controls change once a window exists: a marked radio
// button gains WS_TABSTOP, a combo box loses WS_VSCROLL, an edit control trades WS_BORDER for
// a client edge, and the focused push button may become the default one.
DWORD LiveStyleMask(const ExpectedControl& control) {
    DWORD mask = WS_DISABLED;  // compared on its own, with the state the page opens in
    const DWORD type = control.style & BS_TYPEMASK;
    if (SameClass(control.className, L"Button") && type == BS_AUTORADIOBUTTON) mask |= WS_TABSTOP;
    if (SameClass(control.className, L"Button") && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON))
        mask |= BS_DEFPUSHBUTTON;
    if (SameClass(control.className, L"ComboBox")) mask |= WS_VSCROLL;
    if (SameClass(control.className, L"Edit")) mask |= WS_BORDER;
    return mask;
}

// The shown window: its title, its place in the middle of the screen, and its controls in
// template order with their IDs, classes, texts, styles, visibility and enabled state.
// `disabledByPage` are the controls the page itself disables when it opens.
void ExpectShownAsTemplate(HWND window, const ExpectedDialog& expected,
                           std::initializer_list<int> disabledByPage = {}) {
    EXPECT_EQ(WindowText(window), expected.title);

    RECT place, work;
    ::GetWindowRect(window, &place);
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const long width = place.right - place.left, height = place.bottom - place.top;
    EXPECT_NEAR(place.left, work.left + (work.right - work.left - width) / 2, 1) << "not centred";
    EXPECT_NEAR(place.top, work.top + (work.bottom - work.top - height) / 2, 1) << "not centred";

    const std::vector<HWND> children = ChildWindows(window);
    ASSERT_EQ(children.size(), expected.controls.size());
    for (size_t i = 0; i < children.size(); ++i) {
        HWND child = children[i];
        const ExpectedControl& want = expected.controls[i];
        SCOPED_TRACE(testing::Message() << "control #" << i + 1 << " (" << want.id << ")");
        EXPECT_EQ(static_cast<WORD>(::GetDlgCtrlID(child)), static_cast<WORD>(want.id));
        wchar_t className[64] = {};
        ::GetClassNameW(child, className, 64);
        EXPECT_TRUE(SameClass(className, want.className)) << Narrow(className);
        // A list shows its selection and the name field its text; the rest show the template's.
        if (want.text && *want.text) {
            EXPECT_EQ(WindowText(child), want.text);
        }

        const DWORD style = static_cast<DWORD>(::GetWindowLongW(child, GWL_STYLE));
        const DWORD mask = LiveStyleMask(want);
        EXPECT_EQ(style & ~mask, want.style & ~mask) << std::hex << style;
        EXPECT_EQ(::IsWindowVisible(child) != FALSE, (want.style & WS_VISIBLE) != 0);
        bool disabled = (want.style & WS_DISABLED) != 0;
        for (int id : disabledByPage) disabled = disabled || id == want.id;
        EXPECT_EQ(::IsWindowEnabled(child) != FALSE, !disabled);
    }
}

class ShownPagesGuiTest : public ::testing::Test {
protected:
    ShownPagesGuiTest() : m_version(L"winxp"), m_wizard(m_work.path()) {}
    TempDir m_work;
    ReportedWindowsVersion m_version;
    WizardProcess m_wizard;
};

TEST_F(ShownPagesGuiTest, SelectOsPage) {
    HWND page = m_wizard.WaitForPage(L"Select OS");
    ASSERT_NE(page, nullptr);
    ExpectShownAsTemplate(page, SelectOsDialog());
    ClickButton(page, IDC_CANCEL_BTN);
    EXPECT_TRUE(m_wizard.WaitForExit());
}

TEST_F(ShownPagesGuiTest, DetailSettingPage) {
    HWND page = m_wizard.OpenDetailSetting();
    ASSERT_NE(page, nullptr);
    ExpectShownAsTemplate(page, DetailSettingDialog(),
                          {IDC_BAUDRATE, IDC_BYTESIZE, IDC_STOPBITS, IDC_PARITY, IDC_FLOWCONTROL});

    // Its own taskbar button, no minimise or maximise box, and lists the user can only pick
    // from, kept in the order their items were added.
    EXPECT_TRUE(::GetWindowLongW(page, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(::GetWindowLongW(page, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    for (int list : {IDC_MODULE, IDC_PORT, IDC_BAUDRATE, IDC_BYTESIZE, IDC_FLOWCONTROL, IDC_PARITY,
                     IDC_STOPBITS}) {
        const LONG style = ::GetWindowLongW(::GetDlgItem(page, list), GWL_STYLE);
        EXPECT_EQ(style & 0x3, CBS_DROPDOWNLIST) << list;
        EXPECT_EQ(style & CBS_SORT, 0) << list;
    }
    EXPECT_TRUE(::GetWindowLongW(::GetDlgItem(page, IDC_PRINTER_NAME), GWL_STYLE) & ES_READONLY);

    ClickButton(page, IDC_CANCEL_BTN);
    EXPECT_TRUE(m_wizard.WaitForExit());
}

TEST_F(ShownPagesGuiTest, AboutBox) {
    HWND page = m_wizard.OpenDetailSetting();
    ASSERT_NE(page, nullptr);
    ::PostMessageW(page, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = m_wizard.WaitForPage(L"关于 ZILT");
    ASSERT_NE(about, nullptr);
    ExpectShownAsTemplate(about, AboutDialog());
    ClickButton(about, IDOK);
    ASSERT_TRUE(WaitUntilGone(about));
    ClickButton(page, IDC_CANCEL_BTN);
    EXPECT_TRUE(m_wizard.WaitForExit());
}

}  // namespace
