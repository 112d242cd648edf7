// What setup.exe does with its command line, on the Windows fake: which mode runs, the exit
// status, which windows it shows (none in a quiet run), and the log.
#include "engine/driver_environment.h"
#include "app/setup_run.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/os_kind.h"
#include "engine/messages.h"
#include "recording_services.h"

namespace {

using Calls = std::vector<std::string>;

// The wizard's pages, standing in: each run is kept with the choices it got.
class RecordingWizard final : public Wizard {
public:
    std::vector<PageChoices> runs;
    int exitCode = 1602;
    int Run(const PageChoices& choices, Report&) override {
        runs.push_back(choices);
        return exitCode;
    }
};

const RecordingServices::VersionReply kXp{true, kVerPlatformWin32Nt, 5, 1};
const RecordingServices::VersionReply k98{true, kVerPlatformWin32Windows, 4, 10};

class SetupRunTest : public ::testing::Test {
protected:
    SetupRunTest() {
        g_osKind = OsUnknown;
        windows.versionReplies = {kXp, kXp, kXp, kXp};
        windows.strings[IDS_USAGE] = u"usage: setup.exe ...";
        windows.strings[IDS_LOG_FAILED] = u"cannot open %s";
        windows.strings[IDS_UNSUPPORTED_WINDOWS] = u"unsupported";
    }
    ~SetupRunTest() override { g_osKind = OsUnknown; }

    int Run(const std::u16string& commandLine) {
        windows.commandLine = commandLine;
        return RunSetup(windows, wizard);
    }

    Calls CallsOf(const std::string& prefix) const {
        Calls found;
        for (const std::string& call : windows.calls)
            if (call.compare(0, prefix.size(), prefix) == 0) found.push_back(call);
        return found;
    }
    // Every line of the log, without its time.
    std::vector<std::string> LogLines() const {
        std::vector<std::string> lines;
        if (windows.written.empty()) return lines;
        const std::string& text = windows.written.begin()->second;
        for (size_t start = 0; start < text.size();) {
            const size_t end = text.find("\r\n", start);
            EXPECT_EQ(text.compare(start, 20, "2026-12-11 15:03:30 "), 0) << text.substr(start, 40);
            lines.push_back(text.substr(start + 20, end - start - 20));
            start = end + 2;
        }
        return lines;
    }

