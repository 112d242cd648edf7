// What the three dialogs are made of, control by control in template order: the table the
// template tests and the tests of the shown pages walk.
#pragma once

#include <windows.h>

#include <vector>

struct ExpectedControl {
    int id;              // -1 for the labels and group boxes
    const wchar_t* className;
    const wchar_t* text;  // null for the icon, which is given by its resource number
    DWORD style;
    short x, y, cx, cy;
};

struct ExpectedDialog {
    int templateId;
    const wchar_t* title;
    bool extended;
    DWORD style;
    DWORD exStyle;
    short cx, cy;
    std::vector<ExpectedControl> controls;
};

const ExpectedDialog& SelectOsDialog();
const ExpectedDialog& DetailSettingDialog();
const ExpectedDialog& AboutDialog();

// The language of every resource: Chinese (PRC).
constexpr WORD kResourceLanguage = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
