#include "platform/win32/win32_services.h"

#include <windows.h>
#include <winspool.h>

#include <cstddef>

#include "framework/message_box.h"
#include "platform/win32/system_dll.h"

// The portable records must be the Windows ones, field for field.
static_assert(sizeof(OsVersionRecord) == sizeof(OSVERSIONINFOEXA), "OSVERSIONINFOEXA");
static_assert(offsetof(OsVersionRecord, dwPlatformId) == offsetof(OSVERSIONINFOEXA, dwPlatformId),
              "OSVERSIONINFOEXA");
static_assert(offsetof(OsVersionRecord, wProductType) == offsetof(OSVERSIONINFOEXA, wProductType),
              "OSVERSIONINFOEXA");
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA");
static_assert(sizeof(DriverInfo3) == sizeof(DRIVER_INFO_3A), "DRIVER_INFO_3A");
static_assert(offsetof(DriverInfo3, pDefaultDataType) == offsetof(DRIVER_INFO_3A, pDefaultDataType),
              "DRIVER_INFO_3A");
static_assert(sizeof(PrinterInfo2) == sizeof(PRINTER_INFO_2A), "PRINTER_INFO_2A");
static_assert(offsetof(PrinterInfo2, pSecurityDescriptor) ==
                  offsetof(PRINTER_INFO_2A, pSecurityDescriptor),
              "PRINTER_INFO_2A");
static_assert(kErrorPrinterAlreadyExists == ERROR_PRINTER_ALREADY_EXISTS,
              "ERROR_PRINTER_ALREADY_EXISTS");
static_assert(offsetof(PrinterInfo2, AveragePPM) == offsetof(PRINTER_INFO_2A, AveragePPM),
              "PRINTER_INFO_2A");

bool Win32Services::GetVersionExA(OsVersionRecord& record) {
    return ::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&record)) != FALSE;
}

bool Win32Services::LoadSpooler() {
    HMODULE winspool = LoadSystemDll(L"winspool.drv");
    if (!winspool) return false;
    Spooler spooler;
    spooler.getPrinterDriverDirectory =
        SystemFunction<decltype(spooler.getPrinterDriverDirectory)>(winspool, "GetPrinterDriverDirectoryA");
    spooler.addPrinterDriver =
        SystemFunction<decltype(spooler.addPrinterDriver)>(winspool, "AddPrinterDriverA");
    spooler.addPrinter = SystemFunction<decltype(spooler.addPrinter)>(winspool, "AddPrinterA");
    spooler.openPrinter = SystemFunction<decltype(spooler.openPrinter)>(winspool, "OpenPrinterA");
    spooler.closePrinter = SystemFunction<decltype(spooler.closePrinter)>(winspool, "ClosePrinter");
    if (!spooler.getPrinterDriverDirectory || !spooler.addPrinterDriver || !spooler.addPrinter ||
        !spooler.openPrinter || !spooler.closePrinter)
        return false;
    m_spooler = spooler;
    return true;
}

bool Win32Services::GetPrinterDriverDirectoryA(const char* environment, uint32_t level,
                                               unsigned char* buffer, uint32_t bufferSize,
                                               uint32_t* needed) {
    if (!m_spooler.getPrinterDriverDirectory) return false;
    DWORD cbNeeded = 0;
    BOOL ok = m_spooler.getPrinterDriverDirectory(nullptr, const_cast<char*>(environment), level,
                                                  buffer, bufferSize, &cbNeeded);
    if (needed) *needed = cbNeeded;
    return ok != FALSE;
}

bool Win32Services::AddPrinterDriverA(uint32_t level, DriverInfo3* info) {
    if (!m_spooler.addPrinterDriver) return false;
    return m_spooler.addPrinterDriver(nullptr, level, reinterpret_cast<BYTE*>(info)) != FALSE;
}

PrinterHandle Win32Services::AddPrinterA(uint32_t level, PrinterInfo2* info) {
    if (!m_spooler.addPrinter) return nullptr;
    return m_spooler.addPrinter(nullptr, level, reinterpret_cast<BYTE*>(info));
}

bool Win32Services::OpenPrinterA(const char* printerName, PrinterHandle* printer) {
    HANDLE opened = nullptr;
    BOOL ok = m_spooler.openPrinter &&
              m_spooler.openPrinter(const_cast<char*>(printerName), &opened, nullptr);
    *printer = ok ? opened : nullptr;
    return ok != FALSE;
}

bool Win32Services::ClosePrinter(PrinterHandle printer) {
    return m_spooler.closePrinter && m_spooler.closePrinter(printer) != FALSE;
}

uint32_t Win32Services::GetLastError() { return ::GetLastError(); }

bool Win32Services::CopyFileA(const char* existingName, const char* newName, bool failIfExists) {
    return ::CopyFileA(existingName, newName, failIfExists ? TRUE : FALSE) != FALSE;
}

long Win32Services::RegOpenKeyExA(RegHive hive, const char* subKey, uint32_t options,
                                  uint32_t access, RegKey* key) {
    HKEY root = hive == RegHive::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    HKEY opened = nullptr;
    LONG result = ::RegOpenKeyExA(root, subKey, options, access, &opened);
    *key = result == ERROR_SUCCESS ? opened : nullptr;
    return result;
}

long Win32Services::RegSetValueExA(RegKey key, const char* valueName, uint32_t reserved,
                                   uint32_t type, const unsigned char* data, uint32_t dataSize) {
    return ::RegSetValueExA(static_cast<HKEY>(key), valueName, reserved, type, data, dataSize);
}

long Win32Services::RegCloseKey(RegKey key) {
    return ::RegCloseKey(static_cast<HKEY>(key));
}

void Win32Services::BroadcastSettingChange(const char* section, uint32_t timeoutMs) {
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(section),
                          SMTO_ABORTIFHUNG, timeoutMs, &answer);
}

int Win32Services::AfxMessageBox(uint32_t textId, uint32_t style, uint32_t helpContext) {
    return ::AfxMessageBox(textId, style, helpContext);
}
