// Texts from the program's string table.
#pragma once

#include <windows.h>

// The longest text of the string table, with its zero.
constexpr int kLongestStringResource = 1024;

// Copies the string resource id into buffer, zero-terminated and cut to its size, and
// returns its length: 0 when there is none. Wide, so that the text reads as written
// whatever the system code page.
int AfxLoadString(UINT id, wchar_t* buffer, int size);
