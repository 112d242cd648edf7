// What a modal page returns: the dialog manager's IDOK and IDCANCEL, or anything else when
// the page could not be shown.
#pragma once

constexpr int kPageOk = 1;      // IDOK
constexpr int kPageCancel = 2;  // IDCANCEL
