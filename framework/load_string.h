// Texts from the program's string table.
#pragma once

#include <windows.h>

#include <string>

// The string resource id, empty when there is none. Wide, so that the text reads as written
// whatever the system code page.
std::wstring AfxLoadString(UINT id);
