// The Windows services the wizard calls: the version query, the print spooler, the registry,
// file copy, the setting-change broadcast and the message box. Records and results are those of Windows, in plain types,
// so that the code that uses them builds and is tested on any host.
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

// An open printer or registry key, as the spooler and the registry hand them out.
using PrinterHandle = void*;
using RegKey = void*;

enum class RegHive { CurrentUser, LocalMachine };

constexpr uint32_t kKeySetValue = 0x0002;  // KEY_SET_VALUE
constexpr uint32_t kRegSz = 1;             // REG_SZ
constexpr long kErrorSuccess = 0;          // ERROR_SUCCESS
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
    // OpenPrinterA with no defaults: an existing printer by name.
    virtual bool OpenPrinterA(const char* printerName, PrinterHandle* printer) = 0;
    virtual bool ClosePrinter(PrinterHandle printer) = 0;
    // GetLastError: why the last call that failed did so.
    virtual uint32_t GetLastError() = 0;

    // CopyFileA.
    virtual bool CopyFileA(const char* existingName, const char* newName, bool failIfExists) = 0;

    // RegOpenKeyExA, RegSetValueExA and RegCloseKey, with Windows' result codes.
    virtual long RegOpenKeyExA(RegHive hive, const char* subKey, uint32_t options, uint32_t access,
                               RegKey* key) = 0;
    virtual long RegSetValueExA(RegKey key, const char* valueName, uint32_t reserved, uint32_t type,
                                const unsigned char* data, uint32_t dataSize) = 0;
    virtual long RegCloseKey(RegKey key) = 0;

    // SendMessageTimeoutA to HWND_BROADCAST with WM_SETTINGCHANGE, wParam 0 and the section
    // name as lParam, SMTO_ABORTIFHUNG: tells running programs that a setting of that
    // section changed. A program that does not answer within the time is passed over.
    virtual void BroadcastSettingChange(const char* section, uint32_t timeoutMs) = 0;

    // AfxMessageBox with a text from the program's string table: modal, returns when
    // the user has dismissed it.
    virtual int AfxMessageBox(uint32_t textId, uint32_t style, uint32_t helpContext) = 0;
};
