// A stand-in for Windows that records every call with its arguments, in order, and answers
// as the test has set it up.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/windows_services.h"

class RecordingServices : public WindowsServices {
public:
    RecordingServices();

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
    uint32_t copyError = 2;                    // GetLastError after such a copy
    bool addPrinterDriverFails = false;
    uint32_t addPrinterDriverError = 5;        // GetLastError after that
    PrinterHandle printerHandle = reinterpret_cast<PrinterHandle>(0x5150);  // null: refused
    uint32_t addPrinterError = 0;  // GetLastError after a refused AddPrinterA
    std::map<std::string, long> openResults;  // RegOpenKeyExA result by sub-key; default 0
    std::map<std::string, long> setResults;   // RegSetValueExA result by value name; default 0

    // The spooler as a re-run and the removal see it: its printers (in the order EnumPrintersA
    // lists them) and its drivers, with the files each lists.
    struct SpooledPrinter {
        std::string name, port, driver;
    };
    std::vector<SpooledPrinter> printers;
    struct SpooledDriver {
        std::string name;
        std::vector<std::string> files;  // driver, data, config and help file, then dependents
    };
    std::vector<SpooledDriver> drivers;
    bool setPrinterFails = false;
    bool deletePrinterFails = false;
    bool deletePrinterClearsDevice = false;  // as spoolers that clear "Device" with its printer
    bool deleteDriverFails = false;   // while the driver is there
    bool enumDriversFails = false;
    uint32_t spoolerError = 5;        // GetLastError after one of these failures
    // Files DeleteFileA finds (full names); it fails for the rest with ERROR_FILE_NOT_FOUND,
    // and for failingDeletes with ERROR_ACCESS_DENIED.
    std::set<std::string> files;
    std::set<std::string> failingDeletes;

    // The registry: keys ("HKLM\SOFTWARE\...") and their text values. The user's
    // "Windows" key and the machine's "Ports" key are there from the start. Keys that are
    // not here do not open.
    std::map<std::string, std::map<std::string, std::string>> registry;

    // The command line, the clock, the files written, the texts.
    std::u16string commandLine = u"setup.exe";
    LocalTime time{2026, 12, 5, 11, 15, 3, 30, 250};
    bool logOpenFails = false;
    std::map<FileHandle, std::string> written;  // what was written to each open file
    std::map<uint32_t, std::u16string> strings;  // the string table; "text <id>" otherwise

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
    // The message boxes with texts of the program's making, as UTF-8.
    std::vector<std::string> messages;

    // The text of the value, or "(none)".
    std::string RegistryText(const std::string& key, const std::string& name) const;

    bool GetVersionExA(OsVersionRecord& record) override;
    bool LoadSpooler() override;
    bool GetPrinterDriverDirectoryA(const char* environment, uint32_t level, unsigned char* buffer,
                                    uint32_t bufferSize, uint32_t* needed) override;
    bool AddPrinterDriverA(uint32_t level, DriverInfo3* info) override;
    PrinterHandle AddPrinterA(uint32_t level, PrinterInfo2* info) override;
    bool OpenPrinterA(const char* printerName, uint32_t access, PrinterHandle* printer) override;
    bool ClosePrinter(PrinterHandle printer) override;
    bool GetPrinterA(PrinterHandle printer, uint32_t level, unsigned char* buffer,
                     uint32_t bufferSize, uint32_t* needed) override;
    bool SetPrinterA(PrinterHandle printer, uint32_t level, PrinterInfo2* info) override;
    bool DeletePrinter(PrinterHandle printer) override;
    bool EnumPrintersA(uint32_t flags, uint32_t level, unsigned char* buffer, uint32_t bufferSize,
                       uint32_t* needed, uint32_t* returned) override;
    bool EnumPrinterDriversA(const char* environment, uint32_t level, unsigned char* buffer,
                             uint32_t bufferSize, uint32_t* needed, uint32_t* returned) override;
    bool DeletePrinterDriverA(const char* environment, const char* driverName) override;
    uint32_t GetLastError() override;
    bool CopyFileA(const char* existingName, const char* newName, bool failIfExists) override;
    bool DeleteFileA(const char* fileName) override;
    long RegOpenKeyExA(RegHive hive, const char* subKey, uint32_t options, uint32_t access,
                       RegKey* key) override;
    long RegSetValueExA(RegKey key, const char* valueName, uint32_t reserved, uint32_t type,
                        const unsigned char* data, uint32_t dataSize) override;
    long RegCloseKey(RegKey key) override;
    long RegCreateKeyExA(RegHive hive, const char* subKey, uint32_t access, RegKey* key) override;
    long RegQueryValueExA(RegKey key, const char* valueName, uint32_t* type, unsigned char* data,
                          uint32_t* dataSize) override;
    long RegDeleteValueA(RegKey key, const char* valueName) override;
    long RegDeleteKeyA(RegHive hive, const char* subKey) override;
    void BroadcastSettingChange(const char* section, uint32_t timeoutMs) override;
    int AfxMessageBox(uint32_t textId, uint32_t style, uint32_t helpContext) override;
    int AfxMessageBoxW(const char16_t* text, uint32_t style) override;
    int LoadStringW(uint32_t id, char16_t* buffer, int bufferSize) override;
    const char16_t* GetCommandLineW() override;
    void GetLocalTime(LocalTime& time) override;
    uint32_t FormatMessageW(uint32_t errorCode, char16_t* buffer, uint32_t bufferSize) override;
    FileHandle OpenFileToAppendW(const char16_t* fileName) override;
    bool WriteFile(FileHandle file, const void* data, uint32_t size) override;
    bool CloseHandle(FileHandle file) override;

    // Keys opened and not closed.
    size_t OpenKeyCount() const;

private:
    std::string KeyPath(RegHive hive, const char* subKey) const;
    RegKey HandOut(const std::string& path);
    SpooledPrinter* PrinterOf(PrinterHandle handle);

    size_t m_versionCalls = 0;
    uint32_t m_lastError = 0;
    std::vector<std::string> m_openKeys;  // path of each handle handed out, by handle - 1
    std::set<size_t> m_closedKeys;
    std::map<PrinterHandle, std::string> m_openPrinters;  // by handle, the printer's name
};

// UTF-16 and UTF-8 for the tests, ASCII and beyond.
std::string Utf8(const std::u16string& text);
