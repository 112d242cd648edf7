// The pages' font, "宋体" at 9 points, as the Wine prefix provides it: every character that
// the pages show in it must come out as ink. A font whose small sizes lose a thin stroke
// (a hyphen lying between two rows of pixel centres, drawn without anti-aliasing) shows the
// model "ZRT-340 Printer" as "ZRT 340 Printer", although the list holds the hyphen.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "../../pages/about_dlg.h"
#include "../../pages/detail_setting_dlg.h"
#include "../../pages/resource.h"
#include "page_on_thread.h"

namespace {

// The text as DrawText draws it in the font, black on white, one pixel per element.
std::vector<DWORD> Picture(HFONT font, const std::wstring& text) {
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ oldFont = ::SelectObject(dc, font);
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const int width = extent.cx + 8, height = extent.cy + 8;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<DWORD> pixels;
    if (bitmap && bits) {
        HGDIOBJ oldBitmap = ::SelectObject(dc, bitmap);
        RECT all{0, 0, width, height};
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, RGB(0, 0, 0));
        RECT place{4, 4, width, height};
        ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place,
                    DT_NOPREFIX | DT_SINGLELINE);
        ::GdiFlush();
        const auto* first = static_cast<const DWORD*>(bits);
        pixels.assign(first, first + width * height);
        ::SelectObject(dc, oldBitmap);
        ::DeleteObject(bitmap);
    }
    ::SelectObject(dc, oldFont);
    ::DeleteDC(dc);
    return pixels;
}

int InkPixels(HFONT font, const std::wstring& text) {
    int ink = 0;
    for (DWORD pixel : Picture(font, text)) ink += (pixel & 0xFFFFFF) != 0xFFFFFF;
    return ink;
}

// True when the font selected for `font` has a glyph of its own for the character.
bool HasGlyph(HFONT font, wchar_t character) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, font);
    WORD glyph = 0xFFFF;
    const DWORD done = ::GetGlyphIndicesW(dc, &character, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return done == 1 && glyph != 0xFFFF;
}

HFONT FontOf(HWND window) {
    return reinterpret_cast<HFONT>(::SendMessageW(window, WM_GETFONT, 0, 0));
}

std::wstring ControlText(HWND control) {
    wchar_t text[256] = {};
    ::GetWindowTextW(control, text, 256);
    return text;
}

// Every character of the texts other than spaces: a glyph of the font's own, and ink.
void ExpectDrawn(HFONT font, const std::wstring& texts) {
    for (wchar_t character : texts) {
        if (character == L' ') continue;
        const std::wstring one(1, character);
        EXPECT_TRUE(HasGlyph(font, character)) << "no glyph for U+" << std::hex
                                               << static_cast<int>(character);
        EXPECT_GT(InkPixels(font, one), 0) << "nothing drawn for U+" << std::hex
                                           << static_cast<int>(character);
    }
}

TEST(PageFontTest, ModelListDrawsItsFirstItemWithTheHyphen) {
    PageOnThread<CDetailSettingDlg> page;
    HWND window = page.WaitForWindow(L"Detail Setting");
    ASSERT_NE(window, nullptr);
    HWND list = ::GetDlgItem(window, IDC_MODULE);
    ASSERT_NE(list, nullptr);
    HFONT font = FontOf(list);
    ASSERT_NE(font, nullptr);

    wchar_t item[64] = {};
    ASSERT_GT(::SendMessageW(list, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item)), 0);
    const std::wstring text = item;
    const auto hyphen = text.find(L'-');
    ASSERT_NE(hyphen, std::wstring::npos) << "the first model has no hyphen: " << text;

    // The item as the list shows it differs from the same text with a space for the hyphen.
    std::wstring withoutHyphen = text;
    withoutHyphen[hyphen] = L' ';
    EXPECT_TRUE(Picture(font, text) != Picture(font, withoutHyphen))
        << text << " looks the same without its hyphen";
    ExpectDrawn(font, text);

    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_CANCEL_BTN, BN_CLICKED), 0);
    EXPECT_EQ(page.WaitForResult(), IDOK);
}

TEST(PageFontTest, PageFontDrawsAllOfAsciiAndTheAboutBoxTexts) {
    PageOnThread<CDetailSettingDlg> page;
    HWND window = page.WaitForWindow(L"Detail Setting");
    ASSERT_NE(window, nullptr);
    std::wstring ascii;
    for (wchar_t c = 0x21; c < 0x7F; ++c) ascii += c;
    ExpectDrawn(FontOf(window), ascii);

    // The About box's Chinese texts, in the About box's own font.
    ::PostMessageW(window, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = page.WaitForWindow(L"关于 ZILT");
    ASSERT_NE(about, nullptr);
    std::wstring texts;
    // The icon control's "text" is the icon's resource number, no text to draw.
    for (HWND child = ::GetWindow(about, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if ((::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) texts += ControlText(child);
    EXPECT_NE(texts.find(L"系列打印机安装向导"), std::wstring::npos);
    ExpectDrawn(FontOf(about), texts);
    ::PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);

    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_CANCEL_BTN, BN_CLICKED), 0);
    EXPECT_EQ(page.WaitForResult(), IDOK);
}

}  // namespace
