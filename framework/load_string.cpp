#include "framework/load_string.h"

#include "framework/win_app.h"

int AfxLoadString(UINT id, wchar_t* buffer, int size) {
    if (size <= 0) return 0;
    buffer[0] = L'\0';
    const int length = ::LoadStringW(AfxGetInstanceHandle(), id, buffer, size);
    return length > 0 ? length : 0;
}
