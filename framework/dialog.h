// A modal dialog made from a template in the program's resources. One static dialog
// procedure serves every dialog: the object arrives with WM_INITDIALOG and is kept in the
// window until the window goes.
#pragma once

#include "framework/wnd.h"

// Data exchange between a dialog's controls and its members. The pages read their controls
// directly, so this only carries the direction of an UpdateData.
class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Shows the dialog and returns the value given to EndDialog, or -1 when the template
    // cannot be found or the dialog cannot be created. Without a parent the dialog is owned
    // by the thread's active window, if any.
    virtual INT_PTR DoModal();

    void EndDialog(int result) const;
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // Applies the template's dialog init data, then returns TRUE so that the dialog manager
    // puts the focus on the first tab stop.
    virtual BOOL OnInitDialog();

protected:
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* dx);

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleInitDialog();
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void ExecuteDlgInit() const;
    void CentreIfUnplaced(const RECT& before) const;

    UINT m_nIDTemplate;
    HWND m_hWndParent;
    const void* m_template = nullptr;
    DWORD m_templateSize = 0;
};
