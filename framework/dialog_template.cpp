#include "framework/dialog_template.h"

#include <cstring>

namespace {

template <class T>
T ReadAt(const unsigned char* bytes, size_t offset) {
    T value;
    std::memcpy(&value, bytes + offset, sizeof value);
    return value;
}

}  // namespace

bool ReadDialogTemplateHeader(const void* data, size_t size, DialogTemplateHeader& header) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (!bytes || size < 18) return false;
    header = DialogTemplateHeader{};
    // DLGTEMPLATEEX starts with version 1 and the signature 0xFFFF.
    if (ReadAt<uint16_t>(bytes, 0) == 1 && ReadAt<uint16_t>(bytes, 2) == 0xFFFF) {
        if (size < 26) return false;
        header.extended = true;
        header.exStyle = ReadAt<uint32_t>(bytes, 8);
        header.style = ReadAt<uint32_t>(bytes, 12);
        header.itemCount = ReadAt<uint16_t>(bytes, 16);
        header.x = ReadAt<int16_t>(bytes, 18);
        header.y = ReadAt<int16_t>(bytes, 20);
        header.cx = ReadAt<int16_t>(bytes, 22);
        header.cy = ReadAt<int16_t>(bytes, 24);
        return true;
    }
    header.style = ReadAt<uint32_t>(bytes, 0);
    header.exStyle = ReadAt<uint32_t>(bytes, 4);
    header.itemCount = ReadAt<uint16_t>(bytes, 8);
    header.x = ReadAt<int16_t>(bytes, 10);
    header.y = ReadAt<int16_t>(bytes, 12);
    header.cx = ReadAt<int16_t>(bytes, 14);
    header.cy = ReadAt<int16_t>(bytes, 16);
    return true;
}

bool ShouldCentreDialog(const DialogTemplateHeader& header, bool hasEnabledOwner,
                        bool movedDuringInit) {
    if (hasEnabledOwner || movedDuringInit) return false;
    if (header.x != 0 || header.y != 0) return false;
    return (header.style & (kDsCenter | kDsCenterMouse | kDsAbsAlign)) == 0;
}

void CentreInArea(const ScreenRect& area, long width, long height, long& x, long& y) {
    x = area.left + (area.right - area.left - width) / 2;
    y = area.top + (area.bottom - area.top - height) / 2;
    if (x < area.left) x = area.left;
    if (y < area.top) y = area.top;
}
