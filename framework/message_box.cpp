#include "framework/message_box.h"

#include <string>

#include "framework/load_string.h"
#include "framework/win_app.h"

namespace {

int ShowMessageBox(const wchar_t* text, UINT style) {
    if ((style & MB_ICONMASK) == 0) {
        UINT buttons = style & MB_TYPEMASK;
        if (buttons == MB_OK || buttons == MB_OKCANCEL) style |= MB_ICONEXCLAMATION;
        else if (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) style |= MB_ICONQUESTION;
    }
    // Owned by the active page, so that the page waits until the box is dismissed.
    return ::MessageBoxW(::GetActiveWindow(), text, AfxGetAppName(), style);
}

}  // namespace

int AfxMessageBox(const char* text, UINT style, UINT) {
    int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(length > 0 ? static_cast<size_t>(length) : 1, L'\0');
    if (length > 0) ::MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    return ShowMessageBox(wide.c_str(), style);
}

int AfxMessageBox(UINT textId, UINT style, UINT) {
    return ShowMessageBox(AfxLoadString(textId).c_str(), style);
}
