#include "platform/win32/win32_services.h"

#include <windows.h>
#include <winspool.h>

#include <cstddef>

#include "framework/load_string.h"
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
static_assert(sizeof(LocalTime) == sizeof(SYSTEMTIME), "SYSTEMTIME");
static_assert(offsetof(LocalTime, wMilliseconds) == offsetof(SYSTEMTIME, wMilliseconds),
              "SYSTEMTIME");
static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide texts are UTF-16");
static_assert(kPrinterAllAccess == PRINTER_ALL_ACCESS, "PRINTER_ALL_ACCESS");
static_assert(kPrinterEnumLocal == PRINTER_ENUM_LOCAL, "PRINTER_ENUM_LOCAL");
static_assert(kKeyQueryValue == KEY_QUERY_VALUE, "KEY_QUERY_VALUE");
static_assert(kErrorMoreData == ERROR_MORE_DATA, "ERROR_MORE_DATA");
static_assert(kErrorInsufficientBuffer == ERROR_INSUFFICIENT_BUFFER, "ERROR_INSUFFICIENT_BUFFER");

namespace {

HKEY RootOf(RegHive hive) { return hive == RegHive::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

}  // namespace

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
    spooler.getPrinter = SystemFunction<decltype(spooler.getPrinter)>(winspool, "GetPrinterA");
    spooler.setPrinter = SystemFunction<decltype(spooler.setPrinter)>(winspool, "SetPrinterA");
    spooler.deletePrinter = SystemFunction<decltype(spooler.deletePrinter)>(winspool, "DeletePrinter");
    spooler.enumPrinters = SystemFunction<decltype(spooler.enumPrinters)>(winspool, "EnumPrintersA");
    spooler.enumPrinterDrivers =
        SystemFunction<decltype(spooler.enumPrinterDrivers)>(winspool, "EnumPrinterDriversA");
    spooler.deletePrinterDriver =
        SystemFunction<decltype(spooler.deletePrinterDriver)>(winspool, "DeletePrinterDriverA");
    if (!spooler.getPrinterDriverDirectory || !spooler.addPrinterDriver || !spooler.addPrinter ||
        !spooler.openPrinter || !spooler.closePrinter || !spooler.getPrinter ||
        !spooler.setPrinter || !spooler.deletePrinter || !spooler.enumPrinters ||
        !spooler.enumPrinterDrivers || !spooler.deletePrinterDriver)
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

bool Win32Services::OpenPrinterA(const char* printerName, uint32_t access, PrinterHandle* printer) {
    HANDLE opened = nullptr;
    PRINTER_DEFAULTSA defaults{nullptr, nullptr, access};
    BOOL ok = m_spooler.openPrinter &&
              m_spooler.openPrinter(const_cast<char*>(printerName), &opened, &defaults);
    *printer = ok ? opened : nullptr;
    return ok != FALSE;
}

bool Win32Services::ClosePrinter(PrinterHandle printer) {
    return m_spooler.closePrinter && m_spooler.closePrinter(printer) != FALSE;
}

bool Win32Services::GetPrinterA(PrinterHandle printer, uint32_t level, unsigned char* buffer,
                                uint32_t bufferSize, uint32_t* needed) {
    DWORD cbNeeded = 0;
    BOOL ok = m_spooler.getPrinter && m_spooler.getPrinter(printer, level, buffer, bufferSize, &cbNeeded);
    *needed = cbNeeded;
    return ok != FALSE;
}

bool Win32Services::SetPrinterA(PrinterHandle printer, uint32_t level, PrinterInfo2* info) {
    return m_spooler.setPrinter && m_spooler.setPrinter(printer, level, reinterpret_cast<BYTE*>(info), 0) != FALSE;
}

bool Win32Services::DeletePrinter(PrinterHandle printer) { return m_spooler.deletePrinter && m_spooler.deletePrinter(printer) != FALSE; }

bool Win32Services::EnumPrintersA(uint32_t flags, uint32_t level, unsigned char* buffer,
                                  uint32_t bufferSize, uint32_t* needed, uint32_t* returned) {
    DWORD cbNeeded = 0, count = 0;
    BOOL ok = m_spooler.enumPrinters && m_spooler.enumPrinters(flags, nullptr, level, buffer, bufferSize, &cbNeeded, &count);
    *needed = cbNeeded;
    *returned = ok ? count : 0;
    return ok != FALSE;
}

bool Win32Services::EnumPrinterDriversA(const char* environment, uint32_t level,
                                        unsigned char* buffer, uint32_t bufferSize,
                                        uint32_t* needed, uint32_t* returned) {
    DWORD cbNeeded = 0, count = 0;
    BOOL ok = m_spooler.enumPrinterDrivers && m_spooler.enumPrinterDrivers(nullptr, const_cast<char*>(environment), level, buffer,
                                    bufferSize, &cbNeeded, &count);
    *needed = cbNeeded;
    *returned = ok ? count : 0;
    return ok != FALSE;
}

bool Win32Services::DeletePrinterDriverA(const char* environment, const char* driverName) {
    return m_spooler.deletePrinterDriver && m_spooler.deletePrinterDriver(nullptr, const_cast<char*>(environment),
                                  const_cast<char*>(driverName)) != FALSE;
}

uint32_t Win32Services::GetLastError() { return ::GetLastError(); }

bool Win32Services::CopyFileA(const char* existingName, const char* newName, bool failIfExists) {
    return ::CopyFileA(existingName, newName, failIfExists ? TRUE : FALSE) != FALSE;
}

bool Win32Services::DeleteFileA(const char* fileName) { return ::DeleteFileA(fileName) != FALSE; }

long Win32Services::RegOpenKeyExA(RegHive hive, const char* subKey, uint32_t options,
                                  uint32_t access, RegKey* key) {
    HKEY opened = nullptr;
    LONG result = ::RegOpenKeyExA(RootOf(hive), subKey, options, access, &opened);
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

long Win32Services::RegCreateKeyExA(RegHive hive, const char* subKey, uint32_t access, RegKey* key) {
    HKEY opened = nullptr;
    DWORD disposition = 0;
    LONG result = ::RegCreateKeyExA(RootOf(hive), subKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                    access, nullptr, &opened, &disposition);
    *key = result == ERROR_SUCCESS ? opened : nullptr;
    return result;
}

long Win32Services::RegQueryValueExA(RegKey key, const char* valueName, uint32_t* type,
                                     unsigned char* data, uint32_t* dataSize) {
    DWORD valueType = 0, size = *dataSize;
    LONG result = ::RegQueryValueExA(static_cast<HKEY>(key), valueName, nullptr, &valueType, data,
                                     &size);
    *type = valueType;
    *dataSize = size;
    return result;
}

long Win32Services::RegDeleteValueA(RegKey key, const char* valueName) {
    return ::RegDeleteValueA(static_cast<HKEY>(key), valueName);
}

long Win32Services::RegDeleteKeyA(RegHive hive, const char* subKey) {
    return ::RegDeleteKeyA(RootOf(hive), subKey);
}

void Win32Services::BroadcastSettingChange(const char* section, uint32_t timeoutMs) {
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(section),
                          SMTO_ABORTIFHUNG, timeoutMs, &answer);
}

int Win32Services::AfxMessageBox(uint32_t textId, uint32_t style, uint32_t helpContext) {
    return ::AfxMessageBox(textId, style, helpContext);
}

int Win32Services::AfxMessageBoxW(const char16_t* text, uint32_t style) {
    return ::AfxMessageBox(Wide(text), style);
}

int Win32Services::LoadStringW(uint32_t id, char16_t* buffer, int bufferSize) {
    return AfxLoadString(id, reinterpret_cast<wchar_t*>(buffer), bufferSize);
}

const char16_t* Win32Services::GetCommandLineW() {
    return reinterpret_cast<const char16_t*>(::GetCommandLineW());
}

void Win32Services::GetLocalTime(LocalTime& time) {
    ::GetLocalTime(reinterpret_cast<SYSTEMTIME*>(&time));
}

uint32_t Win32Services::FormatMessageW(uint32_t errorCode, char16_t* buffer, uint32_t bufferSize) {
    return ::FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                            errorCode, 0, reinterpret_cast<wchar_t*>(buffer), bufferSize, nullptr);
}

FileHandle Win32Services::OpenFileToAppendW(const char16_t* fileName) {
    HANDLE file = ::CreateFileW(Wide(fileName), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    if (::SetFilePointer(file, 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER &&
        ::GetLastError() != NO_ERROR) {
        ::CloseHandle(file);
        return nullptr;
    }
    return file;
}

bool Win32Services::WriteFile(FileHandle file, const void* data, uint32_t size) {
    DWORD written = 0;
    return ::WriteFile(file, data, size, &written, nullptr) != FALSE && written == size;
}

bool Win32Services::CloseHandle(FileHandle file) { return ::CloseHandle(file) != FALSE; }
