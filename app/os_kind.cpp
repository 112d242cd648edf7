#include "app/os_kind.h"

#include <cstring>

#include "platform/windows_services.h"

OsKind g_osKind = OsUnknown;

bool ClassifyOsVersion(uint32_t platformId, uint32_t majorVersion, uint32_t minorVersion,
                       OsKind& kind) {
    switch (platformId) {
    case kVerPlatformWin32Windows:
        if (majorVersion != 4) return false;
        if (minorVersion == 0) { kind = OsWin95; return true; }
        if (minorVersion == 10 || minorVersion == 90) { kind = OsWin98; return true; }
        return false;
    case kVerPlatformWin32Nt:
        if (majorVersion <= 4) { kind = OsNT4; return true; }
        if (majorVersion == 5) {
            if (minorVersion == 0) { kind = OsWin2000; return true; }
            if (minorVersion == 1) { kind = OsWinXP; return true; }
            if (minorVersion == 2) { kind = OsWin2003; return true; }
            return false;
        }
        if (majorVersion == 6) {
            if (minorVersion == 0) { kind = OsVista; return true; }
            if (minorVersion == 1) { kind = OsWin7; return true; }
        }
        return false;
    default:
        // Win32s (0) and any platform Windows may add later count as Windows 2000.
        kind = OsWin2000;
        return true;
    }
}

bool QueryOsVersion(WindowsServices& windows, OsVersionRecord& record) {
    std::memset(&record, 0, sizeof record);
    record.dwOSVersionInfoSize = sizeof record;
    if (windows.GetVersionExA(record)) return true;
    record.dwOSVersionInfoSize = 148;
    return windows.GetVersionExA(record);
}

const char* OsKindName(OsKind kind) {
    static const char* const kNames[] = {
        "an unknown Windows", "Windows 95", "Windows 98", "Windows NT 4.0", "Windows 2000",
        "Windows XP",         "Windows Server 2003", "Windows Vista", "Windows 7"};
    return kind >= OsUnknown && kind <= OsWin7 ? kNames[kind] : kNames[OsUnknown];
}

void DetectOsKind(WindowsServices& windows) {
    OsVersionRecord record;
    if (!QueryOsVersion(windows, record)) return;
    OsKind kind;
    if (ClassifyOsVersion(record.dwPlatformId, record.dwMajorVersion, record.dwMinorVersion, kind))
        g_osKind = kind;
}
