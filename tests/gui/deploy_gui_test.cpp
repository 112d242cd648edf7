// The real setup.exe started as deployment tools start it, with Wine's spooler, registry
// and files: a quiet installation that shows no window and leaves what "Finish" leaves, a
// wrong command line, the log, a run on another port, the removal, and the wizard preset.
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "../../engine/catalogue.h"
#include "../../engine/driver_environment.h"
#include "detail_state.h"
#include "finish_fixture.h"
#include "install_trace.h"

namespace {

constexpr const wchar_t* kRecordKey = L"SOFTWARE\\ZILT\\Printer Setup\\ZRT-340";
constexpr const char* kZrt470a = "ZRT-470A";

struct Outcome {
    bool ended = false;
    DWORD exitCode = ~0u;
    std::wstring window;  // the first window the run showed; empty for none
};

// Removes what the tests install (two models) and puts the registry keys they touch back.
class DeployGuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveBoth();
        ASSERT_TRUE(WriteDriverPackage(m_work.path(), "deploy", kZrt340Files));
        ASSERT_TRUE(WriteDriverPackage(m_work.path(), "deploy", kZrt470aFiles));
        ASSERT_TRUE(CreateKeyWithText(HKEY_CURRENT_USER, kUserWindowsKey, "Device", "Other,winspool,LPT2:"));
        ASSERT_TRUE(CreateKeyWithText(HKEY_LOCAL_MACHINE, kPortsKey, "COM1:", "4800,E,7,1,x"));
        ASSERT_TRUE(CreateKeyWithText(HKEY_LOCAL_MACHINE, kPortsKey, "COM2:", "9600,n,8,1"));
    }
    void TearDown() override { RemoveBoth(); }

    // Every model's printer and driver goes, so that no driver left by another run keeps the
    // shared files from being removed.
    void RemoveBoth() {
        for (const ModelEntry& model : ModelTable) RemovePrinterAndDriver(model.driverName, {});
        RemovePrinterAndDriver(kZrt340, kZrt340Files);
        RemovePrinterAndDriver(kZrt470a, kZrt470aFiles);
        DeleteKey(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ZILT");
    }

    // Runs setup.exe with the arguments to its end, watching for any window.
    Outcome Run(const std::wstring& arguments) {
        WizardProcess setup(m_work.path(), SetupExePath(), arguments);
        Outcome outcome;
        outcome.ended = setup.WaitForExitWatchingWindows(60000, &outcome.exitCode, &outcome.window);
        return outcome;
    }

    std::wstring LogPath(const wchar_t* name) const { return m_work.path() + L"\\" + name; }

    // The lines of the log, each checked for its date and time and returned without them.
    std::vector<std::string> LogLines(const std::wstring& path) const {
        std::vector<std::string> lines;
        const std::optional<std::string> text = ReadWholeFile(path);
        if (!text) return lines;
        const std::regex stamp("^[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2} ");
        for (size_t start = 0; start < text->size();) {
            size_t end = text->find("\r\n", start);
            if (end == std::string::npos) end = text->size();
            const std::string line = text->substr(start, end - start);
            EXPECT_TRUE(std::regex_search(line, stamp)) << line;
            lines.push_back(line.size() > 20 ? line.substr(20) : line);
            start = end + 2;
        }
        return lines;
    }

    static bool Contains(const std::vector<std::string>& lines, const std::string& line) {
        for (const std::string& l : lines)
            if (l == line) return true;
        return false;
    }

    RegistryKeyGuard m_userWindows{HKEY_CURRENT_USER, kUserWindowsKey};
    RegistryKeyGuard m_ports{HKEY_LOCAL_MACHINE, kPortsKey};
    ReportedWindowsVersion m_version{L"winxp"};
    TempDir m_work;
};

