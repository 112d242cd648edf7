// setup.exe as the Windows loader sees it before any of its code runs: on the oldest Windows
// it serves, every DLL and function it imports must be there, or it does not start at all.
// Wine exports every function of every release, so only the import table can show this.
// Reads the 32-bit setup.exe that the win32 preset builds.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/imports/import_rules.h"

namespace {

std::vector<uint8_t> ReadBytes(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

class SetupImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        const std::vector<uint8_t> bytes = ReadBytes(SETUP_IMAGE);
        ASSERT_FALSE(bytes.empty()) << SETUP_IMAGE << " is missing: build the win32 preset first";
        ASSERT_TRUE(ReadPeImage(bytes, image, error)) << error;
    }
    PeImage image;
};

TEST_F(SetupImageTest, StartsOnWindowsNt4AndImportsOnlyKnownDlls) {
    std::ifstream tableFile(SYSTEM_EXPORTS_TABLE);
    ASSERT_TRUE(tableFile) << SYSTEM_EXPORTS_TABLE;
    std::stringstream table;
    table << tableFile.rdbuf();
    std::vector<ExportFact> facts;
    std::string error;
    ASSERT_TRUE(ReadExportTable(table.str(), facts, error)) << error;

    ASSERT_FALSE(image.imports.empty());
    for (const std::string& problem : CheckImage(image, facts)) ADD_FAILURE() << problem;
}

// Address-space layout randomisation and no-execute data, as every current installer has:
// both header flags, and the relocations that a moved image needs.
TEST_F(SetupImageTest, KeepsItsHardening) {
    EXPECT_EQ(image.dllCharacteristics & 0x0040, 0x0040) << "DYNAMIC_BASE";
    EXPECT_EQ(image.dllCharacteristics & 0x0100, 0x0100) << "NX_COMPAT";
    EXPECT_TRUE(image.hasRelocations);
    EXPECT_EQ(image.subsystem, 2) << "a GUI program";
}

}  // namespace