    RecordingServices windows;
    RecordingWizard wizard;
};

TEST_F(SetupRunTest, WithoutOptionsTheWizardRunsAsItAlwaysHas) {
    EXPECT_EQ(Run(u"\"C:\\setup\\setup.exe\""), 1602);
    ASSERT_EQ(wizard.runs.size(), 1u);
    EXPECT_EQ(wizard.runs[0].modelRow, 0);
    EXPECT_FALSE(wizard.runs[0].modelChosen);
    EXPECT_TRUE(windows.calls.empty()) << "no log, nothing but the wizard";
}

TEST_F(SetupRunTest, AModelAndPortOpenTheWizardWithThem) {
    wizard.exitCode = 0;
    EXPECT_EQ(Run(u"setup.exe /model=ZRT-470A /port=COM2"), 0);
    ASSERT_EQ(wizard.runs.size(), 1u);
    EXPECT_EQ(wizard.runs[0].modelRow, 5);
    EXPECT_EQ(wizard.runs[0].portRow, 4);
    EXPECT_TRUE(wizard.runs[0].modelChosen);
}

TEST_F(SetupRunTest, AQuietInstallationRunsFinishsWorkWithoutAWindow) {
    EXPECT_EQ(Run(u"setup.exe /quiet /model=ZRT-340 /port=COM1 /default /log=C:\\setup.log"), 0);
    EXPECT_TRUE(wizard.runs.empty());
    EXPECT_TRUE(CallsOf("AfxMessageBox").empty());
    EXPECT_EQ(CallsOf("AddPrinterA"), Calls{"AddPrinterA(2, ZRT-340, COM1:)"});
    EXPECT_EQ(Utf8(u"ZRT-340,winspool,COM1:") + std::string(1, '\0'),
              std::string(windows.values["Device"].begin(), windows.values["Device"].end()));
    EXPECT_EQ(windows.RegistryText("HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports", "COM1:"),
              "19200,N,8,1,p");

    const std::string d = windows.driverDirectory;
    const std::vector<std::string> expected = {
        std::string("ZILT printer setup ") + kProgramVersion + "; Windows NT 5.1 build 0 (Windows XP); command line: setup.exe /quiet "
        "/model=ZRT-340 /port=COM1 /default /log=C:\\setup.log",
        "driver directory: " + d,
        "copy win2k\\Z34.DLL to " + d + "\\Z34.DLL -> done",
        "copy win2k\\Z34.GPD to " + d + "\\Z34.GPD -> done",
        "copy win2k\\uniDRVui.DLL to " + d + "\\uniDRVui.DLL -> done",
        "copy win2k\\uniDRV.DLL to " + d + "\\uniDRV.DLL -> done",
        "copy win2k\\UNIDRV.HLP to " + d + "\\UNIDRV.HLP -> done",
        "copy win2k\\UNIRES.DLL to " + d + "\\UNIRES.DLL -> done",
        "copy win2k\\TTFSUB.GPD to " + d + "\\TTFSUB.GPD -> done",
        "copy win2k\\STDNAMES.GPD to " + d + "\\STDNAMES.GPD -> done",
        "register driver ZRT-340 for " + std::string(kDriverEnvironment) + " -> done",
        "add printer ZRT-340 on COM1: -> done",
        "set Device under HKCU\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows to "
        "ZRT-340,winspool,COM1: -> done",
        "record port COM1: under HKLM\\SOFTWARE\\ZILT\\Printer Setup\\ZRT-340 -> done",
        "set COM1: under HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports to 19200,N,8,1,p -> done",
        "exit status 0",
    };
    EXPECT_EQ(LogLines(), expected);
}

TEST_F(SetupRunTest, AFailedQuietInstallationLogsTheErrorAndTheMessageAndEndsWith1603) {
    windows.failingCopySources = {"win2k\\UNIDRV.HLP"};
    windows.strings[IDS_INSTALL_FAILED] = u"\u9519\u8bef\uff1a\u65e0\u6cd5\u5b89\u88c5\u6253\u5370\u673a";
    EXPECT_EQ(Run(u"setup.exe /quiet /model=ZRT-340 /log=a.log"), 1603);
    EXPECT_TRUE(CallsOf("AfxMessageBox").empty());
    const std::vector<std::string> lines = LogLines();
    ASSERT_GE(lines.size(), 3u);
    const std::string d = windows.driverDirectory;
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "copy win2k\\UNIDRV.HLP to " + d + "\\UNIDRV.HLP -> failed, error 2: system text of 2."),
              lines.end());
    EXPECT_EQ(lines[lines.size() - 2], "message: " + Utf8(windows.strings[IDS_INSTALL_FAILED]));
    EXPECT_EQ(lines.back(), "exit status 1603");
}

TEST_F(SetupRunTest, AQuietRunOutsideTheNtFamilyInstallsNothing) {
    windows.versionReplies = {k98, k98, k98, k98};
    EXPECT_EQ(Run(u"setup.exe /quiet /model=ZRT-340 /log=a.log"), 1633);
    EXPECT_TRUE(CallsOf("CopyFileA").empty());
    EXPECT_TRUE(CallsOf("AddPrinter").empty());
    EXPECT_TRUE(CallsOf("AfxMessageBox").empty());
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::string("ZILT printer setup ") + kProgramVersion + "; Windows 4.10 build 0 (Windows 98); command line: "
                        "setup.exe /quiet /model=ZRT-340 /log=a.log");
    EXPECT_EQ(lines[1], "message: unsupported");
    EXPECT_EQ(lines[2], "exit status 1633");
}

struct ProblemCase {
    const char* name;
    std::u16string commandLine;
    bool box;
};

const ProblemCase kProblemCases[] = {
    {"quiet", u"setup.exe /quiet /model=ZRT-340 /colour=red /log=a.log", false},
    {"with windows", u"setup.exe /model=ZRT-340 /colour=red /log=a.log", true},
};

