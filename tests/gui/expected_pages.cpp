#include "expected_pages.h"

#include <commctrl.h>

#include "../../pages/resource.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kPageStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr DWORD kList = kChild | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kLabel = kChild | SS_LEFT | WS_GROUP;
constexpr DWORD kButton = kChild | BS_PUSHBUTTON | WS_TABSTOP;

}  // namespace

const ExpectedDialog& SelectOsDialog() {
    static const ExpectedDialog dialog = {
        IDD_SELECT_OS, L"Select OS", false, 0x80C800C0, 0, 251, 187,
        {
            {-1, L"Button", L"Select Install Os", 0x50020007, 7, 19, 237, 74},
            {IDC_OS_WIN95, L"Button", L"Windows 95", 0x40000009, 55, 7, 54, 10},
            {IDC_OS_WIN98, L"Button", L"Windows 98", 0x40000009, 116, 7, 54, 10},
            {IDC_OS_NT40, L"Button", L"Windows NT4.0", 0x40000009, 179, 7, 65, 10},
            {-1, L"Button", L"Select Install Language", 0x40020007, 7, 102, 237, 29},
            {IDC_LANG_CHINESE, L"Button", L"Chinese", 0x48000009, 21, 115, 41, 10},
            {IDC_LANG_ENGLISH, L"Button", L"English", 0x40000009, 89, 115, 41, 10},
            {IDC_SLIDER, L"msctls_trackbar32", L"Slider1", 0x40000018, 7, 139, 237, 6},
            {IDC_BACK, L"Button", L"Back", 0x58010000, 79, 157, 46, 14},
            {IDC_NEXT, L"Button", L"Next", 0x50010000, 135, 157, 46, 14},
            {IDC_CANCEL_BTN, L"Button", L"Cancel", 0x50010000, 191, 157, 46, 14},
            {IDC_OS_WIN2000, L"Button", L"Windows 2000", 0x50000009, 17, 33, 64, 10},
            {IDC_OS_WINXP, L"Button", L"Windows XP", 0x50000009, 90, 33, 56, 10},
            {IDC_OS_WIN2003, L"Button", L"Windows 2003", 0x50000009, 160, 33, 64, 10},
            {IDC_OS_VISTA, L"Button", L"Windows Vista", 0x50000009, 17, 57, 68, 10},
            {IDC_OS_WIN7, L"Button", L"Windows 7", 0x50000009, 90, 57, 52, 10},
        }};
    static_assert(kPageStyle == 0x80C800C0, "page 1's style");
    return dialog;
}

const ExpectedDialog& DetailSettingDialog() {
    static const ExpectedDialog dialog = {
        IDD_DETAIL_SETTING, L"Detail Setting", true, kPageStyle | WS_VISIBLE, WS_EX_APPWINDOW, 364, 239,
        {
            {IDC_MODULE, L"ComboBox", L"", kList, 81, 19, 156, 158},
            {-1, L"Button", L"Printer Setting", kChild | BS_GROUPBOX, 7, 48, 350, 54},
            {-1, L"Button", L"Printer Port Setting", kChild | BS_GROUPBOX, 7, 108, 350, 94},
            {-1, L"Static", L"Install Module", kLabel, 20, 21, 57, 8},
            {IDC_SET_DEFAULT, L"Button", L"Set Default Printer", kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 20, 59, 115, 10},
            {-1, L"Static", L"Name :", kLabel, 20, 79, 33, 8},
            {IDC_PRINTER_NAME, L"Edit", L"", kChild | ES_AUTOHSCROLL | ES_READONLY | WS_BORDER | WS_TABSTOP, 81, 75, 155, 15},
            {IDC_PORT, L"ComboBox", L"", kList, 58, 123, 65, 86},
            {IDC_BAUDRATE, L"ComboBox", L"", kList, 58, 149, 65, 106},
            {IDC_BYTESIZE, L"ComboBox", L"", kList, 58, 172, 65, 60},
            {IDC_FLOWCONTROL, L"ComboBox", L"", kList, 286, 149, 65, 60},
            {IDC_PARITY, L"ComboBox", L"", kList, 171, 172, 65, 68},
            {IDC_STOPBITS, L"ComboBox", L"", kList, 171, 149, 65, 55},
            {-1, L"Static", L"Ports", kLabel, 20, 127, 21, 8},
            {-1, L"Static", L"BaudRate", kLabel, 20, 148, 33, 8},
            {-1, L"Static", L"ByteSize", kLabel, 20, 171, 33, 8},
            {-1, L"Static", L"StopBits", kLabel, 135, 151, 33, 8},
            {-1, L"Static", L"Parity", kLabel, 135, 172, 25, 8},
            {-1, L"Static", L"FlowControl", kLabel, 240, 153, 45, 8},
            {IDC_BACK, L"Button", L"Back", kButton, 138, 207, 61, 15},
            {IDC_FINISH, L"Button", L"Finish", kButton, 212, 207, 61, 15},
            {IDC_CANCEL_BTN, L"Button", L"Cancel", kButton, 286, 207, 61, 15},
        }};
    return dialog;
}

const ExpectedDialog& AboutDialog() {
    static const ExpectedDialog dialog = {
        IDD_ABOUTBOX, L"关于 ZILT", false, kPageStyle, 0, 235, 55,
        {
            {-1, L"Static", nullptr, kChild | SS_ICON, 11, 17, 20, 20},
            {-1, L"Static", L"ZILT 1.0 版", kChild | SS_LEFT | SS_NOPREFIX | WS_GROUP, 40, 10, 119, 8},
            {-1, L"Static", L"ZRT 系列打印机安装向导", kChild | SS_LEFT | WS_GROUP, 40, 25, 119, 8},
            {IDOK, L"Button", L"确定", kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 178, 7, 50, 14},
        }};
    return dialog;
}
