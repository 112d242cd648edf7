// The wizard's application object: it runs the two pages and ends the program.
#pragma once

#include "framework/win_app.h"

class CSetupApp : public CWinApp {
public:
    CSetupApp();
    ~CSetupApp() override;

    // Runs page 1 and page 2 in turn until the wizard ends and keeps what they did as the
    // exit status; always FALSE, so the program ends when the pages do.
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
