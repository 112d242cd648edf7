// Walks the wizard through its three windows for tools/screenshots: page 1, page 2 with a
// model and a COM port chosen, and the About box. At each window it prints a line
// "NAME LEFT TOP WIDTH HEIGHT" (the window's place on the screen) and waits for a line on
// its input, the sign that the picture is taken. Runs under Wine in the folder that holds
// the sample driver package.
#include <windows.h>

#include <cstdio>

#include "../pages/resource.h"
#include "wizard_process.h"

namespace {

bool Show(const char* name, HWND window) {
    if (!window) {
        std::fprintf(stderr, "screenshot_driver: no window for %s\n", name);
        return false;
    }
    RECT place;
    ::GetWindowRect(window, &place);
    std::printf("%s %ld %ld %ld %ld\n", name, place.left, place.top, place.right - place.left,
                place.bottom - place.top);
    std::fflush(stdout);
    char line[16];
    return std::fgets(line, sizeof line, stdin) != nullptr;
}

}  // namespace

int main() {
    wchar_t here[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, here);
    ReportedWindowsVersion version(L"winxp");
    WizardProcess wizard(here);

    HWND selectOs = wizard.WaitForPage(L"Select OS");
    if (!Show("select-os", selectOs)) return 1;
    ClickButton(selectOs, IDC_NEXT);

    HWND detail = wizard.WaitForPage(L"Detail Setting");
    if (detail) {
        ChooseListRow(detail, IDC_MODULE, 3);
        ChooseListRow(detail, IDC_PORT, 3);
    }
    if (!Show("detail-setting", detail)) return 1;

    ::PostMessageW(detail, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = wizard.WaitForPage(L"关于 ZILT");
    if (!Show("about", about)) return 1;
    ClickButton(about, IDOK);
    WaitUntilGone(about);

    ClickButton(detail, IDC_CANCEL_BTN);
    return wizard.WaitForExit() ? 0 : 1;
}
