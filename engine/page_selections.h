// What the Finish work reads from the "Detail Setting" page. Each value is read from the
// page's control at the moment a step needs it, never earlier: list positions as
// CB_GETCURSEL gives them (-1 for no selection), the check box as BM_GETCHECK gives it.
#pragma once

constexpr long kBstChecked = 1;  // BST_CHECKED; 0 is unticked, 2 indeterminate

class PageSelections {
public:
    virtual ~PageSelections() = default;

    virtual long PortRow() = 0;   // IDC_PORT: a row of PortTable
    virtual long ModelRow() = 0;  // IDC_MODULE: a row of ModelTable
    virtual long SetDefaultCheck() = 0;  // IDC_SET_DEFAULT

    // The five serial lists, rows of their tables.
    virtual long BaudRateRow() = 0;
    virtual long ParityRow() = 0;
    virtual long ByteSizeRow() = 0;
    virtual long StopBitsRow() = 0;
    virtual long FlowControlRow() = 0;
};
