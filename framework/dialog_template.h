// Reading the header of a dialog template, classic or extended, and the framework's rule
// for centring a modal dialog. Plain data in, plain data out, so it is tested on any host.
#pragma once

#include <cstddef>
#include <cstdint>

struct DialogTemplateHeader {
    uint32_t style = 0;
    uint32_t exStyle = 0;
    uint16_t itemCount = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    bool extended = false;
};

// False when the bytes are too few for either form of the header.
bool ReadDialogTemplateHeader(const void* data, size_t size, DialogTemplateHeader& header);

constexpr uint32_t kDsAbsAlign = 0x0001;
constexpr uint32_t kDsCenter = 0x0800;
constexpr uint32_t kDsCenterMouse = 0x1000;

// A modal dialog is centred when nothing asked for a place of its own: it has no enabled
// owner, it was not moved while it initialised, and its template puts it at (0, 0) with
// none of the centring or absolute-alignment styles.
bool ShouldCentreDialog(const DialogTemplateHeader& header, bool hasEnabledOwner,
                        bool movedDuringInit);

struct ScreenRect {
    long left, top, right, bottom;
};

// Where a window of the given outer size goes to sit in the middle of the area; the area's
// top-left corner wins where the window is larger than the area.
void CentreInArea(const ScreenRect& area, long width, long height, long& x, long& y);
