// The order of the wizard's two pages. Page 1 goes on to page 2 only with OK; page 2 goes
// back to page 1 only with Cancel, which only its "Back" produces. Every other result,
// a page that failed to show included, ends the wizard.
#pragma once

#include "app/exit_code.h"
#include "app/page_result.h"

// SelectOsPage is constructed with no arguments, DetailSettingPage with pageArgs, and both are
// shown with DoModal(). One page-1 object serves every showing of page 1; page 2 gets a new
// object for each showing, so it always opens in its initial state. Page 2's ExitCode() says what
// its showing did (kExitNothingInstalled unless it ran "Finish").
//
// Returns the exit status of the wizard: that of the page 2 which ended it, or
// kExitNothingInstalled when page 1 did.
template <class SelectOsPage, class DetailSettingPage, class... PageArgs>
int RunPageSequence(PageArgs&... pageArgs) {
    SelectOsPage selectOs;
    while (selectOs.DoModal() == kPageOk) {
        int detailResult, exitCode;
        {
            DetailSettingPage detail(pageArgs...);
            detailResult = detail.DoModal();
            exitCode = detail.ExitCode();
        }
        if (detailResult != kPageCancel) return exitCode;
    }
    return kExitNothingInstalled;
}
