// Resource IDs shared by setup.rc and the code. Control IDs belong to their own dialog;
// the two pages use some of the same numbers for different controls.
#pragma once

// Icon group: page 2's window icon and the About box's picture
#define IDR_MAINFRAME       128

// "Select OS" (page 1)
#define IDD_SELECT_OS       129
#define IDC_OS_WIN95        1000
#define IDC_OS_WIN98        1001
#define IDC_OS_NT40         1002
#define IDC_OS_WIN2000      1003
#define IDC_OS_WINXP        1004
#define IDC_LANG_CHINESE    1005
#define IDC_LANG_ENGLISH    1006
#define IDC_SLIDER          1007
#define IDC_BACK            1008
#define IDC_NEXT            1009
#define IDC_CANCEL_BTN      1010
#define IDC_OS_WIN2003      1011
#define IDC_OS_VISTA        1020
#define IDC_OS_WIN7         1021

// "Detail Setting" (page 2); Back, Finish and Cancel keep page 1's numbers
#define IDD_DETAIL_SETTING  102
#define IDC_FINISH          1009
#define IDC_MODULE          1011
#define IDC_SET_DEFAULT     1012
#define IDC_PRINTER_NAME    1013
#define IDC_PORT            1014
#define IDC_BAUDRATE        1015
#define IDC_BYTESIZE        1016
#define IDC_FLOWCONTROL     1017
#define IDC_PARITY          1018
#define IDC_STOPBITS        1019

// About box, reached from page 2's system menu
#define IDD_ABOUTBOX        100
#define IDS_ABOUTBOX        101
#define IDM_ABOUTBOX        0x0010

// The messages, 130 on, are numbered where the engine that tells them can reach them
#include "../engine/messages.h"

#ifndef IDC_STATIC
#define IDC_STATIC          (-1)
#endif