TEST_F(SetupRunTest, AWrongCommandLineDoesNothingButSayWhyAndEndsWith87) {
    for (const ProblemCase& c : kProblemCases) {
        SCOPED_TRACE(c.name);
        RecordingServices fresh;
        fresh.strings[IDS_USAGE] = u"usage: setup.exe ...";
        fresh.commandLine = c.commandLine;
        EXPECT_EQ(RunSetup(fresh, wizard), 87);
        EXPECT_TRUE(wizard.runs.empty());
        for (const std::string& call : fresh.calls)
            EXPECT_TRUE(call.rfind("OpenFileToAppendW", 0) == 0 || call.rfind("GetVersionExA", 0) == 0 ||
                        call.rfind("AfxMessageBoxW", 0) == 0 || call.rfind("CloseHandle", 0) == 0)
                << "changed something: " << call;
        const std::string log = fresh.written.begin()->second;
        EXPECT_NE(log.find(" the command line is wrong: unknown option \"/colour\"\r\n"), std::string::npos) << log;
        EXPECT_NE(log.find(" exit status 87\r\n"), std::string::npos);
        if (c.box) {
            EXPECT_EQ(fresh.messages,
                      std::vector<std::string>{"unknown option \"/colour\"\n\nusage: setup.exe ..."});
        } else {
            EXPECT_TRUE(fresh.messages.empty()) << "a window in a quiet run";
        }
    }
}

TEST_F(SetupRunTest, ALogThatCannotBeOpenedEndsTheRunWith1622BeforeAnythingIsDone) {
    windows.logOpenFails = true;
    EXPECT_EQ(Run(u"setup.exe /quiet /model=ZRT-340 /log=Z:\\no\\such\\folder\\a.log"), 1622);
    EXPECT_EQ(windows.calls, Calls{"OpenFileToAppendW(Z:\\no\\such\\folder\\a.log)"});

    windows.calls.clear();
    EXPECT_EQ(Run(u"setup.exe /log=\"Z:\\no\\a.log\""), 1622);
    EXPECT_TRUE(wizard.runs.empty());
    EXPECT_EQ(windows.messages, std::vector<std::string>{"cannot open Z:\\no\\a.log"});
}

TEST_F(SetupRunTest, TheUsageIsShownAndIsNoFailure) {
    EXPECT_EQ(Run(u"setup.exe /?"), 0);
    EXPECT_EQ(windows.messages, std::vector<std::string>{"usage: setup.exe ..."});
    EXPECT_EQ(CallsOf("AfxMessageBoxW"), Calls{"AfxMessageBoxW(64)"});
    EXPECT_TRUE(wizard.runs.empty());
}

TEST_F(SetupRunTest, RemovingWhatIsNotInstalledEndsWith1605) {
    EXPECT_EQ(Run(u"setup.exe /uninstall /quiet /model=ZRT-340"), 1605);
    EXPECT_TRUE(CallsOf("AfxMessageBox").empty());
    EXPECT_TRUE(CallsOf("DeleteFileA").empty());
}

TEST_F(SetupRunTest, RemovingWhatIsInstalledEndsWith0) {
    windows.printers = {{"ZRT-340", "LPT1:", "ZRT-340"}};
    windows.drivers = {{"ZRT-340", {"UNIDRV.DLL", "Z34.GPD"}}};
    EXPECT_EQ(Run(u"setup.exe /uninstall /quiet /model=ZRT-340"), 0);
    EXPECT_TRUE(windows.printers.empty());
    EXPECT_TRUE(windows.drivers.empty());
}

TEST_F(SetupRunTest, RemovingOutsideTheNtFamilyChangesNothing) {
    windows.versionReplies = {k98, k98, k98, k98};
    windows.printers = {{"ZRT-340", "LPT1:", "ZRT-340"}};
    EXPECT_EQ(Run(u"setup.exe /uninstall /model=ZRT-340"), 1633);
    EXPECT_EQ(windows.printers.size(), 1u);
    EXPECT_EQ(CallsOf("AfxMessageBox("), Calls{"AfxMessageBox(132, 0, 0)"});
}

TEST_F(SetupRunTest, TheLogKeepsACommandLineBeyondAscii) {
    EXPECT_EQ(Run(u"setup.exe /log=C:\\\u65e5\u5fd7\\a.log"), 1602);
    EXPECT_EQ(windows.calls[0], "OpenFileToAppendW(C:\\\xe6\x97\xa5\xe5\xbf\x97\\a.log)");
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("command line: setup.exe /log=C:\\\xe6\x97\xa5\xe5\xbf\x97\\a.log"), std::string::npos);
    EXPECT_EQ(lines[1], "exit status 1602");
}

}  // namespace
