#include "pages/detail_setting_dlg.h"

BEGIN_MESSAGE_MAP(CDetailSettingDlg, CDialog)
    ON_BN_CLICKED(IDC_BACK, OnBack)
    ON_BN_CLICKED(IDC_FINISH, OnFinish)
    ON_BN_CLICKED(IDC_CANCEL_BTN, OnCancel)
END_MESSAGE_MAP()

CDetailSettingDlg::CDetailSettingDlg(CWnd* parent) : CDialog(IDD, parent) {}

void CDetailSettingDlg::DoDataExchange(CDataExchange*) {}

// Every way out but "Back" ends the wizard.
void CDetailSettingDlg::OnCancel() { CDialog::OnOK(); }

void CDetailSettingDlg::OnBack() { CDialog::OnCancel(); }

void CDetailSettingDlg::OnFinish() { CDialog::OnOK(); }
