// "Finish" on page 2: the installation, run by the engine on the page's own controls.
#include "pages/detail_setting_dlg.h"

#include "engine/page_selections.h"
#include "engine/report.h"
#include "platform/win32/win32_services.h"

namespace {

LRESULT Ask(HWND control, UINT message) { return ::SendMessageW(control, message, 0, 0); }

// The page's lists and check box, each read at the moment the engine asks for it.
class PageControls final : public PageSelections {
public:
    struct Lists {
        HWND module, port, baudRate, parity, byteSize, stopBits, flowControl;
    };
    PageControls(HWND setDefault, const Lists& lists) : m_setDefault(setDefault), m_lists(lists) {}

    long PortRow() override { return Selected(m_lists.port); }
    long ModelRow() override { return Selected(m_lists.module); }
    long SetDefaultCheck() override { return static_cast<long>(Ask(m_setDefault, BM_GETCHECK)); }
    long BaudRateRow() override { return Selected(m_lists.baudRate); }
    long ParityRow() override { return Selected(m_lists.parity); }
    long ByteSizeRow() override { return Selected(m_lists.byteSize); }
    long StopBitsRow() override { return Selected(m_lists.stopBits); }
    long FlowControlRow() override { return Selected(m_lists.flowControl); }

private:
    static long Selected(HWND list) { return static_cast<long>(Ask(list, CB_GETCURSEL)); }

    HWND m_setDefault;
    Lists m_lists;
};

}  // namespace

InstallResult CDetailSettingDlg::InstallPrinter() {
    Win32Services windows;
    PageControls controls(GetDlgItem(IDC_SET_DEFAULT),
                          {m_pModule, m_pPort, m_pBaudRate, m_pParity, m_pByteSize, m_pStopBits,
                           m_pFlowControl});
    if (m_report) return ::InstallPrinter(windows, *m_report, controls);
    return ::InstallPrinter(windows, controls);
}
