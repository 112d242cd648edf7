#include "pages/select_os_dlg.h"

#include "app/os_kind.h"
#include "framework/paint_dc.h"

namespace {

// The radio button of each kind; 0 for a kind that has none. The buttons of Windows 95, 98
// and NT 4.0 are invisible, so on those systems the user sees no mark.
const int kRadioOfKind[] = {
    0,               // OsUnknown
    IDC_OS_WIN95,    // OsWin95
    IDC_OS_WIN98,    // OsWin98
    IDC_OS_NT40,     // OsNT4
    IDC_OS_WIN2000,  // OsWin2000
    IDC_OS_WINXP,    // OsWinXP
    IDC_OS_WIN2003,  // OsWin2003
    IDC_OS_VISTA,    // OsVista
    IDC_OS_WIN7,     // OsWin7
};

int RadioOfKind(OsKind kind) {
    const int count = static_cast<int>(sizeof kRadioOfKind / sizeof kRadioOfKind[0]);
    return kind >= 0 && kind < count ? kRadioOfKind[kind] : 0;
}

}  // namespace

BEGIN_MESSAGE_MAP(CSelectOsDlg, CDialog)
    ON_BN_CLICKED(IDC_BACK, OnBack)
    ON_BN_CLICKED(IDC_NEXT, OnNext)
    ON_BN_CLICKED(IDC_CANCEL_BTN, OnCancel)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CSelectOsDlg::CSelectOsDlg(CWnd* parent) : CDialog(IDD, parent) {}

CSelectOsDlg::~CSelectOsDlg() = default;

void CSelectOsDlg::DoDataExchange(CDataExchange*) {}

BOOL CSelectOsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    DetectOsKind();
    // The window is new at every showing, so every other radio button starts clear.
    if (int radio = RadioOfKind(g_osKind)) SendDlgItemMessage(radio, BM_SETCHECK, BST_CHECKED);
    SendDlgItemMessage(IDC_LANG_ENGLISH, BM_SETCHECK, BST_CHECKED);
    return TRUE;
}

void CSelectOsDlg::OnCancel() { CDialog::OnCancel(); }

// "Back" is greyed on the first page; were it enabled, it would still do nothing.
void CSelectOsDlg::OnBack() {}

void CSelectOsDlg::OnNext() { CDialog::OnOK(); }

// The controls draw themselves; the page has nothing of its own to paint.
void CSelectOsDlg::OnPaint() { CPaintDC dc(this); }