TEST_F(DeployGuiTest, QuietInstallationShowsNoWindowAndLeavesWhatFinishLeaves) {
    // "Finish" on page 2 with ZRT-340 on COM1 and the box ticked...
    {
        WizardProcess wizard(m_work.path());
        ASSERT_NE(FinishWith(wizard, Choices{3, 3, true}), nullptr);
        ASSERT_EQ(ExitCodeOf(wizard), 0u);
    }
    const InstallTrace afterFinish = TakeInstallTrace();
    const std::optional<RegistryValues> recordAfterFinish = ReadKey(HKEY_LOCAL_MACHINE, kRecordKey);
    ASSERT_TRUE(recordAfterFinish);

    // ...and the same choices from the command line, on the machine as it was before.
    RemoveBoth();
    ASSERT_TRUE(CreateKeyWithText(HKEY_CURRENT_USER, kUserWindowsKey, "Device", "Other,winspool,LPT2:"));
    ASSERT_TRUE(CreateKeyWithText(HKEY_LOCAL_MACHINE, kPortsKey, "COM1:", "4800,E,7,1,x"));
    const Outcome quiet = Run(L"/quiet /model=ZRT-340 /port=COM1 /default");
    ASSERT_TRUE(quiet.ended);
    EXPECT_EQ(quiet.window, L"") << "a quiet installation showed a window";
    EXPECT_EQ(quiet.exitCode, 0u);

    EXPECT_TRUE(TakeInstallTrace() == afterFinish) << "the quiet installation left something else";
    EXPECT_EQ(FindPrinter(kZrt340).port, "COM1:");
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUserWindowsKey, "Device"), "ZRT-340,winspool,COM1:");
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kPortsKey, "COM1:"), "19200,N,8,1,p");
    EXPECT_EQ(ReadKey(HKEY_LOCAL_MACHINE, kRecordKey), recordAfterFinish);
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kRecordKey, "Port"), "COM1:");
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kRecordKey, "Previous COM1:"), "4800,E,7,1,x");
}

// Quiet runs that end without changing anything.
struct UnchangedCase {
    const char* what;
    const wchar_t* arguments;
    bool logInMissingFolder;  // adds /log with a file in a folder that does not exist
    DWORD exitCode;
};

const UnchangedCase kUnchangedCases[] = {
    {"an unknown option", L"/quiet /model=ZRT-340 /colour=red", false, 87},
    {"a log that cannot be opened", L"/quiet /model=ZRT-340", true, 1622},
    {"removal with nothing installed", L"/uninstall /quiet /model=ZRT-340", false, 1605},
};

TEST_F(DeployGuiTest, QuietRunsThatEndEarlyShowNoWindowAndChangeNothing) {
    for (const UnchangedCase& c : kUnchangedCases) {
        SCOPED_TRACE(c.what);
        std::wstring arguments = c.arguments;
        if (c.logInMissingFolder) arguments += L" /log=\"" + LogPath(L"no such folder\\a.log") + L"\"";
        const InstallTrace before = TakeInstallTrace();
        const Outcome outcome = Run(arguments);
        ASSERT_TRUE(outcome.ended);
        EXPECT_EQ(outcome.window, L"");
        EXPECT_EQ(outcome.exitCode, c.exitCode);
        EXPECT_TRUE(TakeInstallTrace() == before) << "something was changed";
    }
}

TEST_F(DeployGuiTest, WrongOptionWithoutQuietSaysWhatWasWrongWithTheUsage) {
    const InstallTrace before = TakeInstallTrace();
    WizardProcess setup(m_work.path(), SetupExePath(), L"/model=ZRT-340 /port=COM1 /baud=1234");
    HWND box = setup.WaitForPage(L"setup");
    ASSERT_NE(box, nullptr) << "no message about the command line";
    const std::wstring text = MessageBoxText(box);
    EXPECT_EQ(text.rfind(L"\"1234\" is not a value of /baud\n\n", 0), 0u) << Narrow(text);
    EXPECT_NE(text.find(L"setup.exe /quiet /model=NAME [choices]"), std::wstring::npos) << Narrow(text);
    EXPECT_EQ(::FindWindowW(nullptr, L"Select OS"), nullptr) << "the wizard opened";
    ClickButton(box, IDOK);
    EXPECT_EQ(ExitCodeOf(setup), 87u);
    EXPECT_TRUE(TakeInstallTrace() == before);
}

