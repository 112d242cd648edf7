// The plain arithmetic of the pages, kept apart from the windows so that it is tested on
// any host.
#pragma once

#include <cstdint>

#include "engine/catalogue.h"
#include "pages/resource.h"

// A model list position that names a catalogue row; no selection (CB_ERR, -1) does not.
inline bool IsModelRow(long position) {
    return position >= 0 && position < static_cast<long>(kModelCount);
}

// The port rule, IsSerialPortRow, is the catalogue's: the five serial lists are enabled
// exactly for the COM ports, and no selection (-1) counts as a parallel port.

// The About entry's system command. Windows uses the low four bits of a system command for
// its own purposes, so they are cleared before the comparison (and so is everything above
// the low sixteen).
inline bool IsAboutCommand(uint32_t command) { return (command & 0xFFF0) == IDM_ABOUTBOX; }

struct IconOrigin {
    int x, y;
};

// Where the icon goes in the client area of a minimised page: centred, rounding up, with
// divisions that truncate toward zero, so a client narrower than the icon gives a small
// negative position (28 pixels for a 32-pixel icon: -1).
inline IconOrigin MinimisedIconOrigin(int clientWidth, int clientHeight, int iconWidth,
                                      int iconHeight) {
    return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}
