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
    // winspool.drv's functions, as Windows declares them; null until LoadSpooler.
    struct Spooler {
        decltype(&::GetPrinterDriverDirectoryA) getPrinterDriverDirectory;
        decltype(&::AddPrinterDriverA) addPrinterDriver;
        decltype(&::AddPrinterA) addPrinter;
        decltype(&::OpenPrinterA) openPrinter;
        decltype(&::ClosePrinter) closePrinter;
    };
    Spooler m_spooler{};
};
