// The steps of the Finish work as one sequence: the road of a whole installation, and what
// each failure leaves undone, tells the user and returns.
#include <gtest/gtest.h>

#include "engine/messages.h"
#include "finish_fixture.h"
#include "engine/driver_environment.h"

namespace {

using Calls = std::vector<std::string>;

const std::string kRegistryMessage = "AfxMessageBox(" + std::to_string(IDS_REGISTRY_WRITE_FAILED) + ", 0, 0)";
const std::string kFailureMessage = "AfxMessageBox(" + std::to_string(IDS_INSTALL_FAILED) + ", 0, 0)";

const std::string kRecordKey = "SOFTWARE\\ZILT\\Printer Setup\\ZRT-340";

// Model row 3 on COM1 with the box ticked and the serial lists as the page opens them, on a
// machine whose COM1 has the settings a fresh Windows gives it.
class RoadTest : public FinishTest {
protected:
    void SetUp() override {
        page.modelRow = 3;
        page.portRow = 3;
        page.setDefaultCheck = kBstChecked;
        windows.registry[std::string("HKLM\\") + kPortsKey]["COM1:"] = "9600,n,8,1";
    }
};

TEST_F(RoadTest, MakesEveryCallWithItsArgumentsInOrder) {
    EXPECT_EQ(Run(), InstallResult::Installed);
    const std::string d = kDriverDir;
    const Calls expected = {
        "LoadSpooler()",
        "GetPrinterDriverDirectoryA(" + std::string(kDriverEnvironment) + ", 1, 255, zero-filled)",
        "read port",
        "read model",
        "CopyFileA(win2k\\Z34.DLL, " + d + "\\Z34.DLL, FALSE)",
        "CopyFileA(win2k\\Z34.GPD, " + d + "\\Z34.GPD, FALSE)",
        "CopyFileA(win2k\\uniDRVui.DLL, " + d + "\\uniDRVui.DLL, FALSE)",
        "CopyFileA(win2k\\uniDRV.DLL, " + d + "\\uniDRV.DLL, FALSE)",
        "CopyFileA(win2k\\UNIDRV.HLP, " + d + "\\UNIDRV.HLP, FALSE)",
        "CopyFileA(win2k\\UNIRES.DLL, " + d + "\\UNIRES.DLL, FALSE)",
        "CopyFileA(win2k\\TTFSUB.GPD, " + d + "\\TTFSUB.GPD, FALSE)",
        "CopyFileA(win2k\\STDNAMES.GPD, " + d + "\\STDNAMES.GPD, FALSE)",
        "AddPrinterDriverA(3, ZRT-340)",
        "AddPrinterA(2, ZRT-340, COM1:)",
        "read set default",
        "RegOpenKeyExA(HKCU, Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows, 0, 2)",
        "RegSetValueExA(#1, Device, 0, 1, 23)",
        "RegCloseKey(#1)",
        "BroadcastSettingChange(windows, 1000)",
        // The record, with COM1's settings as they were before they are overwritten.
        "RegCreateKeyExA(HKLM, " + kRecordKey + ", 3)",
        "RegQueryValueExA(#2, Previous COM1:)",
        "RegOpenKeyExA(HKLM, SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports, 0, 1)",
        "RegQueryValueExA(#3, COM1:)",
        "RegCloseKey(#3)",
        "RegSetValueExA(#2, Previous COM1:, 0, 1, 11)",
        "RegSetValueExA(#2, Port, 0, 1, 6)",
        "RegCloseKey(#2)",
        "read baud rate",
        "read parity",
        "read byte size",
        "read stop bits",
        "read flow control",
        "RegOpenKeyExA(HKLM, SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports, 0, 2)",
        "RegSetValueExA(#4, COM1:, 0, 1, 14)",
        "RegCloseKey(#4)",
        "ClosePrinter(#20816)",
    };
    EXPECT_EQ(windows.calls, expected);
    EXPECT_EQ(windows.RegistryText("HKLM\\" + kRecordKey, "Port"), "COM1:");
    EXPECT_EQ(windows.RegistryText("HKLM\\" + kRecordKey, "Previous COM1:"), "9600,n,8,1");
}

TEST_F(RoadTest, FillsTheDriverAndPrinterRecordsAndWritesBothValues) {
    Run();
    const RecordingServices::DriverRecord& driver = windows.driver;
    EXPECT_EQ(driver.cVersion, 2u);
    EXPECT_EQ(driver.name, "ZRT-340");
    EXPECT_EQ(driver.environment, kDriverEnvironment);
    EXPECT_EQ(driver.driverPath, "\\uniDRV.DLL");
    EXPECT_EQ(driver.dataFile, "\\Z34.GPD");
    EXPECT_EQ(driver.configFile, "\\uniDRVui.DLL");
    EXPECT_EQ(driver.helpFile, "\\uniDRV.HLP");
    EXPECT_FALSE(driver.monitorNameIsNull);
    EXPECT_EQ(driver.monitorName, "");
    EXPECT_EQ(driver.defaultDataType, "RAW");

    const RecordingServices::PrinterRecord& printer = windows.printer;
    EXPECT_EQ(printer.printerName, "ZRT-340");
    EXPECT_EQ(printer.portName, "COM1:");
    EXPECT_EQ(printer.driverName, "ZRT-340");
    EXPECT_EQ(printer.printProcessor, "WinPrint");
    EXPECT_EQ(printer.datatype, "RAW");
    EXPECT_TRUE(printer.otherFieldsZero);

    EXPECT_EQ(Value("Device"), WithZero("ZRT-340,winspool,COM1:"));
    EXPECT_EQ(Value("COM1:"), WithZero("19200,N,8,1,p"));
}

TEST_F(RoadTest, FailedCopyIsReportedAtTheEndAfterEveryOtherStep) {
    windows.failingCopySources = {"win2k\\UNIDRV.HLP"};
    EXPECT_EQ(Run(), InstallResult::Failed);
    EXPECT_EQ(CallsOf("CopyFileA").size(), 8u) << "the copies after the failed one were not made";
    EXPECT_EQ(CallsOf("AddPrinterDriverA").size(), 1u);
    EXPECT_EQ(CallsOf("AddPrinterA").size(), 1u);
    EXPECT_EQ(Value("Device"), WithZero("ZRT-340,winspool,COM1:"));
    EXPECT_EQ(Value("COM1:"), WithZero("19200,N,8,1,p"));
    ASSERT_GE(windows.calls.size(), 2u);
    EXPECT_EQ(windows.calls[windows.calls.size() - 2], "ClosePrinter(#20816)");
    EXPECT_EQ(windows.calls.back(), kFailureMessage);
    EXPECT_EQ(CallsOf("AfxMessageBox").size(), 1u);
}

// Without the spooler's functions nothing is begun: no file copied, no page read, no value
// written; the user is told what is missing.
TEST_F(RoadTest, MissingSpoolerIsReportedBeforeAnythingIsDone) {
    windows.spoolerMissing = true;
    EXPECT_EQ(Run(), InstallResult::Failed);
    const Calls expected = {
        "LoadSpooler()",
        "GetLastError()",  // for the log
        "AfxMessageBox(" + std::to_string(IDS_SYSTEM_COMPONENT_MISSING) + ", 0, 0)",
    };
    EXPECT_EQ(windows.calls, expected);
    EXPECT_TRUE(windows.values.empty());
}

TEST_F(RoadTest, UnregisteredDriverIsReportedAndTheLaterStepsStillRun) {
    windows.addPrinterDriverFails = true;
    EXPECT_EQ(Run(), InstallResult::Failed);
    EXPECT_EQ(CallsOf("AddPrinterA").size(), 1u);
    EXPECT_EQ(Value("Device"), WithZero("ZRT-340,winspool,COM1:"));
    EXPECT_EQ(Value("COM1:"), WithZero("19200,N,8,1,p"));
    EXPECT_EQ(windows.calls[windows.calls.size() - 2], "ClosePrinter(#20816)");
    EXPECT_EQ(windows.calls.back(), kFailureMessage);
}

TEST_F(RoadTest, UnopenableUserKeyIsPassedOverSilentlyButCountsAsFailed) {
    windows.openResults[kWindowsKey] = 2;  // ERROR_FILE_NOT_FOUND, as in a fresh profile
    EXPECT_EQ(Run(), InstallResult::Failed);
    EXPECT_TRUE(CallsOf("AfxMessageBox").empty());
    EXPECT_TRUE(CallsOf("BroadcastSettingChange").empty());
    EXPECT_EQ(Value("Device"), "(not written)");
    // No key to close for the user's key, and every key that was opened is closed.
    for (const std::string& call : CallsOf("RegCloseKey")) EXPECT_NE(call, "RegCloseKey(#0)");
    EXPECT_EQ(windows.OpenKeyCount(), 0u);
    EXPECT_EQ(Value("COM1:"), WithZero("19200,N,8,1,p"));
    EXPECT_EQ(windows.calls.back(), "ClosePrinter(#20816)");
}

TEST_F(RoadTest, UnsettableDeviceShowsTheMessageThenClosesTheKey) {
    windows.setResults["Device"] = 5;  // ERROR_ACCESS_DENIED
    EXPECT_EQ(Run(), InstallResult::Failed);
    const Calls expected = {
        "RegOpenKeyExA(HKCU, Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows, 0, 2)",
        "RegSetValueExA(#1, Device, 0, 1, 23)",
        kRegistryMessage,
        "RegCloseKey(#1)",
        "RegCreateKeyExA(HKLM, " + kRecordKey + ", 3)",
    };
    EXPECT_EQ(CallsFrom(windows.calls, expected[0], expected.size()), expected);
    EXPECT_TRUE(CallsOf("BroadcastSettingChange").empty()) << "nothing was written to announce";
    EXPECT_EQ(Value("COM1:"), WithZero("19200,N,8,1,p"));
    EXPECT_EQ(CallsOf("AfxMessageBox").size(), 1u);
}

TEST_F(RoadTest, BothWritesFailingShowTwoMessagesThenClosePrinter) {
    windows.setResults["Device"] = 5;
    windows.setResults["COM1:"] = 5;
    EXPECT_EQ(Run(), InstallResult::Failed);
    const Calls expected = {
        "RegSetValueExA(#1, Device, 0, 1, 23)",
        kRegistryMessage,
        "RegCloseKey(#1)",
        "RegCreateKeyExA(HKLM, " + kRecordKey + ", 3)",
        "RegQueryValueExA(#2, Previous COM1:)",
        "RegOpenKeyExA(HKLM, SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports, 0, 1)",
        "RegQueryValueExA(#3, COM1:)",
        "RegCloseKey(#3)",
        "RegSetValueExA(#2, Previous COM1:, 0, 1, 11)",
        "RegSetValueExA(#2, Port, 0, 1, 6)",
        "RegCloseKey(#2)",
        "read baud rate",
        "read parity",
        "read byte size",
        "read stop bits",
        "read flow control",
        "RegOpenKeyExA(HKLM, SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports, 0, 2)",
        "RegSetValueExA(#4, COM1:, 0, 1, 14)",
        kRegistryMessage,
        "RegCloseKey(#4)",
        "ClosePrinter(#20816)",
    };
    ASSERT_GE(windows.calls.size(), expected.size());
    EXPECT_EQ(Calls(windows.calls.end() - static_cast<long>(expected.size()), windows.calls.end()),
              expected);
}

// When AddPrinterA gives no handle: a printer of the name may be there from an earlier run.
// Opened by name, it is moved to the chosen port and the model's driver; whether it is there
// decides whether it may become the default, and whether it ends on the port whether the
// installation failed.
struct RefusedPrinterCase {
    const char* name;
    uint32_t error;           // GetLastError after the refusal
    const char* existingPort;  // the printer the spooler has, on this port; null: none
    bool setPrinterFails;
    Calls expectedAfterAdd;   // the calls from AddPrinterA to the first read of the box
    bool deviceWritten;
    std::string lastCall;
    InstallResult result;
};

const std::string kOpenForChange = "OpenPrinterA(ZRT-340, 983052)";  // PRINTER_ALL_ACCESS
const std::string kMove = "SetPrinterA(#4096, 2, ZRT-340, COM1:, ZRT-340, WinPrint, no security)";

const RefusedPrinterCase kRefusedPrinterCases[] = {
    {"there from a run on LPT1: moved to COM1", kErrorPrinterAlreadyExists, "LPT1:", false,
     {"AddPrinterA(2, ZRT-340, COM1:)", "GetLastError()", kOpenForChange, "GetPrinterA(#4096, 2)",
      kMove, "read set default"},
     true, "ClosePrinter(#4096)", InstallResult::Installed},
    {"there, refused otherwise, opened by name", 5, "COM1:", false,
     {"AddPrinterA(2, ZRT-340, COM1:)", "GetLastError()", kOpenForChange, "GetPrinterA(#4096, 2)",
      kMove, "read set default"},
     true, "ClosePrinter(#4096)", InstallResult::Installed},
    {"there, but the spooler refuses the move", kErrorPrinterAlreadyExists, "LPT1:", true,
     {"AddPrinterA(2, ZRT-340, COM1:)", "GetLastError()", kOpenForChange, "GetPrinterA(#4096, 2)",
      kMove, "GetLastError()", "read set default"},
     true, kFailureMessage, InstallResult::Failed},
    {"said to exist, but it does not open", kErrorPrinterAlreadyExists, nullptr, false,
     {"AddPrinterA(2, ZRT-340, COM1:)", "GetLastError()", kOpenForChange, "read set default"},
     true, kFailureMessage, InstallResult::Failed},
    {"no such printer", 5, nullptr, false,
     {"AddPrinterA(2, ZRT-340, COM1:)", "GetLastError()", kOpenForChange, "read set default"},
     false, kFailureMessage, InstallResult::Failed},
};

TEST_F(RoadTest, RefusedPrinterIsMovedToThePortWhenItIsThereAndOnlyAnExistingOneBecomesTheDefault) {
    for (const RefusedPrinterCase& c : kRefusedPrinterCases) {
        SCOPED_TRACE(c.name);
        RecordingServices fresh;
        fresh.printerHandle = nullptr;
        fresh.addPrinterError = c.error;
        fresh.setPrinterFails = c.setPrinterFails;
        if (c.existingPort) fresh.printers = {{"ZRT-340", c.existingPort, "ZRT-340"}};
        RecordingSelections selections(fresh.calls);
        selections.modelRow = 3;
        selections.portRow = 3;
        selections.setDefaultCheck = kBstChecked;

        EXPECT_EQ(InstallPrinter(fresh, selections), c.result);

        EXPECT_EQ(CallsFrom(fresh.calls, c.expectedAfterAdd[0], c.expectedAfterAdd.size()),
                  c.expectedAfterAdd);
        EXPECT_EQ(fresh.values.count("Device"), c.deviceWritten ? 1u : 0u);
        EXPECT_EQ(fresh.values.count("COM1:"), 1u) << "the port settings do not need the printer";
        size_t closes = 0;
        for (const std::string& call : fresh.calls) closes += call.rfind("ClosePrinter", 0) == 0;
        EXPECT_EQ(closes, c.existingPort ? 1u : 0u) << "only a handle is closed";
        if (c.existingPort) {
            EXPECT_EQ(fresh.printers.front().port, c.setPrinterFails ? c.existingPort : "COM1:");
        }
        EXPECT_EQ(fresh.calls.back(), c.lastCall);
    }
}

// The directory query, asked again when the first answer is not a directory. Without a
// directory, or with one so long that no file in it can be named within the longest path,
// no copy is made, and the rest of the work still runs.
struct DirectoryCase {
    const char* name;
    std::string directory;
    bool fails;
    long reportedNeeded;  // -1: the directory's true size
    Calls expectedQueries;
    bool copies;
};

const std::string kLongDir = "D:\\" + std::string(297, 'd');  // 300 characters
// Too long for the first buffer, and too long for any file name in it to be a path.
const std::string kLongerThanFirstBuffer = "D:\\" + std::string(253, 'd');  // 256 characters

std::string QueryOf(const std::string& directory) {
    return "GetPrinterDriverDirectoryA(" + std::string(kDriverEnvironment) + ", 1, " + std::to_string(directory.size() + 1) +
           ", zero-filled)";
}
const std::string kFirstQuery =
    "GetPrinterDriverDirectoryA(" + std::string(kDriverEnvironment) + ", 1, 255, zero-filled)";

const DirectoryCase kDirectoryCases[] = {
    {"fits the first buffer", kDriverDir, false, -1, {kFirstQuery}, true},
    {"longer than the first buffer", kLongerThanFirstBuffer, false, -1,
     {kFirstQuery, QueryOf(kLongerThanFirstBuffer)}, false},
    {"longer than any path", kLongDir, false, -1, {kFirstQuery}, false},
    {"both queries fail", kDriverDir, true, -1, {kFirstQuery, QueryOf(kDriverDir)}, false},
    {"fails without saying the size", kDriverDir, true, 0, {kFirstQuery}, false},
    {"asks for more than any path", kLongDir, false, 1 << 20, {kFirstQuery}, false},
};

TEST(DirectoryQueryTest, RetriesOnceAndCopiesNothingWithoutADirectory) {
    for (const DirectoryCase& c : kDirectoryCases) {
        SCOPED_TRACE(c.name);
        RecordingServices windows;
        windows.driverDirectory = c.directory;
        windows.driverDirectoryFails = c.fails;
        if (c.reportedNeeded >= 0) windows.reportedNeeded = static_cast<uint32_t>(c.reportedNeeded);
        RecordingSelections page(windows.calls);
        page.modelRow = 3;

        const InstallResult result = InstallPrinter(windows, page);

        Calls queries, copies;
        for (const std::string& call : windows.calls) {
            if (call.rfind("GetPrinterDriverDirectoryA", 0) == 0) queries.push_back(call);
            if (call.rfind("CopyFileA", 0) == 0) copies.push_back(call);
        }
        EXPECT_EQ(queries, c.expectedQueries);
        if (c.copies) {
            ASSERT_EQ(copies.size(), 8u);
            EXPECT_EQ(copies[0], "CopyFileA(win2k\\Z34.DLL, " + c.directory + "\\Z34.DLL, FALSE)");
            EXPECT_EQ(result, InstallResult::Installed);
        } else {
            EXPECT_TRUE(copies.empty()) << copies.front();
            EXPECT_EQ(result, InstallResult::Failed);
            EXPECT_EQ(windows.calls.back(), kFailureMessage);
        }
        EXPECT_EQ(windows.driver.name, "ZRT-340") << "the driver is registered all the same";
        EXPECT_EQ(windows.printer.printerName, "ZRT-340");
    }
}

// Positions that are no rows of their tables (a list without a selection) install nothing
// that cannot be named, and the user is told.
struct BadRowCase {
    const char* name;
    long modelRow, portRow, baudRateRow, flowControlRow;
    bool copies;
};

const BadRowCase kBadRowCases[] = {
    {"no model", -1, 3, 5, 2, false},
    {"model past the table", 8, 3, 5, 2, false},
    {"no port", 3, -1, 5, 2, false},
    {"port past the table", 3, 7, 5, 2, false},
    {"baud rate past the table", 3, 3, 9, 2, true},
    {"no flow control", 3, 3, 5, -1, true},
};

TEST(BadRowTest, NothingUnnameableIsWrittenAndTheFailureIsShown) {
    for (const BadRowCase& c : kBadRowCases) {
        SCOPED_TRACE(c.name);
        RecordingServices windows;
        RecordingSelections page(windows.calls);
        page.modelRow = c.modelRow;
        page.portRow = c.portRow;
        page.baudRateRow = c.baudRateRow;
        page.flowControlRow = c.flowControlRow;

        EXPECT_EQ(InstallPrinter(windows, page), InstallResult::Failed);
        size_t copies = 0;
        for (const std::string& call : windows.calls) {
            if (call.rfind("CopyFileA", 0) == 0) ++copies;
            EXPECT_EQ(call.find("Ports, 0, 2"), std::string::npos) << "the port settings opened: " << call;
        }
        EXPECT_EQ(copies, c.copies ? 8u : 0u);
        EXPECT_EQ(windows.values.count("COM1:"), 0u);
        // With a model and a port, the printer is there and its record names the port.
        if (c.copies) EXPECT_EQ(windows.RegistryText("HKLM\\" + kRecordKey, "Port"), "COM1:");
        else EXPECT_TRUE(windows.values.empty());
        EXPECT_EQ(windows.calls.back(), kFailureMessage);
    }
}

}  // namespace
