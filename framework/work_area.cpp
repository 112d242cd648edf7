// The monitor API (MonitorFromWindow, GetMonitorInfoW) is declared only for WINVER 0x0500;
// this file uses its types and reaches the functions at run time, so that the program still
// starts on Windows NT 4.0, which lacks them.
#undef WINVER
#define WINVER 0x0500
#include "framework/work_area.h"

#include "framework/system_function.h"

bool AfxGetPrimaryWorkArea(RECT& area) {
    return ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0) != FALSE;
}

bool AfxGetWorkArea(HWND window, RECT& area) {
    using MonitorFromWindowFunction = HMONITOR(WINAPI*)(HWND, DWORD);
    using GetMonitorInfoFunction = BOOL(WINAPI*)(HMONITOR, MONITORINFO*);
    const auto monitorFromWindow =
        AfxGetSystemFunction<MonitorFromWindowFunction>(L"user32.dll", "MonitorFromWindow");
    const auto getMonitorInfo =
        AfxGetSystemFunction<GetMonitorInfoFunction>(L"user32.dll", "GetMonitorInfoW");
    if (!monitorFromWindow || !getMonitorInfo) return AfxGetPrimaryWorkArea(area);

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!getMonitorInfo(monitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor))
        return false;
    area = monitor.rcWork;
    return true;
}
