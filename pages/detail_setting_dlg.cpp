#include "pages/detail_setting_dlg.h"

#include "app/os_kind.h"
#include "engine/catalogue.h"
#include "engine/display_text.h"
#include "engine/report.h"
#include "framework/load_string.h"
#include "framework/message_box.h"
#include "framework/paint_dc.h"
#include "framework/win_app.h"
#include "pages/about_dlg.h"
#include "pages/page_rules.h"

namespace {

LRESULT SelectedRow(HWND list) { return ::SendMessageW(list, CB_GETCURSEL, 0, 0); }

void SelectRow(HWND list, long row) { ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(row), 0); }

DisplayText ModelDisplayText(LRESULT row) {
    const ModelEntry& model = ModelTable[row];
    return DecodeDisplayText(model.displayText, model.displayKey);
}

}  // namespace

BEGIN_MESSAGE_MAP(CDetailSettingDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_BACK, OnBack)
    ON_BN_CLICKED(IDC_FINISH, OnFinish)
    ON_CBN_SELCHANGE(IDC_MODULE, OnSelchangeModule)
    ON_CBN_SELCHANGE(IDC_PORT, OnSelchangePort)
    ON_BN_CLICKED(IDC_CANCEL_BTN, OnCancel)
END_MESSAGE_MAP()

CDetailSettingDlg::CDetailSettingDlg(CWnd* parent)
    : CDialog(IDD, parent),
      m_hIcon(::LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

CDetailSettingDlg::CDetailSettingDlg(const PageChoices& choices, Report& report, CWnd* parent)
    : CDetailSettingDlg(parent) {
    m_choices = choices;
    m_report = &report;
}

void CDetailSettingDlg::DoDataExchange(CDataExchange*) {}

BOOL CDetailSettingDlg::OnInitDialog() {
    // The template's init data fills the port list and the five serial lists.
    CDialog::OnInitDialog();

    AddAboutEntry();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    SendDlgItemMessage(IDC_MODULE, CB_RESETCONTENT);
    for (size_t row = 0; row < kModelCount; ++row) {
        const DisplayText text = ModelDisplayText(static_cast<LRESULT>(row));
        SendDlgItemMessage(IDC_MODULE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    m_pModule = GetDlgItem(IDC_MODULE);
    SelectRow(m_pModule, m_choices.modelRow);
    SendDlgItemMessage(IDC_SET_DEFAULT, BM_SETCHECK,
                       m_choices.setDefault ? BST_CHECKED : BST_UNCHECKED);

    // Not the text of the selected model: the field changes only once a model is chosen,
    // by the user or by the command line.
    SetDlgItemText(IDC_PRINTER_NAME,
                   m_choices.modelChosen && IsModelRow(m_choices.modelRow)
                       ? ModelDisplayText(m_choices.modelRow).c_str()
                       : DecodeDisplayText(InitialNameText.text, InitialNameText.key).c_str());

    m_pPort = GetDlgItem(IDC_PORT);
    m_pBaudRate = GetDlgItem(IDC_BAUDRATE);
    m_pByteSize = GetDlgItem(IDC_BYTESIZE);
    m_pStopBits = GetDlgItem(IDC_STOPBITS);
    m_pParity = GetDlgItem(IDC_PARITY);
    m_pFlowControl = GetDlgItem(IDC_FLOWCONTROL);

    // Selecting from here sends no selection change, so the serial lists are enabled or
    // disabled directly: disabled for the initial port, a parallel one.
    SelectRow(m_pPort, m_choices.portRow);
    SelectRow(m_pBaudRate, m_choices.baudRateRow);
    SelectRow(m_pByteSize, m_choices.byteSizeRow);
    SelectRow(m_pStopBits, m_choices.stopBitsRow);
    SelectRow(m_pParity, m_choices.parityRow);
    SelectRow(m_pFlowControl, m_choices.flowControlRow);
    EnableSerialLists(IsSerialPortRow(m_choices.portRow));

    return TRUE;  // the focus goes to the first tab stop, the model list
}

void CDetailSettingDlg::AddAboutEntry() const {
    HMENU systemMenu = GetSystemMenu(FALSE);
    if (!systemMenu) return;
    wchar_t text[kLongestStringResource];
    if (AfxLoadString(IDS_ABOUTBOX, text, kLongestStringResource) == 0) return;
    ::AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(systemMenu, MF_STRING, IDM_ABOUTBOX, text);
}

void CDetailSettingDlg::EnableSerialLists(BOOL enable) const {
    const HWND lists[] = {m_pBaudRate, m_pByteSize, m_pStopBits, m_pParity, m_pFlowControl};
    for (HWND list : lists) ::EnableWindow(list, enable);
}

void CDetailSettingDlg::OnSysCommand(UINT nID, LPARAM) {
    if (IsAboutCommand(nID)) {
        CAboutDlg about;
        about.DoModal();
        return;
    }
    Default();  // move, minimise, close and the rest as usual
}

void CDetailSettingDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    RECT client;
    GetClientRect(&client);
    const IconOrigin at =
        MinimisedIconOrigin(client.right - client.left, client.bottom - client.top,
                            ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    ::DrawIcon(dc, at.x, at.y, m_hIcon);
}

HCURSOR CDetailSettingDlg::OnQueryDragIcon() { return m_hIcon; }

void CDetailSettingDlg::OnBack() { CDialog::OnCancel(); }

void CDetailSettingDlg::OnFinish() {
    m_exitCode = RunFinish(
        g_osKind, [this] { return InstallPrinter(); },
        [this] {
            if (m_report) m_report->Tell(IDS_UNSUPPORTED_WINDOWS);
            else AfxMessageBox(IDS_UNSUPPORTED_WINDOWS);
        });
    CDialog::OnOK();
}

void CDetailSettingDlg::OnSelchangeModule() {
    const LRESULT row = SelectedRow(m_pModule);
    if (!IsModelRow(row)) return;
    SetDlgItemText(IDC_PRINTER_NAME, ModelDisplayText(row).c_str());
}

void CDetailSettingDlg::OnSelchangePort() { EnableSerialLists(IsSerialPortRow(SelectedRow(m_pPort))); }

void CDetailSettingDlg::OnCancel() { CDialog::OnOK(); }
