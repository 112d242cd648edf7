// The driver files: the eight copies of each model, the same whatever the port and the box.
#include <gtest/gtest.h>

#include "finish_fixture.h"

namespace {

struct CopyCase {
    long modelRow, portRow, setDefaultCheck;
    const char* resourceDll;
    const char* gpd;
};

const CopyCase kCopyCases[] = {
    {1, 0, 0, "Z21.DLL", "Z21K.GPD"},
    {3, 4, kBstChecked, "Z34.DLL", "Z34.GPD"},
    {7, 2, kBstChecked, "Z472.DLL", "Z52B.GPD"},
};

TEST_F(FinishTest, CopiesTheModelsTwoFilesAndTheSixUnidrvFiles) {
    for (const CopyCase& c : kCopyCases) {
        SCOPED_TRACE(testing::Message() << "model row " << c.modelRow);
        windows.calls.clear();
        page.modelRow = c.modelRow;
        page.portRow = c.portRow;
        page.setDefaultCheck = c.setDefaultCheck;
        Run();

        const std::string d = kDriverDir;
        const std::vector<std::string> expected = {
            "CopyFileA(win2k\\" + std::string(c.resourceDll) + ", " + d + "\\" + c.resourceDll + ", FALSE)",
            "CopyFileA(win2k\\" + std::string(c.gpd) + ", " + d + "\\" + c.gpd + ", FALSE)",
            "CopyFileA(win2k\\uniDRVui.DLL, " + d + "\\uniDRVui.DLL, FALSE)",
            "CopyFileA(win2k\\uniDRV.DLL, " + d + "\\uniDRV.DLL, FALSE)",
            "CopyFileA(win2k\\UNIDRV.HLP, " + d + "\\UNIDRV.HLP, FALSE)",
            "CopyFileA(win2k\\UNIRES.DLL, " + d + "\\UNIRES.DLL, FALSE)",
            "CopyFileA(win2k\\TTFSUB.GPD, " + d + "\\TTFSUB.GPD, FALSE)",
            "CopyFileA(win2k\\STDNAMES.GPD, " + d + "\\STDNAMES.GPD, FALSE)",
        };
        EXPECT_EQ(CallsOf("CopyFileA"), expected);
    }
}

TEST_F(FinishTest, EveryCopyIsTriedWhenSeveralFail) {
    page.modelRow = 5;
    windows.failingCopySources = {"win2k\\Z47.DLL", "win2k\\STDNAMES.GPD"};
    EXPECT_EQ(Run(), InstallResult::Failed);
    const std::vector<std::string> copies = CallsOf("CopyFileA");
    ASSERT_EQ(copies.size(), 8u);
    EXPECT_EQ(copies[1], "CopyFileA(win2k\\Z47A.GPD, " + kDriverDir + "\\Z47A.GPD, FALSE)");
    EXPECT_EQ(copies[7], "CopyFileA(win2k\\STDNAMES.GPD, " + kDriverDir + "\\STDNAMES.GPD, FALSE)");
}

}  // namespace
