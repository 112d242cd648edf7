// Where a dialog may be placed: the screen less the taskbar and the desktop toolbars.
#pragma once

#include <windows.h>

// The work area of the monitor that shows the window, or of the primary monitor when it is
// on none. Windows NT 4.0 has no monitor functions; it has one monitor, whose work area
// the system parameters give.
bool AfxGetWorkArea(HWND window, RECT& area);

// The primary monitor's work area as the system parameters give it.
bool AfxGetPrimaryWorkArea(RECT& area);
