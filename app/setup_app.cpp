#include "app/setup_app.h"

#include "app/page_sequence.h"
#include "app/setup_run.h"
#include "engine/report.h"
#include "framework/message_box.h"
#include "pages/detail_setting_dlg.h"
#include "pages/select_os_dlg.h"
#include "platform/win32/win32_services.h"

namespace {

// The wizard: page 1, then page 2 preset to the choices of the command line.
class PageWizard final : public Wizard {
public:
    int Run(const PageChoices& choices, Report& report) override {
        // Without the common controls no page can show: say so rather than end without a word.
        if (!AfxInitCommonControls()) {
            report.Tell(IDS_SYSTEM_COMPONENT_MISSING);
            return kExitInstallFailed;
        }
        return RunPageSequence<CSelectOsDlg, CDetailSettingDlg>(choices, report);
    }
};

}  // namespace

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
    // The command line decides between the wizard, a quiet installation, a removal and the
    // usage. The framework's ExitInstance hands the result on as the process's exit status.
    Win32Services windows;
    PageWizard wizard;
    m_nExitCode = RunSetup(windows, wizard);
    return FALSE;
}
