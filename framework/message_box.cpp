#include "framework/message_box.h"

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
    wchar_t wide[kLongestStringResource];
    // A text too long for the buffer is shown cut at its end.
    if (::MultiByteToWideChar(CP_ACP, 0, text, -1, wide, kLongestStringResource) == 0)
        wide[kLongestStringResource - 1] = L'\0';
    return ShowMessageBox(wide, style);
}

int AfxMessageBox(const wchar_t* text, UINT style, UINT) { return ShowMessageBox(text, style); }

int AfxMessageBox(UINT textId, UINT style, UINT) {
    wchar_t text[kLongestStringResource];
    AfxLoadString(textId, text, kLongestStringResource);
    return ShowMessageBox(text, style);
}
