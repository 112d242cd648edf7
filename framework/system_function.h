// Functions that not every Windows release this program starts on has. They are looked up
// at run time in a DLL the program has already loaded (never loaded here), so that their
// absence leaves the program starting, with a fallback for what they would have done.
#pragma once

#include <windows.h>

// The function name exported by the loaded module, as a pointer of type Function; null when
// the module is not loaded or does not export it.
template <class Function>
Function AfxGetSystemFunction(const wchar_t* module, const char* name) {
    HMODULE loaded = ::GetModuleHandleW(module);
    FARPROC found = loaded ? ::GetProcAddress(loaded, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(found));
}
