// The Windows services the wizard calls: the version query, the print spooler, the registry,
// files, the command line, the clock, the setting-change broadcast, texts and message boxes.
// Records and results are those of Windows, in plain types, so that the code that uses them
// builds and is tested on any host. Wide texts are UTF-16, as Windows holds them.
#pragma once

#include <cstdint>

// The OSVERSIONINFOEXA layout (156 bytes); its first 148 bytes are OSVERSIONINFOA.
struct OsVersionRecord {
    uint32_t dwOSVersionInfoSize;
    uint32_t dwMajorVersion;
    uint32_t dwMinorVersion;
    uint32_t dwBuildNumber;
    uint32_t dwPlatformId;
    char szCSDVersion[128];
    uint16_t wServicePackMajor;
    uint16_t wServicePackMinor;
    uint16_t wSuiteMask;
    uint8_t wProductType;
    uint8_t wReserved;
};
static_assert(sizeof(OsVersionRecord) == 156, "OSVERSIONINFOEXA is 156 bytes");

constexpr uint32_t kVerPlatformWin32Windows = 1;
constexpr uint32_t kVerPlatformWin32Nt = 2;

// DRIVER_INFO_3A.
struct DriverInfo3 {
    uint32_t cVersion;
    char* pName;
    char* pEnvironment;
    char* pDriverPath;
    char* pDataFile;
    char* pConfigFile;
    char* pHelpFile;
    char* pDependentFiles;
    char* pMonitorName;
    char* pDefaultDataType;
};

// PRINTER_INFO_2A.
struct PrinterInfo2 {
    char* pServerName;
    char* pPrinterName;
    char* pShareName;
    char* pPortName;
    char* pDriverName;
    char* pComment;
    char* pLocation;
    void* pDevMode;
    char* pSepFile;
    char* pPrintProcessor;
    char* pDatatype;
    char* pParameters;
    void* pSecurityDescriptor;
    uint32_t Attributes;
    uint32_t Priority;
    uint32_t DefaultPriority;
    uint32_t StartTime;
    uint32_t UntilTime;
    uint32_t Status;
    uint32_t cJobs;
    uint32_t AveragePPM;
};

// SYSTEMTIME.
struct LocalTime {
    uint16_t wYear;
    uint16_t wMonth;
    uint16_t wDayOfWeek;
    uint16_t wDay;
    uint16_t wHour;
    uint16_t wMinute;
    uint16_t wSecond;
    uint16_t wMilliseconds;
};

// An open printer, registry key or file, as the spooler, the registry and the file system
// hand them out; null for none.
using PrinterHandle = void*;
using RegKey = void*;
using FileHandle = void*;

enum class RegHive { CurrentUser, LocalMachine };

constexpr uint32_t kKeyQueryValue = 0x0001;  // KEY_QUERY_VALUE
constexpr uint32_t kKeySetValue = 0x0002;    // KEY_SET_VALUE
constexpr uint32_t kRegSz = 1;               // REG_SZ
constexpr uint32_t kPrinterAllAccess = 0x000F000C;  // PRINTER_ALL_ACCESS
constexpr uint32_t kPrinterEnumLocal = 0x00000002;  // PRINTER_ENUM_LOCAL
constexpr long kErrorSuccess = 0;            // ERROR_SUCCESS
constexpr long kErrorFileNotFound = 2;       // ERROR_FILE_NOT_FOUND
constexpr long kErrorMoreData = 234;         // ERROR_MORE_DATA
constexpr uint32_t kErrorInsufficientBuffer = 122;     // ERROR_INSUFFICIENT_BUFFER
constexpr uint32_t kErrorPrinterAlreadyExists = 1802;  // ERROR_PRINTER_ALREADY_EXISTS

// Each operation carries the name of the Windows function it stands for (the ANSI form).
class WindowsServices {
public:
    virtual ~WindowsServices() = default;

    // GetVersionExA: the record's size field says which layout is filled.
    virtual bool GetVersionExA(OsVersionRecord& record) = 0;

    // Makes the print spooler's functions ready (winspool.drv, loaded from the system
    // directory). False when the DLL or one of its functions cannot be had; the spooler
    // operations below then fail.
    virtual bool LoadSpooler() = 0;

