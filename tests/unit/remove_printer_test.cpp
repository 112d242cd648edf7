// The removal on the Windows fake: what it deletes, what it keeps because another driver
// uses it, what it puts back, and what it says.
#include "engine/driver_environment.h"
#include "engine/remove_printer.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/catalogue.h"
#include "engine/messages.h"
#include "engine/report.h"
#include "engine/run_log.h"
#include "recording_services.h"

namespace {

using Calls = std::vector<std::string>;

const std::string kUserKey = "HKCU\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
const std::string kPortsKey = "HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
const std::string kRecord = "HKLM\\SOFTWARE\\ZILT\\Printer Setup\\ZRT-340";
const std::string kRecords = "HKLM\\SOFTWARE\\ZILT\\Printer Setup";
const std::string kZilt = "HKLM\\SOFTWARE\\ZILT";

const std::vector<std::string> kZrt340Files = {"Z34.DLL",    "Z34.GPD",    "uniDRVui.DLL", "uniDRV.DLL",
                                               "UNIDRV.HLP", "UNIRES.DLL", "TTFSUB.GPD",   "STDNAMES.GPD"};

// The driver as the spooler lists it: full paths in its version folder, in the order
// driver, data, config, help, then the dependent files.
RecordingServices::SpooledDriver Zrt340Driver(const std::string& dir) {
    const std::string v3 = dir + "\\3\\";
    return {"ZRT-340",
            {v3 + "UNIDRV.DLL", v3 + "Z34.GPD", v3 + "UNIDRVUI.DLL", v3 + "UNIDRV.HLP",
             v3 + "TTFSUB.GPD", v3 + "UNIRES.DLL", v3 + "STDNAMES.GPD", v3 + "Z34.DLL"}};
}

// Another Unidrv driver: it shares the six Unidrv files, and ZRT-340F also Z34.DLL.
RecordingServices::SpooledDriver OtherUnidrv(const std::string& name, const std::string& gpd,
                                             const std::string& dll) {
    return {name, {"uniDRV.DLL", gpd, "uniDRVui.DLL", "uniDRV.HLP", "ttfsub.GPD", "unires.DLL",
                   "stdnames.GPD", dll}};
}

// What an installation of ZRT-340 on COM1, ticked as the default, leaves: the printer, its
// driver, its files, "Device", COM1's settings and the record of the earlier ones.
class RemoveTest : public ::testing::Test {
protected:
    RemoveTest() {
        windows.printers = {{"ZRT-340", "COM1:", "ZRT-340"}};
        windows.drivers = {Zrt340Driver(windows.driverDirectory)};
        for (const std::string& file : kZrt340Files) windows.files.insert(Path(file));
        windows.registry[kUserKey]["Device"] = "ZRT-340,winspool,COM1:";
        windows.registry[kPortsKey]["COM1:"] = "19200,N,8,1,p";
        windows.registry[kPortsKey]["COM2:"] = "9600,n,8,1";
        windows.registry[kZilt];
        windows.registry[kRecords];
        windows.registry[kRecord]["Port"] = "COM1:";
        windows.registry[kRecord]["Previous COM1:"] = "4800,E,7,1,x";
        windows.strings[IDS_REMOVED] = u"removed:";
        windows.strings[IDS_REMOVED_PRINTER] = u"printer %s";
        windows.strings[IDS_REMOVED_DRIVER] = u"driver %s";
        windows.strings[IDS_REMOVED_FILES] = u"files %s";
        windows.strings[IDS_NOT_INSTALLED] = u"%s is not installed";
        windows.strings[IDS_REMOVE_FAILED] = u"%s not wholly removed";
    }

    std::string Path(const std::string& file) const { return windows.driverDirectory + "\\" + file; }

    RemoveResult Run(bool quiet = false) {
        RunLog log(windows);
        log.Open("remove.log");
        Report report(windows, &log, quiet);
        return RemovePrinter(windows, report, ModelTable[3]);
    }

    std::string Log() const { return windows.written.empty() ? "" : windows.written.begin()->second; }

    Calls CallsOf(const std::string& prefix) const {
        Calls found;
        for (const std::string& call : windows.calls)
            if (call.compare(0, prefix.size(), prefix) == 0) found.push_back(call);
        return found;
    }

