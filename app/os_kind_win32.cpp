#include "app/os_kind.h"
#include "platform/win32/win32_services.h"

void DetectOsKind() {
    Win32Services windows;
    DetectOsKind(windows);
}