    // GetPrinterDriverDirectoryA with a null server.
    virtual bool GetPrinterDriverDirectoryA(const char* environment, uint32_t level,
                                            unsigned char* buffer, uint32_t bufferSize,
                                            uint32_t* needed) = 0;
    // AddPrinterDriverA with a null server.
    virtual bool AddPrinterDriverA(uint32_t level, DriverInfo3* info) = 0;
    // AddPrinterA with a null server; a null handle when the printer was not added.
    virtual PrinterHandle AddPrinterA(uint32_t level, PrinterInfo2* info) = 0;
    // OpenPrinterA with defaults that ask only for the access: an existing printer by name.
    virtual bool OpenPrinterA(const char* printerName, uint32_t access, PrinterHandle* printer) = 0;
    virtual bool ClosePrinter(PrinterHandle printer) = 0;
    // GetPrinterA: the record of the level, its texts behind it in the buffer.
    virtual bool GetPrinterA(PrinterHandle printer, uint32_t level, unsigned char* buffer,
                             uint32_t bufferSize, uint32_t* needed) = 0;
    // SetPrinterA with the command 0: the printer takes the record.
    virtual bool SetPrinterA(PrinterHandle printer, uint32_t level, PrinterInfo2* info) = 0;
    virtual bool DeletePrinter(PrinterHandle printer) = 0;
    // EnumPrintersA with no name, and EnumPrinterDriversA with a null server: the records
    // one after the other, their texts behind them.
    virtual bool EnumPrintersA(uint32_t flags, uint32_t level, unsigned char* buffer,
                               uint32_t bufferSize, uint32_t* needed, uint32_t* returned) = 0;
    virtual bool EnumPrinterDriversA(const char* environment, uint32_t level, unsigned char* buffer,
                                     uint32_t bufferSize, uint32_t* needed,
                                     uint32_t* returned) = 0;
    // DeletePrinterDriverA with a null server.
    virtual bool DeletePrinterDriverA(const char* environment, const char* driverName) = 0;
    // GetLastError: why the last call that failed did so.
    virtual uint32_t GetLastError() = 0;

    // CopyFileA.
    virtual bool CopyFileA(const char* existingName, const char* newName, bool failIfExists) = 0;
    virtual bool DeleteFileA(const char* fileName) = 0;

    // RegOpenKeyExA, RegSetValueExA and RegCloseKey, with Windows' result codes.
    virtual long RegOpenKeyExA(RegHive hive, const char* subKey, uint32_t options, uint32_t access,
                               RegKey* key) = 0;
    virtual long RegSetValueExA(RegKey key, const char* valueName, uint32_t reserved, uint32_t type,
                                const unsigned char* data, uint32_t dataSize) = 0;
    virtual long RegCloseKey(RegKey key) = 0;
    // RegCreateKeyExA with no class, options 0 (a key that is kept) and no security
    // attributes: opens the key, creating it and the keys above it where they are missing.
    virtual long RegCreateKeyExA(RegHive hive, const char* subKey, uint32_t access,
                                 RegKey* key) = 0;
    // RegQueryValueExA: dataSize gives the buffer's size and receives the value's.
    virtual long RegQueryValueExA(RegKey key, const char* valueName, uint32_t* type,
                                  unsigned char* data, uint32_t* dataSize) = 0;
    virtual long RegDeleteValueA(RegKey key, const char* valueName) = 0;
    // RegDeleteKeyA: a key without sub-keys.
    virtual long RegDeleteKeyA(RegHive hive, const char* subKey) = 0;

    // SendMessageTimeoutA to HWND_BROADCAST with WM_SETTINGCHANGE, wParam 0 and the section
    // name as lParam, SMTO_ABORTIFHUNG: tells running programs that a setting of that
    // section changed. A program that does not answer within the time is passed over.
    virtual void BroadcastSettingChange(const char* section, uint32_t timeoutMs) = 0;

    // AfxMessageBox with a text from the program's string table: modal, returns when
    // the user has dismissed it.
    virtual int AfxMessageBox(uint32_t textId, uint32_t style, uint32_t helpContext) = 0;
    // AfxMessageBox with a text of the program's making.
    virtual int AfxMessageBoxW(const char16_t* text, uint32_t style) = 0;
    // LoadStringW from the program's string table: the length copied, 0 for no such text.
    virtual int LoadStringW(uint32_t id, char16_t* buffer, int bufferSize) = 0;

    // GetCommandLineW: the whole command line, the program's own name first.
    virtual const char16_t* GetCommandLineW() = 0;
    virtual void GetLocalTime(LocalTime& time) = 0;
    // FormatMessageW from the system's message table, with no inserts: the text of a Win32
    // error code, its length copied; 0 when there is none.
    virtual uint32_t FormatMessageW(uint32_t errorCode, char16_t* buffer, uint32_t bufferSize) = 0;

    // CreateFileW for writing, shared for reading, opening the file or creating it, then
    // SetFilePointer to its end: a file to append to. Null when it cannot be opened.
    virtual FileHandle OpenFileToAppendW(const char16_t* fileName) = 0;
    // WriteFile: true when all of it was written.
    virtual bool WriteFile(FileHandle file, const void* data, uint32_t size) = 0;
    virtual bool CloseHandle(FileHandle file) = 0;
};
