// Page 1, "Select OS": shows which Windows release the wizard runs on by marking its radio
// button. The mark is for the user to see; nothing reads it back, the installation goes by
// g_osKind alone.
#pragma once

#include "framework/dialog.h"
#include "pages/resource.h"

class CSelectOsDlg : public CDialog {
public:
    enum { IDD = IDD_SELECT_OS };
    explicit CSelectOsDlg(CWnd* parent = nullptr);
    ~CSelectOsDlg() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    // Classifies the system again and marks its radio button and "English"; the focus goes
    // to "Next", so Enter leads on at once.
    BOOL OnInitDialog() override;
    void OnCancel() override;

    void OnBack();
    void OnNext();
    void OnPaint();

    DECLARE_MESSAGE_MAP()
};