TEST_F(DeployGuiTest, LogHasVersionsCommandLineStepsAndExitStatusForACompleteAndAFailedRun) {
    const std::wstring log = LogPath(L"setup.log");
    const std::wstring arguments = L"/quiet /model=ZRT-340 /port=COM1 /log=\"" + log + L"\"";
    const Outcome complete = Run(arguments);
    ASSERT_TRUE(complete.ended);
    EXPECT_EQ(complete.exitCode, 0u);
    std::vector<std::string> lines = LogLines(log);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_TRUE(std::regex_match(lines[0], std::regex("ZILT printer setup 1\\.0\\.0\\.0; Windows NT [0-9]+\\.[0-9]+ build "
                                                      "[0-9]+.* \\(Windows [^)]+\\); command line: .*setup\\.exe\" .*")))
        << lines[0];
    EXPECT_NE(lines[0].find(Narrow(arguments)), std::string::npos) << lines[0];
    const std::string dir = Narrow(DriverDirectory());
    EXPECT_TRUE(Contains(lines, "driver directory: " + dir)) << dir;
    for (const std::string& file : kZrt340Files)
        EXPECT_TRUE(Contains(lines, "copy win2k\\" + file + " to " + dir + "\\" + file + " -> done")) << file;
    EXPECT_TRUE(Contains(lines, std::string("register driver ZRT-340 for ") + kDriverEnvironment + " -> done"));
    EXPECT_TRUE(Contains(lines, "add printer ZRT-340 on COM1: -> done"));
    EXPECT_TRUE(Contains(lines, "record port COM1: under HKLM\\SOFTWARE\\ZILT\\Printer Setup\\ZRT-340 -> done"));
    EXPECT_TRUE(Contains(lines, "set COM1: under HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports "
                                "to 19200,N,8,1,p -> done"));
    EXPECT_EQ(lines.back(), "exit status 0");
    const size_t firstRun = lines.size();

    // The same log again, with UNIDRV.HLP missing from the package: appended, not replaced.
    RemoveBoth();
    ASSERT_TRUE(::DeleteFileW((m_work.path() + L"\\win2k\\UNIDRV.HLP").c_str()));
    const Outcome failed = Run(arguments);
    ASSERT_TRUE(failed.ended);
    EXPECT_EQ(failed.window, L"");
    EXPECT_EQ(failed.exitCode, 1603u);
    lines = LogLines(log);
    ASSERT_GT(lines.size(), firstRun + 2);
    EXPECT_EQ(lines[firstRun - 1], "exit status 0") << "the first run's lines were not kept";
    EXPECT_EQ(lines[firstRun].rfind("ZILT printer setup 1.0.0.0; ", 0), 0u);
    const std::string failure = "copy win2k\\UNIDRV.HLP to " + dir + "\\UNIDRV.HLP -> failed, error 2: ";
    bool found = false;
    for (size_t i = firstRun; i < lines.size(); ++i)
        if (lines[i].rfind(failure, 0) == 0) {
            found = true;
            EXPECT_GT(lines[i].size(), failure.size()) << "no text for the error";
        }
    EXPECT_TRUE(found) << "no line for the failed copy";
    EXPECT_EQ(lines[lines.size() - 2], "message: \xe9\x94\x99\xe8\xaf\xaf\xef\xbc\x9a\xe6\x97\xa0\xe6\xb3\x95"
                                       "\xe5\xae\x89\xe8\xa3\x85\xe6\x89\x93\xe5\x8d\xb0\xe6\x9c\xba");
    EXPECT_EQ(lines.back(), "exit status 1603");
}

TEST_F(DeployGuiTest, RunOnAnotherPortMovesThePrinterThere) {
    ASSERT_EQ(Run(L"/quiet /model=ZRT-340 /port=COM1").exitCode, 0u);
    ASSERT_EQ(FindPrinter(kZrt340).port, "COM1:");

    const std::wstring log = LogPath(L"again.log");
    const Outcome again = Run(L"/quiet /model=ZRT-340 /port=COM2 /log=\"" + log + L"\"");
    ASSERT_TRUE(again.ended);
    EXPECT_EQ(again.exitCode, 0u);
    const PrinterFacts printer = FindPrinter(kZrt340);
    EXPECT_EQ(printer.port, "COM2:");
    EXPECT_EQ(printer.driver, kZrt340);
    // Windows refuses to add a printer whose name is taken, and the printer is then set to
    // the new port; Wine's spooler adds it over the old one.
    const std::vector<std::string> lines = LogLines(log);
    const bool replaced = Contains(lines, "add printer ZRT-340 on COM2: -> done");
    const bool updated = Contains(lines, "add printer ZRT-340 on COM2: -> it is there already") &&
                         Contains(lines, "set printer ZRT-340 to port COM2: and driver ZRT-340 -> done");
    EXPECT_TRUE(replaced || updated) << "the log does not say where the printer went";
    // The record follows the printer and keeps both ports' settings from before.
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kRecordKey, "Port"), "COM2:");
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kRecordKey, "Previous COM1:"), "4800,E,7,1,x");
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kRecordKey, "Previous COM2:"), "9600,n,8,1");
}