    // The files DeleteFileA removed, by name.
    std::set<std::string> Deleted(const std::set<std::string>& before) const {
        std::set<std::string> deleted;
        for (const std::string& path : before)
            if (!windows.files.count(path)) deleted.insert(path.substr(path.rfind('\\') + 1));
        return deleted;
    }

    RecordingServices windows;
};

TEST_F(RemoveTest, RemovesEverythingAndPutsBackWhatTheInstallationChanged) {
    const std::set<std::string> before = windows.files;
    EXPECT_EQ(Run(), RemoveResult::Removed);

    EXPECT_TRUE(windows.printers.empty());
    EXPECT_TRUE(windows.drivers.empty());
    EXPECT_EQ(Deleted(before), std::set<std::string>(kZrt340Files.begin(), kZrt340Files.end()));
    EXPECT_EQ(windows.RegistryText(kUserKey, "Device"), "(none)") << "no printer is left";
    EXPECT_EQ(CallsOf("BroadcastSettingChange"), Calls{"BroadcastSettingChange(windows, 1000)"});
    EXPECT_EQ(windows.RegistryText(kPortsKey, "COM1:"), "4800,E,7,1,x");
    EXPECT_EQ(windows.RegistryText(kPortsKey, "COM2:"), "9600,n,8,1") << "not recorded, not touched";
    EXPECT_EQ(windows.registry.count(kRecord), 0u);
    EXPECT_EQ(windows.registry.count(kRecords), 0u) << "the keys above go with the last record";
    EXPECT_EQ(windows.registry.count(kZilt), 0u);
    EXPECT_EQ(windows.OpenKeyCount(), 0u);

    // The printer goes first, then its driver, then the files, each as a step of the log.
    const Calls deletes = CallsOf("Delete");
    ASSERT_GE(deletes.size(), 3u);
    EXPECT_EQ(deletes[0], "DeletePrinter(#4096)");
    EXPECT_EQ(deletes[1], "DeletePrinterDriverA(" + std::string(kDriverEnvironment) + ", ZRT-340)");
    EXPECT_EQ(deletes[2], "DeleteFileA(" + Path("Z34.DLL") + ")");
    const std::string log = Log();
    EXPECT_NE(log.find(" delete printer ZRT-340 -> done\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find(" delete driver ZRT-340 for " + std::string(kDriverEnvironment) + " -> done\r\n"),
              std::string::npos);
    EXPECT_NE(log.find(" delete " + Path("Z34.GPD") + " -> done\r\n"), std::string::npos);
    EXPECT_NE(log.find(" delete Device under HKCU\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows: no printer is left -> done\r\n"),
              std::string::npos);
    EXPECT_NE(log.find(" set COM1: under HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports back to 4800,E,7,1,x -> done\r\n"),
              std::string::npos);
    EXPECT_NE(log.find(" delete the record HKLM\\SOFTWARE\\ZILT\\Printer Setup\\ZRT-340 -> done\r\n"),
              std::string::npos);

    ASSERT_EQ(windows.messages.size(), 1u);
    EXPECT_EQ(windows.messages[0],
              "removed:\nprinter ZRT-340\ndriver ZRT-340\nfiles Z34.DLL, Z34.GPD, uniDRVui.DLL, "
              "uniDRV.DLL, UNIDRV.HLP, UNIRES.DLL, TTFSUB.GPD, STDNAMES.GPD");
    EXPECT_EQ(CallsOf("AfxMessageBoxW"), Calls{"AfxMessageBoxW(64)"});
}

TEST_F(RemoveTest, ADeviceTheSpoolerClearedWithThePrinterIsNotAFailure) {
    windows.deletePrinterClearsDevice = true;
    EXPECT_EQ(Run(true), RemoveResult::Removed);
    EXPECT_EQ(windows.RegistryText(kUserKey, "Device"), "(none)");
    EXPECT_NE(Log().find(" delete Device under HKCU\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows: no printer is left -> done\r\n"),
              std::string::npos) << Log();

    // With another printer left, it becomes the default all the same.
    RecordingServices other;
    other.printers = {{"ZRT-340", "COM1:", "ZRT-340"}, {"Office", "LPT2:", "Other"}};
    other.registry[kUserKey]["Device"] = "ZRT-340,winspool,COM1:";
    other.deletePrinterClearsDevice = true;
    RunLog log(other);
    Report report(other, &log, true);
    EXPECT_EQ(RemovePrinter(other, report, ModelTable[3]), RemoveResult::Removed);
    EXPECT_EQ(other.RegistryText(kUserKey, "Device"), "Office,winspool,LPT2:");
}

TEST_F(RemoveTest, KeepsTheFilesOtherDriversListAndMakesTheFirstPrinterLeftTheDefault) {
    windows.printers.insert(windows.printers.begin(), {"Till", "LPT1:", "ZRT-340F"});
    windows.printers.push_back({"Office", "LPT2:", "Other"});
    windows.drivers.push_back(OtherUnidrv("ZRT-340F", "Z34F.GPD", "Z34.DLL"));
    windows.drivers.push_back(OtherUnidrv("Other", "OTHER.GPD", "OTHER.DLL"));
    windows.registry[kRecords + "\\Till"]["Port"] = "LPT1:";
    const std::set<std::string> before = windows.files;

    EXPECT_EQ(Run(), RemoveResult::Removed);

    EXPECT_EQ(Deleted(before), std::set<std::string>{"Z34.GPD"});
    EXPECT_NE(Log().find(" keep Z34.DLL: the driver ZRT-340F uses it\r\n"), std::string::npos);
    EXPECT_NE(Log().find(" keep UNIDRV.HLP: the driver ZRT-340F uses it\r\n"), std::string::npos);
    EXPECT_EQ(windows.RegistryText(kUserKey, "Device"), "Till,winspool,LPT1:");
    EXPECT_EQ(windows.registry.count(kRecord), 0u);
    EXPECT_EQ(windows.registry.count(kRecords + "\\Till"), 1u) << "another printer's record is kept";
    EXPECT_EQ(windows.registry.count(kRecords), 1u);
    ASSERT_EQ(windows.messages.size(), 1u);
    EXPECT_EQ(windows.messages[0], "removed:\nprinter ZRT-340\ndriver ZRT-340\nfiles Z34.GPD");
}

struct DeviceCase {
    const char* device;
    bool changed;
};

// Only a "Device" that names this very printer is changed.
const DeviceCase kDeviceCases[] = {
    {"ZRT-340,winspool,COM1:", true},
    {"zrt-340,winspool,LPT1:", true},
    {"ZRT-340F,winspool,LPT1:", false},
    {"Office,winspool,LPT2:", false},
    {"ZRT-340", false},
};

TEST_F(RemoveTest, ChangesTheDefaultPrinterOnlyWhenItWasThisOne) {
    for (const DeviceCase& c : kDeviceCases) {
        SCOPED_TRACE(c.device);
        RecordingServices& w = windows;
        w.printers = {{"Office", "LPT2:", "Other"}, {"ZRT-340", "COM1:", "ZRT-340"}};
        w.drivers = {Zrt340Driver(w.driverDirectory)};
        w.registry[kUserKey]["Device"] = c.device;
        w.calls.clear();
        Run(true);
        EXPECT_EQ(w.RegistryText(kUserKey, "Device"), c.changed ? "Office,winspool,LPT2:" : c.device);
        EXPECT_EQ(CallsOf("BroadcastSettingChange").size(), c.changed ? 1u : 0u);
    }
}

TEST_F(RemoveTest, NothingInstalledChangesNothing) {
    windows.printers.clear();
    windows.drivers.clear();
    const auto registry = windows.registry;
    const std::set<std::string> files = windows.files;

    EXPECT_EQ(Run(), RemoveResult::NotInstalled);

    EXPECT_EQ(windows.registry, registry);
    EXPECT_EQ(windows.files, files);
    EXPECT_TRUE(CallsOf("DeleteFileA").empty());
    EXPECT_TRUE(CallsOf("RegSetValueExA").empty());
    EXPECT_NE(Log().find(" neither a printer nor a driver ZRT-340 is installed: nothing removed\r\n"),
              std::string::npos)
        << Log();
    EXPECT_EQ(windows.messages, std::vector<std::string>{"ZRT-340 is not installed"});
}

TEST_F(RemoveTest, ADriverLeftByItselfIsRemovedWithItsFiles) {
    windows.printers.clear();
    const std::set<std::string> before = windows.files;
    EXPECT_EQ(Run(), RemoveResult::Removed);
    EXPECT_TRUE(windows.drivers.empty());
    EXPECT_EQ(Deleted(before).size(), 8u);
    EXPECT_EQ(windows.RegistryText(kUserKey, "Device"), "ZRT-340,winspool,COM1:")
        << "no printer was deleted, so the default is not this program's to change";
    EXPECT_EQ(windows.messages, std::vector<std::string>{
                                    "removed:\ndriver ZRT-340\nfiles Z34.DLL, Z34.GPD, uniDRVui.DLL, "
                                    "uniDRV.DLL, UNIDRV.HLP, UNIRES.DLL, TTFSUB.GPD, STDNAMES.GPD"});
}

TEST_F(RemoveTest, APrinterThatCannotBeDeletedStopsTheRemovalBeforeAnythingChanges) {
    windows.deletePrinterFails = true;
    const auto registry = windows.registry;
    EXPECT_EQ(Run(), RemoveResult::Failed);
    EXPECT_EQ(windows.printers.size(), 1u);
    EXPECT_EQ(windows.drivers.size(), 1u);
    EXPECT_TRUE(CallsOf("DeletePrinterDriverA").empty());
    EXPECT_TRUE(CallsOf("DeleteFileA").empty());
    EXPECT_EQ(windows.registry, registry);
    EXPECT_NE(Log().find(" delete printer ZRT-340 -> failed, error 5: system text of 5.\r\n"),
              std::string::npos);
    EXPECT_EQ(windows.messages, std::vector<std::string>{"ZRT-340 not wholly removed"});
}

TEST_F(RemoveTest, ADriverThatCannotBeDeletedKeepsItsFiles) {
    windows.deleteDriverFails = true;
    const std::set<std::string> files = windows.files;
    EXPECT_EQ(Run(), RemoveResult::Failed);
    EXPECT_TRUE(windows.printers.empty());
    EXPECT_EQ(windows.files, files);
    EXPECT_TRUE(CallsOf("DeleteFileA").empty());
    // The printer is gone, so what named it is put right all the same.
    EXPECT_EQ(windows.RegistryText(kUserKey, "Device"), "(none)");
    EXPECT_EQ(windows.RegistryText(kPortsKey, "COM1:"), "4800,E,7,1,x");
    EXPECT_EQ(windows.messages, std::vector<std::string>{"ZRT-340 not wholly removed"});
}

TEST_F(RemoveTest, AFileThatCannotBeDeletedFailsTheRemovalButNotTheOtherFiles) {
    windows.failingDeletes = {Path("Z34.DLL")};
    windows.files.erase(Path("UNIDRV.HLP"));  // gone already: not a failure
    const std::set<std::string> before = windows.files;
    EXPECT_EQ(Run(), RemoveResult::Failed);
    EXPECT_EQ(Deleted(before).size(), 6u);
    EXPECT_TRUE(windows.files.count(Path("Z34.DLL")));
    EXPECT_NE(Log().find(" " + Path("UNIDRV.HLP") + ": not there\r\n"), std::string::npos);
    EXPECT_NE(Log().find(" delete " + Path("Z34.DLL") + " -> failed, error 5: system text of 5.\r\n"),
              std::string::npos);
}

TEST_F(RemoveTest, AnUnknownDriverListKeepsEveryFile) {
    windows.enumDriversFails = true;
    windows.deleteDriverFails = true;
    EXPECT_EQ(Run(), RemoveResult::Failed);
    EXPECT_TRUE(CallsOf("DeleteFileA").empty());
}

TEST_F(RemoveTest, AQuietRemovalShowsNoWindow) {
    EXPECT_EQ(Run(true), RemoveResult::Removed);
    EXPECT_TRUE(CallsOf("AfxMessageBox").empty());
    EXPECT_NE(Log().find(" message: removed: / printer ZRT-340 / driver ZRT-340 / files "), std::string::npos);
}

TEST_F(RemoveTest, WithoutARecordNoPortSettingIsTouched) {
    windows.registry.erase(kRecord);
    EXPECT_EQ(Run(), RemoveResult::Removed);
    EXPECT_EQ(windows.RegistryText(kPortsKey, "COM1:"), "19200,N,8,1,p");
    EXPECT_NE(Log().find(" no record under HKLM\\SOFTWARE\\ZILT\\Printer Setup\\ZRT-340\r\n"),
              std::string::npos);
}

}  // namespace
