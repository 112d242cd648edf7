#include "app/setup_app.h"

#include "app/page_sequence.h"
#include "framework/message_box.h"
#include "pages/resource.h"
#include "pages/detail_setting_dlg.h"
#include "pages/select_os_dlg.h"

// The one application object, found by the entry point.
CSetupApp theApp;

BEGIN_MESSAGE_MAP(CSetupApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CSetupApp::CSetupApp() = default;

CSetupApp::~CSetupApp() = default;

BOOL CSetupApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControlsStatic();
    // Without the common controls no page can show: say so rather than end without a word.
    if (!AfxInitCommonControls()) {
        AfxMessageBox(IDS_SYSTEM_COMPONENT_MISSING);
        m_nExitCode = kExitInstallFailed;
        return FALSE;
    }
    // The framework's ExitInstance hands this on as the process's exit status.
    m_nExitCode = RunPageSequence<CSelectOsDlg, CDetailSettingDlg>();
    return FALSE;
}
