// Message boxes captioned with the application's name. Style 0 gives one OK button; when
// the style names no icon, the exclamation icon is added.
#pragma once

#include <windows.h>

int AfxMessageBox(const char* text, UINT style = 0, UINT helpContext = 0);
int AfxMessageBox(const wchar_t* text, UINT style = 0, UINT helpContext = 0);
// The text is the string resource textId, shown through the wide API so that it reads
// correctly whatever the system code page.
int AfxMessageBox(UINT textId, UINT style = 0, UINT helpContext = 0);
