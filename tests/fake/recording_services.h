// A stand-in for Windows that records every call with its arguments, in order, and answers
// as the test has set it up.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/windows_services.h"

class RecordingServices : public WindowsServices {
public:
    // One line per call, for example "GetVersionExA(size=156)".
    std::vector<std::string> calls;

    // Answers of the version query, one per call in order; past the end every call fails.
    struct VersionReply {
        bool succeeds;
        uint32_t platformId, majorVersion, minorVersion;
    };
    std::vector<VersionReply> versionReplies;

    // The spooler's driver directory; the query fails when it does not fit the buffer, and
    // always when driverDirectoryFails. It reports the directory's size with its zero as
    // needed, or reportedNeeded when that is set.
    std::string driverDirectory = "C:\\WINDOWS\\System32\\spool\\drivers\\w32x86";
    bool driverDirectoryFails = false;
    std::optional<uint32_t> reportedNeeded;

    bool spoolerMissing = false;  // LoadSpooler fails
    std::set<std::string> failingCopySources;  // CopyFileA fails for these existing names
    bool addPrinterDriverFails = false;
    PrinterHandle printerHandle = reinterpret_cast<PrinterHandle>(0x5150);  // null: refused
    uint32_t addPrinterError = 0;  // GetLastError after a refused AddPrinterA
    PrinterHandle existingPrinter = nullptr;  // what OpenPrinterA opens; null: no such printer
    std::map<std::string, long> openResults;  // RegOpenKeyExA result by sub-key; default 0
    std::map<std::string, long> setResults;   // RegSetValueExA result by value name; default 0

    // What the last AddPrinterDriverA and AddPrinterA were given, copied out of the records.
    struct DriverRecord {
        uint32_t cVersion = 0;
        std::string name, environment, driverPath, dataFile, configFile, helpFile, monitorName,
            defaultDataType;
        bool monitorNameIsNull = true;
        std::vector<unsigned char> dependentFiles;  // 255 bytes as passed
    };
    DriverRecord driver;
    struct PrinterRecord {
        std::string printerName, portName, driverName, printProcessor, datatype;
        bool otherFieldsZero = false;
    };
    PrinterRecord printer;
    // Registry values written, by value name, as the bytes passed.
    std::map<std::string, std::vector<unsigned char>> values;

    bool GetVersionExA(OsVersionRecord& record) override;
    bool LoadSpooler() override;
    bool GetPrinterDriverDirectoryA(const char* environment, uint32_t level, unsigned char* buffer,
                                    uint32_t bufferSize, uint32_t* needed) override;
    bool AddPrinterDriverA(uint32_t level, DriverInfo3* info) override;
    PrinterHandle AddPrinterA(uint32_t level, PrinterInfo2* info) override;
    bool OpenPrinterA(const char* printerName, PrinterHandle* printer) override;
    bool ClosePrinter(PrinterHandle printer) override;
    uint32_t GetLastError() override;
    bool CopyFileA(const char* existingName, const char* newName, bool failIfExists) override;
    long RegOpenKeyExA(RegHive hive, const char* subKey, uint32_t options, uint32_t access,
                       RegKey* key) override;
    long RegSetValueExA(RegKey key, const char* valueName, uint32_t reserved, uint32_t type,
                        const unsigned char* data, uint32_t dataSize) override;
    long RegCloseKey(RegKey key) override;
    void BroadcastSettingChange(const char* section, uint32_t timeoutMs) override;
    int AfxMessageBox(uint32_t textId, uint32_t style, uint32_t helpContext) override;

private:
    size_t m_versionCalls = 0;
    uint32_t m_lastError = 0;
    std::vector<std::string> m_openKeys;  // sub-key of each handle handed out, by handle - 1
};
