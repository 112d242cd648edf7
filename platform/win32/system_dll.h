// How the program loads the system DLLs it does not import. It runs elevated, usually from
// a download folder, a USB stick or a share that others can write to, so a DLL is never
// looked for by bare name along the default search order, which starts with the program's
// own folder and takes in the current directory: a planted copy there would run elevated.
#pragma once

#include <windows.h>

// Takes the current directory out of the search for DLLs, and where the system offers it,
// limits the search to the system directory. Both functions are looked up at run time:
// SetDllDirectoryW came with Windows XP SP1, SetDefaultDllDirectories with Windows 8 (and
// an update of Windows Vista and 7). Without them, nothing here loads a DLL by bare name.
void RestrictDllSearch();

// The DLL of that name from the system directory, by its full path; its own dependencies
// are searched for from there. Null when it cannot be loaded.
HMODULE LoadSystemDll(const wchar_t* name);

// The common controls: version 6 through the side-by-side assembly that the program's
// manifest names, which Windows XP and later resolve before any folder is searched; where
// no assembly provides it (Windows NT 4.0 and 2000, or a manifest not honoured), the
// system directory's comctl32.dll. Null when it cannot be loaded.
HMODULE LoadCommonControls();

// The function of a loaded module as a pointer of type Function; null when it is missing.
template <class Function>
Function SystemFunction(HMODULE module, const char* name) {
    FARPROC found = module ? ::GetProcAddress(module, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}
