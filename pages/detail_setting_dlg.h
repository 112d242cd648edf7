// Page 2, "Detail Setting".
#pragma once

#include "framework/dialog.h"
#include "pages/resource.h"

class CDetailSettingDlg : public CDialog {
public:
    enum { IDD = IDD_DETAIL_SETTING };
    explicit CDetailSettingDlg(CWnd* parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnCancel() override;

    void OnBack();
    void OnFinish();

    DECLARE_MESSAGE_MAP()
};
