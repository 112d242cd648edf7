#include "finish_fixture.h"

HWND FinishWith(const WizardProcess& wizard, const Choices& choices) {
    HWND detail = wizard.OpenDetailSetting();
    if (!detail) return nullptr;
    ChooseListRow(detail, IDC_MODULE, choices.modelRow);
    ChooseListRow(detail, IDC_PORT, choices.portRow);
    ::SendMessageW(::GetDlgItem(detail, IDC_SET_DEFAULT), BM_SETCHECK,
                   choices.setDefault ? BST_CHECKED : BST_UNCHECKED, 0);
    ClickButton(detail, IDC_FINISH);
    return detail;
}

DWORD ExitCodeOf(const WizardProcess& wizard) {
    DWORD code = ~0u;
    if (!wizard.WaitForExit(30000, &code)) return ~0u;
    return code;
}

namespace {

BOOL CALLBACK FindText(HWND child, LPARAM context) {
    wchar_t className[32] = {};
    ::GetClassNameW(child, className, 32);
    if (_wcsicmp(className, L"Static") != 0) return TRUE;
    std::wstring text = WindowText(child);
    if (text.empty()) return TRUE;
    *reinterpret_cast<std::wstring*>(context) = text;
    return FALSE;
}

}  // namespace

std::wstring MessageBoxText(HWND box) {
    std::wstring text;
    ::EnumChildWindows(box, &FindText, reinterpret_cast<LPARAM>(&text));
    return text;
}

void FinishGuiTest::SetUp() { RemovePrinterAndDriver(kZrt340, kZrt340Files); }

void FinishGuiTest::TearDown() { RemovePrinterAndDriver(kZrt340, kZrt340Files); }
