// The activation-context query is declared only for _WIN32_WINNT 0x0501 (Windows XP, where
// side-by-side assemblies came in); this file uses its types and reaches it at run time.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0501
#include "platform/win32/system_dll.h"

namespace {

HMODULE Kernel32() { return ::GetModuleHandleW(L"kernel32.dll"); }

// True when the active activation context redirects the DLL name to an assembly, so that
// loading it by name takes the assembly's copy and searches no folder.
bool RedirectedToAssembly(const wchar_t* name) {
    using FindFunction = BOOL(WINAPI*)(DWORD, const GUID*, ULONG, LPCWSTR, PACTCTX_SECTION_KEYED_DATA);
    const auto find = SystemFunction<FindFunction>(Kernel32(), "FindActCtxSectionStringW");
    if (!find) return false;
    ACTCTX_SECTION_KEYED_DATA data{};
    data.cbSize = sizeof data;
    return find(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, name, &data) != FALSE;
}

}  // namespace

void RestrictDllSearch() {
    using SetDllDirectoryFunction = BOOL(WINAPI*)(LPCWSTR);
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    if (const auto setDirectory = SystemFunction<SetDllDirectoryFunction>(Kernel32(), "SetDllDirectoryW"))
        setDirectory(L"");
    if (const auto setDefault = SystemFunction<SetDefaultDllDirectoriesFunction>(
            Kernel32(), "SetDefaultDllDirectories"))
        setDefault(0x00000800);  // LOAD_LIBRARY_SEARCH_SYSTEM32
}

HMODULE LoadSystemDll(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    const UINT length = ::GetSystemDirectoryW(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    size_t at = length;
    if (path[at - 1] != L'\\') path[at++] = L'\\';
    for (const wchar_t* c = name; *c; ++c) {
        if (at + 1 >= MAX_PATH) return nullptr;
        path[at++] = *c;
    }
    path[at] = L'\0';
    return ::LoadLibraryExW(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

HMODULE LoadCommonControls() {
    if (RedirectedToAssembly(L"comctl32.dll")) {
        if (HMODULE fromAssembly = ::LoadLibraryW(L"comctl32.dll")) return fromAssembly;
    }
    return LoadSystemDll(L"comctl32.dll");
}
