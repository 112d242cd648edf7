#include "framework/dialog.h"

#include "framework/dialog_init_data.h"
#include "framework/dialog_template.h"
#include "framework/win_app.h"
#include "framework/work_area.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, CDialog::OnOK)
    ON_COMMAND(IDCANCEL, CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent)
    : m_nIDTemplate(templateId), m_hWndParent(parent ? parent->m_hWnd : nullptr) {}

INT_PTR CDialog::DoModal() {
    HINSTANCE instance = AfxGetInstanceHandle();
    HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(m_nIDTemplate), MAKEINTRESOURCEW(5));
    if (!found) return -1;
    HGLOBAL loaded = ::LoadResource(instance, found);
    m_template = loaded ? ::LockResource(loaded) : nullptr;
    m_templateSize = ::SizeofResource(instance, found);
    if (!m_template) return -1;
    // A dialog made without a parent is modal to the active window of this thread, if there
    // is one: a box opened from a page keeps the page disabled until it closes.
    HWND owner = m_hWndParent ? m_hWndParent : ::GetActiveWindow();
    INT_PTR result = ::DialogBoxIndirectParamW(
        instance, static_cast<const DLGTEMPLATE*>(m_template), owner, &CDialog::DialogProc,
        reinterpret_cast<LPARAM>(this));
    m_template = nullptr;
    m_hWnd = nullptr;
    return result;
}

void CDialog::EndDialog(int result) const { ::EndDialog(m_hWnd, result); }

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
    ExecuteDlgInit();
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::ExecuteDlgInit() const {
    HINSTANCE instance = AfxGetInstanceHandle();
    HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(m_nIDTemplate),
                                  MAKEINTRESOURCEW(kDlgInitResourceType));
    if (!found) return;
    HGLOBAL loaded = ::LoadResource(instance, found);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    DialogInitReader reader(data, ::SizeofResource(instance, found));
    DialogInitItem item;
    while (reader.Next(item))
        ::SendDlgItemMessageA(m_hWnd, item.controlId, item.message, 0,
                              reinterpret_cast<LPARAM>(item.text));
}

void CDialog::CentreIfUnplaced(const RECT& before) const {
    DialogTemplateHeader header;
    if (!ReadDialogTemplateHeader(m_template, m_templateSize, header)) return;
    RECT now;
    ::GetWindowRect(m_hWnd, &now);
    const bool moved = now.left != before.left || now.top != before.top;
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    const bool enabledOwner = owner && ::IsWindowEnabled(owner);
    if (!ShouldCentreDialog(header, enabledOwner, moved)) return;

    RECT work;
    if (!AfxGetWorkArea(m_hWnd, work)) return;
    long x, y;
    CentreInArea({work.left, work.top, work.right, work.bottom}, now.right - now.left,
                 now.bottom - now.top, x, y);
    ::SetWindowPos(m_hWnd, nullptr, static_cast<int>(x), static_cast<int>(y), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CDialog::HandleInitDialog() {
    RECT before;
    ::GetWindowRect(m_hWnd, &before);
    BOOL result = OnInitDialog();
    CentreIfUnplaced(before);
    return result;
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HELP) {
        // F1: the standard Help command, offered to the page and then to the application.
        if (!OnCmdMsg(ID_HELP) && AfxGetApp()) AfxGetApp()->OnCmdMsg(ID_HELP);
        return TRUE;
    }
    const AFX_MSGMAP_ENTRY* entry =
        AfxFindMessageEntry(GetMessageMap(), message, HIWORD(wParam), LOWORD(wParam));
    if (!entry) return FALSE;

    m_defaultRequested = false;
    LRESULT result = entry->pfn(this, wParam, lParam);
    if (m_defaultRequested) {
        m_defaultRequested = false;
        return FALSE;  // the dialog manager's default processing follows
    }
    if (message == WM_QUERYDRAGICON) return result;  // answered directly, not through DWLP_MSGRESULT
    if (m_hWnd) ::SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

// The program is built without exceptions, so nothing can unwind into the dialog manager.
INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrW(window, DWLP_USER, lParam);
        dialog->m_hWnd = window;
        return dialog->HandleInitDialog();
    }
    auto* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(window, DWLP_USER));
    if (!dialog) return FALSE;
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, DWLP_USER, 0);
        return FALSE;
    }
    return dialog->HandleMessage(message, wParam, lParam);
}
