// Starts the setup.exe named on the command line (a release outside the build folder) in a
// fresh folder, waits for page 1, presses Cancel and checks that the wizard ends with 1602.
// Exits 0 when it does; otherwise says what went wrong and exits 1.
#include <cstdio>
#include <string>

#include "../../pages/resource.h"
#include "wizard_process.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: wizard_cancel_check PATH\\setup.exe\n");
        return 2;
    }
    TempDir work;
    WizardProcess wizard(work.path(), argv[1]);
    if (!wizard.started()) {
        std::fprintf(stderr, "cannot start %ls (error %lu)\n", argv[1], ::GetLastError());
        return 1;
    }
    HWND page = wizard.WaitForPage(L"Select OS");
    if (!page) {
        std::fprintf(stderr, "page 1, \"Select OS\", did not show\n");
        return 1;
    }
    ClickButton(page, IDC_CANCEL_BTN);
    DWORD status = 0;
    if (!wizard.WaitForExit(15000, &status)) {
        std::fprintf(stderr, "Cancel did not end the wizard\n");
        return 1;
    }
    if (status != 1602) {
        std::fprintf(stderr, "Cancel ended the wizard with %lu, not 1602\n", status);
        return 1;
    }
    std::printf("page 1 showed; Cancel ended the wizard with 1602\n");
    return 0;
}
