// The order of the wizard's two pages. Page 1 goes on to page 2 only with OK; page 2 goes
// back to page 1 only with Cancel, which only its "Back" produces. Every other result,
// a page that failed to show included, ends the wizard.
#pragma once

#include "app/page_result.h"

// SelectOsPage and DetailSettingPage are constructed with no arguments and shown with
// DoModal(). One page-1 object serves every showing of page 1; page 2 gets a new object
// for each showing, so it always opens in its initial state.
template <class SelectOsPage, class DetailSettingPage>
void RunPageSequence() {
    SelectOsPage selectOs;
    while (selectOs.DoModal() == kPageOk) {
        int detailResult;
        {
            DetailSettingPage detail;
            detailResult = detail.DoModal();
        }
        if (detailResult != kPageCancel) break;
    }
}
