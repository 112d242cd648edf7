#include "pages/about_dlg.h"

#include "framework/win_app.h"

// "确定" (IDOK) and Esc or the close box (IDCANCEL) close the box through the base map.
BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(IDD) {}

void CAboutDlg::DoDataExchange(CDataExchange*) {}

BOOL CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The icon control, the first of the template, is given the icon at the
    // system's icon size, which grows with the DPI now that the program declares itself
    // DPI-aware. A shared icon, which the system keeps and frees.
    HWND iconControl = ::GetWindow(m_hWnd, GW_CHILD);
    HANDLE icon = ::LoadImageW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                               ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON),
                               LR_SHARED);
    if (iconControl && icon) ::SendMessageW(iconControl, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    return TRUE;
}
