// The rules that say whether setup.exe starts on the oldest Windows it serves, and the table
// of facts they read.
#include "tests/imports/import_rules.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

const char* const kTable =
    "# comment\n"
    "\n"
    "KERNEL32.dll\tCopyFileA\tnt4\tWin32 API since NT 3.1\n"
    "KERNEL32.dll\tGetTickCount64\tvista\tMS Learn: Vista\n"
    "USER32.dll\tMonitorFromWindow\t2000\tMS Learn: 2000\r\n"
    "msvcrt.dll\tmalloc\t2000\tVC6 runtime\n"
    "msvcrt.dll\t_get_heap_handle\txp\tnewer runtime\n";

std::vector<ExportFact> Table() {
    std::vector<ExportFact> facts;
    std::string error;
    EXPECT_TRUE(ReadExportTable(kTable, facts, error)) << error;
    return facts;
}

PeImage ImageImporting(const std::vector<PeImport>& imports) {
    PeImage image;
    image.majorSubsystemVersion = 4;
    image.imports = imports;
    return image;
}

TEST(ExportTableTest, ReadsEveryFactLine) {
    const std::vector<ExportFact> facts = Table();
    ASSERT_EQ(facts.size(), 5u);
    EXPECT_EQ(facts[1].dll, "KERNEL32.dll");
    EXPECT_EQ(facts[1].function, "GetTickCount64");
    EXPECT_EQ(facts[1].since, WindowsRelease::Vista);
    EXPECT_EQ(facts[1].source, "MS Learn: Vista");
    EXPECT_EQ(facts[2].source, "MS Learn: 2000") << "a Windows line end is no part of the source";
}

TEST(ExportTableTest, RefusesMalformedLinesAndRepeatsWithTheLineNumber) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"KERNEL32.dll CopyFileA nt4 spaces\n", "line 1: expected DLL, function, release and source, separated by tabs"},
        {"#\nKERNEL32.dll\tCopyFileA\tnt5\tno such release\n", "line 2: expected DLL, function, release and source, separated by tabs"},
        {"KERNEL32.dll\tCopyFileA\tnt4\n", "line 1: expected DLL, function, release and source, separated by tabs"},
        {"KERNEL32.dll\tCopyFileA\tnt4\ta\nkernel32.DLL\tCopyFileA\tnt4\tb\n", "line 2: kernel32.DLL CopyFileA stands twice"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<ExportFact> facts;
        std::string error;
        EXPECT_FALSE(ReadExportTable(c.text, facts, error));
        EXPECT_EQ(error, c.error);
    }
}

TEST(CheckImageTest, PassesWhatTheOldestReleaseExports) {
    const PeImage image = ImageImporting({{"kernel32.DLL", "CopyFileA"}, {"MSVCRT.dll", "malloc"}});
    EXPECT_EQ(CheckImage(image, Table()), std::vector<std::string>());
}

TEST(CheckImageTest, NamesEachImportTooNewWithTheReleaseItNeeds) {
    const PeImage image = ImageImporting({{"KERNEL32.dll", "GetTickCount64"},
                                          {"USER32.dll", "MonitorFromWindow"},
                                          {"msvcrt.dll", "_get_heap_handle"}});
    const std::vector<std::string> problems = CheckImage(image, Table());
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0],
              "KERNEL32.dll GetTickCount64 needs Windows Vista (MS Learn: Vista); setup.exe must "
              "start on Windows NT 4.0");
    EXPECT_NE(problems[1].find("USER32.dll MonitorFromWindow needs Windows 2000"), std::string::npos);
    EXPECT_NE(problems[2].find("msvcrt.dll _get_heap_handle needs Windows XP"), std::string::npos)
        << problems[2];
}

TEST(CheckImageTest, AnImportTheTableDoesNotKnowFails) {
    const std::vector<std::string> problems =
        CheckImage(ImageImporting({{"KERNEL32.dll", "CopyFileW"}, {"SHELL32.dll", "#680"}}), Table());
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].rfind("KERNEL32.dll CopyFileW is not in the table", 0), 0u) << problems[0];
    EXPECT_EQ(problems[1].rfind("SHELL32.dll #680 is not in the table", 0), 0u) << problems[1];
}

// A DLL that is no KnownDLL would be looked for beside setup.exe first: named once, however
// many of its functions are imported.
TEST(CheckImageTest, ImportFromADllThatIsNoKnownDllFails) {
    std::vector<ExportFact> facts = Table();
    facts.push_back({"WINSPOOL.DRV", "AddPrinterA", WindowsRelease::Nt4, "spooler"});
    facts.push_back({"WINSPOOL.DRV", "ClosePrinter", WindowsRelease::Nt4, "spooler"});
    const std::vector<std::string> problems = CheckImage(
        ImageImporting({{"WINSPOOL.DRV", "AddPrinterA"}, {"WINSPOOL.DRV", "ClosePrinter"}}), facts);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].rfind("WINSPOOL.DRV is imported, but is no KnownDLL", 0), 0u) << problems[0];
}

TEST(CheckImageTest, HeaderAskingForANewerSubsystemFails) {
    struct Case {
        uint16_t major, minor;
        bool starts;
    };
    const Case cases[] = {{3, 10, true}, {4, 0, true}, {4, 10, false}, {5, 1, false}, {6, 0, false}};
    for (const Case& c : cases) {
        PeImage image = ImageImporting({});
        image.majorSubsystemVersion = c.major;
        image.minorSubsystemVersion = c.minor;
        SCOPED_TRACE(testing::Message() << c.major << "." << c.minor);
        EXPECT_EQ(CheckImage(image, Table()).empty(), c.starts);
    }
}

TEST(CheckImageTest, DelayLoadedImportsAreNotPassedUnread) {
    PeImage image = ImageImporting({});
    image.hasDelayImports = true;
    EXPECT_EQ(CheckImage(image, Table()).size(), 1u);
}

// The project's own table is well formed, and no function in it is older than the releases
// the rules know.
TEST(ExportTableTest, ProjectTableReads) {
    std::ifstream file(SYSTEM_EXPORTS_TABLE);
    ASSERT_TRUE(file) << SYSTEM_EXPORTS_TABLE;
    std::stringstream text;
    text << file.rdbuf();
    std::vector<ExportFact> facts;
    std::string error;
    ASSERT_TRUE(ReadExportTable(text.str(), facts, error)) << error;
    EXPECT_FALSE(facts.empty());
}

}  // namespace
