// The version resource of the real setup.exe, read the way Explorer's Details page and
// deployment tools read it (GetFileVersionInfo, VerQueryValue): the numbers, the two string
// tables that "Translation" lists, and the About box's text, which names the same version.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "../../pages/resource.h"
#include "dialog_resource.h"
#include "driver_package.h"
#include "expected_pages.h"
#include "wizard_process.h"

namespace {

class FileVersionInfo {
public:
    explicit FileVersionInfo(const std::wstring& path) {
        DWORD ignored = 0;
        const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), &ignored);
        if (size == 0) return;
        m_data.resize(size);
        if (!::GetFileVersionInfoW(path.c_str(), 0, size, m_data.data())) m_data.clear();
    }

    bool loaded() const { return !m_data.empty(); }

    const VS_FIXEDFILEINFO* Fixed() const {
        return static_cast<const VS_FIXEDFILEINFO*>(Query(L"\\", sizeof(VS_FIXEDFILEINFO)));
    }

    // Each entry: the language in the low word, the code page in the high word, as stored.
    std::vector<DWORD> Translations() const {
        UINT length = 0;
        void* value = nullptr;
        std::vector<DWORD> entries;
        if (!::VerQueryValueW(m_data.data(), L"\\VarFileInfo\\Translation", &value, &length))
            return entries;
        const auto* words = static_cast<const DWORD*>(value);
        entries.assign(words, words + length / sizeof(DWORD));
        return entries;
    }

    // The value `name` of the string table `table` ("080404b0"); false when it is missing.
    bool String(const wchar_t* table, const wchar_t* name, std::wstring& text) const {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\") + table + L"\\" + name;
        UINT length = 0;
        void* value = nullptr;
        if (!::VerQueryValueW(m_data.data(), path.c_str(), &value, &length) || value == nullptr)
            return false;
        text = static_cast<const wchar_t*>(value);  // a string value ends with its terminator
        return true;
    }

private:
    const void* Query(const wchar_t* path, UINT minimumLength) const {
        UINT length = 0;
        void* value = nullptr;
        if (!::VerQueryValueW(m_data.data(), path, &value, &length) || length < minimumLength)
            return nullptr;
        return value;
    }

    std::vector<BYTE> m_data;
};

std::wstring DottedVersion(DWORD high, DWORD low) {
    return std::to_wstring(HIWORD(high)) + L"." + std::to_wstring(LOWORD(high)) + L"." +
           std::to_wstring(HIWORD(low)) + L"." + std::to_wstring(LOWORD(low));
}

TEST(VersionResourceGuiTest, FixedPartNamesVersionOneOfAnApplication) {
    FileVersionInfo info(SetupExePath());
    ASSERT_TRUE(info.loaded()) << "setup.exe has no version resource";
    const VS_FIXEDFILEINFO* fixed = info.Fixed();
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(DottedVersion(fixed->dwFileVersionMS, fixed->dwFileVersionLS), L"1.0.0.0");
    EXPECT_EQ(DottedVersion(fixed->dwProductVersionMS, fixed->dwProductVersionLS), L"1.0.0.0");
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u) << "marked debug, pre-release or patched";
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST(VersionResourceGuiTest, TranslationListsChineseThenEnglishInUnicode) {
    FileVersionInfo info(SetupExePath());
    ASSERT_TRUE(info.loaded());
    const std::vector<DWORD> expected = {MAKELONG(0x0804, 1200), MAKELONG(0x0409, 1200)};
    EXPECT_EQ(info.Translations(), expected);
}

struct StringCase {
    const wchar_t* table;
    const wchar_t* name;
    const wchar_t* value;
};

const StringCase kStrings[] = {
    {L"080404b0", L"CompanyName", L"ZILT"},
    {L"080404b0", L"FileDescription", L"ZRT 系列打印机安装向导"},
    {L"080404b0", L"FileVersion", L"1.0.0.0"},
    {L"080404b0", L"InternalName", L"setup.exe"},
    {L"080404b0", L"LegalCopyright", L"版权所有 © 2026 ZILT"},
    {L"080404b0", L"OriginalFilename", L"setup.exe"},
    {L"080404b0", L"ProductName", L"ZILT printer setup"},
    {L"080404b0", L"ProductVersion", L"1.0.0.0"},
    {L"040904b0", L"CompanyName", L"ZILT"},
    {L"040904b0", L"FileDescription", L"ZRT series printer setup wizard"},
    {L"040904b0", L"FileVersion", L"1.0.0.0"},
    {L"040904b0", L"InternalName", L"setup.exe"},
    {L"040904b0", L"LegalCopyright", L"Copyright © 2026 ZILT"},
    {L"040904b0", L"OriginalFilename", L"setup.exe"},
    {L"040904b0", L"ProductName", L"ZILT printer setup"},
    {L"040904b0", L"ProductVersion", L"1.0.0.0"},
};

TEST(VersionResourceGuiTest, BothStringTablesHoldEveryField) {
    FileVersionInfo info(SetupExePath());
    ASSERT_TRUE(info.loaded());
    for (const StringCase& c : kStrings) {
        SCOPED_TRACE(Narrow(std::wstring(c.table) + L"\\" + c.name));
        std::wstring text;
        ASSERT_TRUE(info.String(c.table, c.name, text)) << "missing";
        EXPECT_EQ(text, c.value);
    }
}

// The texts are made from the same numbers as the fixed part and the About box, so a
// version changed in one place shows the same everywhere.
TEST(VersionResourceGuiTest, TextsAndAboutBoxNameTheFixedVersion) {
    FileVersionInfo info(SetupExePath());
    ASSERT_TRUE(info.loaded());
    const VS_FIXEDFILEINFO* fixed = info.Fixed();
    ASSERT_NE(fixed, nullptr);
    const std::wstring fileVersion = DottedVersion(fixed->dwFileVersionMS, fixed->dwFileVersionLS);
    const std::wstring productVersion = DottedVersion(fixed->dwProductVersionMS, fixed->dwProductVersionLS);
    for (const wchar_t* table : {L"080404b0", L"040904b0"}) {
        SCOPED_TRACE(Narrow(table));
        std::wstring text;
        EXPECT_TRUE(info.String(table, L"FileVersion", text));
        EXPECT_EQ(text, fileVersion);
        EXPECT_TRUE(info.String(table, L"ProductVersion", text));
        EXPECT_EQ(text, productVersion);
    }

    ResourceModule setup(SetupExePath());
    DialogResource about;
    ASSERT_TRUE(ReadDialogResource(setup.get(), IDD_ABOUTBOX, kResourceLanguage, about));
    ASSERT_GE(about.items.size(), 2u);
    EXPECT_EQ(about.items[1].text, L"ZILT " + std::to_wstring(HIWORD(fixed->dwProductVersionMS)) + L"." +
                                       std::to_wstring(LOWORD(fixed->dwProductVersionMS)) + L" 版");
}

}  // namespace
