// Page 1, "Select OS".
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
    BOOL OnInitDialog() override;
    void OnCancel() override;

    void OnBack();
    void OnNext();

    DECLARE_MESSAGE_MAP()
};
