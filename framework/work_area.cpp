// The monitor API (MonitorFromWindow, GetMonitorInfoW) is declared only for WINVER 0x0500;
// this file uses its types and reaches the functions at run time, so that the program still
// starts on Windows NT 4.0, which lacks them.
#undef WINVER
#define WINVER 0x0500
#include "framework/work_area.h"

#include "platform/win32/system_dll.h"

bool AfxGetPrimaryWorkArea(RECT& area) {
    return ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0) != FALSE;
}

bool AfxGetWorkArea(HWND window, RECT& area) {
    using MonitorFromWindowFunction = HMONITOR(WINAPI*)(HWND, DWORD);
    using GetMonitorInfoFunction = BOOL(WINAPI*)(HMONITOR, MONITORINFO*);
    HMODULE user32 = ::GetModuleHandleW(L"user32.dll");  // imported, so loaded
    const auto monitorFromWindow =
        SystemFunction<MonitorFromWindowFunction>(user32, "MonitorFromWindow");
    const auto getMonitorInfo = SystemFunction<GetMonitorInfoFunction>(user32, "GetMonitorInfoW");
    if (!monitorFromWindow || !getMonitorInfo) return AfxGetPrimaryWorkArea(area);

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!getMonitorInfo(monitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor))
        return false;
    area = monitor.rcWork;
    return true;
}
