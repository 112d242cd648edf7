// The classification of the running Windows release. Page 1 shows it; page 2 installs only
// on the NT family (kinds 3 to 8).
#pragma once

#include <cstdint>

class WindowsServices;
struct OsVersionRecord;

enum OsKind : int32_t {
    OsUnknown = 0,
    OsWin95 = 1,
    OsWin98 = 2,
    OsNT4 = 3,
    OsWin2000 = 4,
    OsWinXP = 5,
    OsWin2003 = 6,
    OsVista = 7,
    OsWin7 = 8,
};

// The one process-wide classification; OsUnknown until the first DetectOsKind.
extern OsKind g_osKind;

// The kind for what Windows reports; false for a version the wizard does not know.
bool ClassifyOsVersion(uint32_t platformId, uint32_t majorVersion, uint32_t minorVersion,
                       OsKind& kind);

// Asks Windows for its version: the extended record first, then, on systems older than
// NT 4.0 SP6, which know only the short one, that. False when both queries fail.
bool QueryOsVersion(WindowsServices& windows, OsVersionRecord& record);

// The name of the kind, "Windows XP" for example; "an unknown Windows" for OsUnknown.
const char* OsKindName(OsKind kind);

// Asks Windows for its version and stores the kind in g_osKind. A version the wizard does
// not know, or a failed query, leaves g_osKind as it was.
void DetectOsKind(WindowsServices& windows);
void DetectOsKind();

// The kinds on which Finish installs.
inline bool IsNtFamily(OsKind kind) { return kind >= OsNT4 && kind <= OsWin7; }