TEST_F(DeployGuiTest, RemovalAfterInstallationPutsBackCom1AndTheDefaultPrinter) {
    ASSERT_EQ(Run(L"/quiet /model=ZRT-340 /port=COM1 /default").exitCode, 0u);
    ASSERT_EQ(Run(L"/quiet /model=ZRT-470A /port=LPT1").exitCode, 0u);
    ASSERT_EQ(ReadText(HKEY_LOCAL_MACHINE, kPortsKey, "COM1:"), "19200,N,8,1,p");
    ASSERT_EQ(ReadText(HKEY_CURRENT_USER, kUserWindowsKey, "Device"), "ZRT-340,winspool,COM1:");
    const std::wstring dir = DriverDirectory();

    // Without /quiet a message box says what was removed.
    WizardProcess removal(m_work.path(), SetupExePath(), L"/uninstall /model=ZRT-340");
    HWND box = removal.WaitForPage(L"setup");
    ASSERT_NE(box, nullptr) << "no message about the removal";
    const std::wstring text = MessageBoxText(box);
    EXPECT_EQ(text, L"\u5df2\u5220\u9664\uff1a\n\u6253\u5370\u673a ZRT-340\n"
                    L"\u9a71\u52a8\u7a0b\u5e8f ZRT-340\n\u9a71\u52a8\u7a0b\u5e8f\u6587\u4ef6 Z34.DLL, Z34.GPD")
        << "not what was removed";
    ClickButton(box, IDOK);
    EXPECT_EQ(ExitCodeOf(removal), 0u);

    EXPECT_FALSE(FindPrinter(kZrt340).found);
    EXPECT_FALSE(FindDriver(kZrt340).found);
    EXPECT_FALSE(ReadWholeFile(dir + L"\\Z34.DLL"));
    EXPECT_FALSE(ReadWholeFile(dir + L"\\Z34.GPD"));
    EXPECT_TRUE(ReadWholeFile(dir + L"\\uniDRV.DLL")) << "ZRT-470A's driver still lists it";
    EXPECT_TRUE(ReadWholeFile(dir + L"\\Z47.DLL"));
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kPortsKey, "COM1:"), "4800,E,7,1,x");
    EXPECT_FALSE(ReadKey(HKEY_LOCAL_MACHINE, kRecordKey)) << "the record is still there";
    EXPECT_TRUE(ReadKey(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ZILT\\Printer Setup\\ZRT-470A"));
    // "Device" named the removed printer: now the first printer the spooler lists.
    const std::string first = FirstPrinterDevice();
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUserWindowsKey, "Device"), first);
    EXPECT_NE(first.find(kZrt470a), std::string::npos) << first;

    // The last one removed quietly: with no printer left "Device" goes too.
    ASSERT_TRUE(CreateKeyWithText(HKEY_CURRENT_USER, kUserWindowsKey, "Device", "ZRT-470A,winspool,LPT1:"));
    const Outcome last = Run(L"/uninstall /quiet /model=ZRT-470A");
    ASSERT_TRUE(last.ended);
    EXPECT_EQ(last.window, L"");
    EXPECT_EQ(last.exitCode, 0u);
    EXPECT_FALSE(FindDriver(kZrt470a).found);
    EXPECT_FALSE(ReadWholeFile(dir + L"\\uniDRV.DLL"));
    EXPECT_FALSE(ReadKey(HKEY_LOCAL_MACHINE, L"SOFTWARE\\ZILT")) << "the keys above the records stayed";
    const std::string after = FirstPrinterDevice();
    if (after.empty()) EXPECT_FALSE(ReadText(HKEY_CURRENT_USER, kUserWindowsKey, "Device"));
    else EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUserWindowsKey, "Device"), after);
}

TEST_F(DeployGuiTest, WizardOpensWithTheCommandLinesChoicesOnPageTwo) {
    WizardProcess wizard(m_work.path(), SetupExePath(), L"/model=ZRT-470A /port=COM2");
    HWND page = wizard.OpenDetailSetting();
    ASSERT_NE(page, nullptr);
    DetailState expected = InitialDetailState();
    expected.modelRow = 5;
    expected.name = ModelText(5);
    expected.portRow = 4;
    expected.serialEnabled = {true, true, true, true, true};
    EXPECT_EQ(ReadDetailState(page), expected);
    EXPECT_EQ(WindowText(::GetDlgItem(page, IDC_PRINTER_NAME)).substr(0, 8), L"ZRT-470A");
    ClickButton(page, IDC_CANCEL_BTN);
    EXPECT_EQ(ExitCodeOf(wizard), 1602u);
    EXPECT_FALSE(FindPrinter(kZrt470a).found);
}

}  // namespace
