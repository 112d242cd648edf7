// A stand-in for a system DLL that someone has put beside setup.exe or in the folder it is
// started from. Loaded, it leaves a marker file beside itself ("<its path>.loaded"), which is
// all the planting test looks for.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        wchar_t path[MAX_PATH + 8] = {};
        const DWORD length = ::GetModuleFileNameW(self, path, MAX_PATH);
        if (length > 0 && length < MAX_PATH) {
            ::lstrcatW(path, L".loaded");
            HANDLE marker = ::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            if (marker != INVALID_HANDLE_VALUE) ::CloseHandle(marker);
        }
    }
    return TRUE;
}
