#include "pages/select_os_dlg.h"

#include "app/os_kind.h"

BEGIN_MESSAGE_MAP(CSelectOsDlg, CDialog)
    ON_BN_CLICKED(IDC_BACK, OnBack)
    ON_BN_CLICKED(IDC_NEXT, OnNext)
    ON_BN_CLICKED(IDC_CANCEL_BTN, OnCancel)
END_MESSAGE_MAP()

CSelectOsDlg::CSelectOsDlg(CWnd* parent) : CDialog(IDD, parent) {}

CSelectOsDlg::~CSelectOsDlg() = default;

void CSelectOsDlg::DoDataExchange(CDataExchange* dx) { CDialog::DoDataExchange(dx); }

BOOL CSelectOsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    DetectOsKind();
    return TRUE;
}

void CSelectOsDlg::OnCancel() { CDialog::OnCancel(); }

void CSelectOsDlg::OnBack() {}

void CSelectOsDlg::OnNext() { CDialog::OnOK(); }
