// "Finish" on the real setup.exe with Wine's spooler, registry and files: what it copies,
// registers and writes, what it tells the user, and what it leaves alone.
#include "finish_fixture.h"

namespace {

const std::wstring kInstallFailed = L"错误：无法安装打印机";

TEST_F(FinishGuiTest, RoadInstallsFilesDriverPrinterDefaultAndPortSettings) {
    ASSERT_TRUE(WriteDriverPackage(m_work.path(), "road", kZrt340Files));
    ASSERT_TRUE(CreateKeyWithText(HKEY_CURRENT_USER, kUserWindowsKey, "Device", "Other,winspool,LPT2:"));
    WizardProcess wizard(m_work.path());
    ASSERT_NE(FinishWith(wizard, Choices{}), nullptr);
    EXPECT_EQ(ExitCodeOf(wizard), 0u);

    for (const std::string& file : kZrt340Files)
        EXPECT_EQ(ReadWholeFile(Installed(file)), PlaceholderContents(file, "road")) << file;

    const DriverFacts driver = FindDriver(kZrt340);
    ASSERT_TRUE(driver.found);
    EXPECT_TRUE(PathEndsWith(driver.dataFile, "Z34.GPD")) << driver.dataFile;
    bool dllAmongDependents = false;
    for (const std::string& file : driver.dependentFiles)
        dllAmongDependents = dllAmongDependents || file == "Z34.DLL" || PathEndsWith(file, "Z34.DLL");
    EXPECT_TRUE(dllAmongDependents);

    const PrinterFacts printer = FindPrinter(kZrt340);
    ASSERT_TRUE(printer.found);
    EXPECT_EQ(printer.port, "COM1:");
    EXPECT_EQ(printer.driver, kZrt340);
    EXPECT_EQ(printer.printProcessor, "WinPrint");
    EXPECT_EQ(printer.datatype, "RAW");

    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUserWindowsKey, "Device"), "ZRT-340,winspool,COM1:");
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kPortsKey, "COM1:"), "19200,N,8,1,p");
}

TEST_F(FinishGuiTest, LptPortWritesNoPortValue) {
    ASSERT_TRUE(WriteDriverPackage(m_work.path(), "lpt", kZrt340Files));
    const std::optional<RegistryValues> portsBefore = ReadKey(HKEY_LOCAL_MACHINE, kPortsKey);
    ASSERT_TRUE(portsBefore);
    WizardProcess wizard(m_work.path());
    ASSERT_NE(FinishWith(wizard, Choices{3, 0, false}), nullptr);
    EXPECT_EQ(ExitCodeOf(wizard), 0u);
    EXPECT_EQ(FindPrinter(kZrt340).port, "LPT1:");
    EXPECT_EQ(ReadKey(HKEY_LOCAL_MACHINE, kPortsKey), portsBefore);
}

TEST_F(FinishGuiTest, UntickedBoxLeavesTheDefaultPrinterAsItWas) {
    ASSERT_TRUE(WriteDriverPackage(m_work.path(), "unticked", kZrt340Files));
    ASSERT_TRUE(CreateKeyWithText(HKEY_CURRENT_USER, kUserWindowsKey, "Device", "Other,winspool,LPT2:"));
    WizardProcess wizard(m_work.path());
    ASSERT_NE(FinishWith(wizard, Choices{3, 4, false}), nullptr);
    EXPECT_EQ(ExitCodeOf(wizard), 0u);
    EXPECT_EQ(FindPrinter(kZrt340).port, "COM2:");
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUserWindowsKey, "Device"), "Other,winspool,LPT2:");
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kPortsKey, "COM2:"), "19200,N,8,1,p");
}

TEST_F(FinishGuiTest, MissingFileLeavesTheOtherSevenCopiedAndSaysTheInstallationFailed) {
    std::vector<std::string> sevenFiles = kZrt340Files;
    sevenFiles.erase(sevenFiles.begin() + 4);  // UNIDRV.HLP
    ASSERT_TRUE(WriteDriverPackage(m_work.path(), "seven", sevenFiles));
    ASSERT_TRUE(CreateKeyWithText(HKEY_CURRENT_USER, kUserWindowsKey, "Device", "Other,winspool,LPT2:"));
    WizardProcess wizard(m_work.path());
    ASSERT_NE(FinishWith(wizard, Choices{}), nullptr);

    HWND box = wizard.WaitForPage(L"setup");
    ASSERT_NE(box, nullptr) << "no message about the failed installation";
    EXPECT_EQ(MessageBoxText(box), kInstallFailed);
    EXPECT_FALSE(wizard.WaitForExit(0)) << "the wizard ended before the message was dismissed";
    ClickButton(box, IDOK);
    EXPECT_EQ(ExitCodeOf(wizard), 1603u);

    for (const std::string& file : sevenFiles)
        EXPECT_EQ(ReadWholeFile(Installed(file)), PlaceholderContents(file, "seven")) << file;
    EXPECT_FALSE(ReadWholeFile(Installed("UNIDRV.HLP")));
    EXPECT_TRUE(FindPrinter(kZrt340).found) << "the later steps still ran";
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUserWindowsKey, "Device"), "ZRT-340,winspool,COM1:");
}

TEST_F(FinishGuiTest, AbsentUserKeyGivesNoMessageAndThePortValueIsStillWritten) {
    ASSERT_TRUE(WriteDriverPackage(m_work.path(), "no user key", kZrt340Files));
    DeleteKey(HKEY_CURRENT_USER, kUserWindowsKey);
    WizardProcess wizard(m_work.path());
    ASSERT_NE(FinishWith(wizard, Choices{}), nullptr);
    // A message box would hold the wizard open: it ends by itself.
    EXPECT_EQ(ExitCodeOf(wizard), 1603u);
    EXPECT_FALSE(ReadKey(HKEY_CURRENT_USER, kUserWindowsKey)) << "the key was created";
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kPortsKey, "COM1:"), "19200,N,8,1,p");
    EXPECT_TRUE(FindPrinter(kZrt340).found);
}

TEST_F(FinishGuiTest, SourcesAreTakenFromTheCurrentDirectoryNotBesideTheProgram) {
    TempDir programDir;
    const std::wstring program = programDir.path() + L"\\setup.exe";
    ASSERT_TRUE(::CopyFileW(SetupExePath().c_str(), program.c_str(), FALSE));
    ASSERT_TRUE(WriteDriverPackage(programDir.path(), "beside the program", kZrt340Files));
    ASSERT_TRUE(WriteDriverPackage(m_work.path(), "current directory", kZrt340Files));
    WizardProcess wizard(m_work.path(), program);
    ASSERT_NE(FinishWith(wizard, Choices{3, 3, false}), nullptr);
    EXPECT_EQ(ExitCodeOf(wizard), 0u);
    for (const std::string& file : kZrt340Files)
        EXPECT_EQ(ReadWholeFile(Installed(file)), PlaceholderContents(file, "current directory"))
            << file;
}

}  // namespace
