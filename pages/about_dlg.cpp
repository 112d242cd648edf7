#include "pages/about_dlg.h"

// "确定" (IDOK) and Esc or the close box (IDCANCEL) close the box through the base map.
BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(IDD) {}

void CAboutDlg::DoDataExchange(CDataExchange*) {}
