// setup.exe as the Windows loader sees it before any of its code runs: on the oldest Windows
// it serves, every DLL and function it imports must be there, or it does not start at all.
// Wine exports every function of every release, so only the import table can show this.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/imports/import_rules.h"

namespace {

// The built setup.exe, which lies beside this test program.
std::wstring SetupPath() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + L"setup.exe";
}

std::vector<uint8_t> ReadBytes(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

TEST(SetupImageTest, StartsOnWindowsNt4) {
    std::ifstream tableFile(SYSTEM_EXPORTS_TABLE);
    ASSERT_TRUE(tableFile) << SYSTEM_EXPORTS_TABLE;
    std::stringstream table;
    table << tableFile.rdbuf();
    std::vector<ExportFact> facts;
    std::string error;
    ASSERT_TRUE(ReadExportTable(table.str(), facts, error)) << error;

    PeImage image;
    ASSERT_TRUE(ReadPeImage(ReadBytes(SetupPath()), image, error)) << error;
    ASSERT_FALSE(image.imports.empty());
    for (const std::string& problem : CheckImage(image, facts)) ADD_FAILURE() << problem;
}

// Address-space layout randomisation and no-execute data, as every current installer has:
// both header flags, and the relocations that a moved image needs.
TEST(SetupImageTest, KeepsItsHardening) {
    PeImage image;
    std::string error;
    ASSERT_TRUE(ReadPeImage(ReadBytes(SetupPath()), image, error)) << error;
    EXPECT_EQ(image.dllCharacteristics & 0x0040, 0x0040) << "DYNAMIC_BASE";
    EXPECT_EQ(image.dllCharacteristics & 0x0100, 0x0100) << "NX_COMPAT";
    EXPECT_TRUE(image.hasRelocations);
    EXPECT_EQ(image.subsystem, 2) << "a GUI program";
}

}  // namespace
