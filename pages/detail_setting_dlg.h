// Page 2, "Detail Setting": the printer model, the port, the serial settings of a COM port
// and whether the new printer becomes the default one. The page keeps no copy of a choice:
// whoever needs one reads the control at that moment. Its lists hold the catalogue's rows
// in order, so a list's selected position is the row of its table.
#pragma once

#include "app/exit_code.h"
#include "engine/page_choices.h"
#include "framework/dialog.h"
#include "pages/resource.h"

class Report;

class CDetailSettingDlg : public CDialog {
public:
    enum { IDD = IDD_DETAIL_SETTING };
    // Loads the icon; touches no window. The page opens with its initial rows, and
    // "Finish" shows its messages and writes no log.
    explicit CDetailSettingDlg(CWnd* parent = nullptr);
    // The page opens with the choices (those of a command line), and "Finish" reports to
    // the report.
    CDetailSettingDlg(const PageChoices& choices, Report& report, CWnd* parent = nullptr);

    // What this showing of the page did, as the wizard's exit status.
    int ExitCode() const { return m_exitCode; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // Fills the model list, shows the initial name text (or the chosen model's), selects the
    // chosen rows and enables the serial lists for a COM port only; adds the About entry
    // to the system menu.
    BOOL OnInitDialog() override;
    // Cancel, Esc and the close box end the wizard: the page ends with IDOK, as only "Back"
    // returns to page 1.
    void OnCancel() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnBack();
    // Installs on the NT family only, then ends the wizard.
    void OnFinish();
    void OnSelchangeModule();
    void OnSelchangePort();

    // The page's own lists, taken when it opens; they live as long as the page's window.
    HWND m_pModule = nullptr;
    HWND m_pPort = nullptr;
    HWND m_pBaudRate = nullptr;
    HWND m_pByteSize = nullptr;
    HWND m_pStopBits = nullptr;
    HWND m_pParity = nullptr;
    HWND m_pFlowControl = nullptr;
    HICON m_hIcon;

    DECLARE_MESSAGE_MAP()

    void AddAboutEntry() const;
    void EnableSerialLists(BOOL enable) const;
    // The Finish work on this page's selections: files, driver, printer and settings. The
    // page stays up, without progress, until it returns.
    InstallResult InstallPrinter();

    // What this showing of the page did; set by "Finish".
    int m_exitCode = kExitNothingInstalled;
    // The rows the page opens with, and where "Finish" reports; null: message boxes only.
    PageChoices m_choices;
    Report* m_report = nullptr;
};
