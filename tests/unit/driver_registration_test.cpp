// The driver's record: the data file and the dependent-files list, byte for byte.
#include <gtest/gtest.h>

#include "finish_fixture.h"

namespace {

// The list as the spooler reads it: the three shared names, the model's DLL from byte 38,
// then zeros to the end of the 255 bytes.
std::vector<unsigned char> DependentFiles(const char* resourceDll) {
    static const char kShared[] = "\\ttfsub.GPD\0\\unires.DLL\0\\stdnames.GPD";
    std::vector<unsigned char> list(kShared, kShared + sizeof kShared);
    EXPECT_EQ(list.size(), 38u);
    for (const char* p = resourceDll; *p; ++p) list.push_back(static_cast<unsigned char>(*p));
    list.resize(255, 0);
    return list;
}

struct DriverCase {
    long modelRow;
    const char* driverName;
    const char* dataFile;
    const char* resourceDll;
    size_t usedBytes;  // up to and with the closing empty entry
};

const DriverCase kDriverCases[] = {
    {3, "ZRT-340", "\\Z34.GPD", "Z34.DLL", 47},
    {7, "ZRT-520B", "\\Z52B.GPD", "Z472.DLL", 48},
};

TEST_F(FinishTest, RegistersTheDriverWithTheModelsDataFileAndDependentFiles) {
    for (const DriverCase& c : kDriverCases) {
        SCOPED_TRACE(c.driverName);
        windows.driver = {};
        page.modelRow = c.modelRow;
        Run();
        EXPECT_EQ(windows.driver.name, c.driverName);
        EXPECT_EQ(windows.driver.dataFile, c.dataFile);
        EXPECT_EQ(windows.driver.cVersion, 2u);
        EXPECT_FALSE(windows.driver.monitorNameIsNull);
        EXPECT_EQ(windows.driver.dependentFiles, DependentFiles(c.resourceDll));

        // The list ends with two zeros right after the DLL's name and is zero to its end.
        const std::vector<unsigned char>& list = windows.driver.dependentFiles;
        ASSERT_EQ(list.size(), 255u);
        EXPECT_EQ(list[c.usedBytes - 2], 0);
        EXPECT_EQ(list[c.usedBytes - 1], 0);
        EXPECT_NE(list[c.usedBytes - 3], 0);
    }
}

}  // namespace
