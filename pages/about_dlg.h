// The About box: the program's name, its version and what it is for. Opened from the
// system menu of page 2.
#pragma once

#include "framework/dialog.h"
#include "pages/resource.h"

class CAboutDlg : public CDialog {
public:
    enum { IDD = IDD_ABOUTBOX };
    CAboutDlg();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // Shows the icon at the system's icon size, which grows with the DPI.
    BOOL OnInitDialog() override;

    DECLARE_MESSAGE_MAP()
};
