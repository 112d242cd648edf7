// The Windows services of the wizard, passed straight to the ANSI functions of Windows with
// a null server (the local machine). The spooler's functions are reached through
// winspool.drv loaded from the system directory (never imported, so that no copy beside the
// program or in the current directory is ever loaded); the object holds their addresses.
#pragma once

#include <windows.h>
#include <winspool.h>

#include "platform/windows_services.h"

class Win32Services final : public WindowsServices {
public:
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

private:
    // winspool.drv's functions, as Windows declares them; null until LoadSpooler.
    struct Spooler {
        decltype(&::GetPrinterDriverDirectoryA) getPrinterDriverDirectory;
        decltype(&::AddPrinterDriverA) addPrinterDriver;
        decltype(&::AddPrinterA) addPrinter;
        decltype(&::OpenPrinterA) openPrinter;
        decltype(&::ClosePrinter) closePrinter;
        decltype(&::GetPrinterA) getPrinter;
        decltype(&::SetPrinterA) setPrinter;
        decltype(&::DeletePrinter) deletePrinter;
        decltype(&::EnumPrintersA) enumPrinters;
        decltype(&::EnumPrinterDriversA) enumPrinterDrivers;
        decltype(&::DeletePrinterDriverA) deletePrinterDriver;
    };
    Spooler m_spooler{};
};
