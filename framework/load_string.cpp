#include "framework/load_string.h"

#include "framework/win_app.h"

std::wstring AfxLoadString(UINT id) {
    const wchar_t* resource = nullptr;
    // With a zero buffer size LoadStringW hands out the resource's own text, which is not
    // zero-terminated.
    int length = ::LoadStringW(AfxGetInstanceHandle(), id, reinterpret_cast<LPWSTR>(&resource), 0);
    if (!resource || length <= 0) return std::wstring();
    return std::wstring(resource, static_cast<size_t>(length));
}
