// A window wrapper: it holds an HWND and does not own it. Its destructor never destroys the
// window; a modal page ends through EndDialog.
#pragma once

#include "framework/cmd_target.h"

class CWnd : public CCmdTarget {
public:
    CWnd() = default;

    HWND m_hWnd = nullptr;
    operator HWND() const { return m_hWnd; }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    HWND GetDlgItem(int id) const;
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void SetDlgItemText(int id, const char* text) const;
    BOOL EnableWindow(BOOL enable = TRUE) const;
    BOOL IsIconic() const;
    void GetClientRect(RECT* rect) const;
    HICON SetIcon(HICON icon, BOOL bigIcon) const;
    HMENU GetSystemMenu(BOOL revert) const;

protected:
    // Asks for the default processing of the message being handled, once the handler returns.
    void Default() { m_defaultRequested = true; }
    bool m_defaultRequested = false;
};
