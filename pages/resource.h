// Resource IDs shared by setup.rc and the code.
#pragma once

// Icon
#define IDR_MAINFRAME 128

// "Select OS" (page 1)
#define IDD_SELECT_OS 129
#define IDC_BACK 1008
#define IDC_NEXT 1009
#define IDC_CANCEL_BTN 1010

// "Detail Setting" (page 2)
#define IDD_DETAIL_SETTING 102
#define IDC_FINISH 1009
