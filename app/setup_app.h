// The wizard's application object: it runs the two pages and ends the program.
#pragma once

#include "framework/win_app.h"

class CSetupApp : public CWinApp {
public:
    CSetupApp();
    ~CSetupApp() override;

    // Does what the command line asks (by default runs page 1 and page 2 in turn until the
    // wizard ends) and keeps the outcome as the exit status; always FALSE, so the program
    // ends when the work does.
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
