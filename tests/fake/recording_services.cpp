#include "recording_services.h"

#include <cstdint>
#include <cstring>

namespace {

std::string Text(const char* s) { return s ? std::string(s) : std::string("(null)"); }

// Handles print as numbers, the same on every host.
std::string Handle(const void* p) { return "#" + std::to_string(reinterpret_cast<uintptr_t>(p)); }

}  // namespace

bool RecordingServices::GetVersionExA(OsVersionRecord& record) {
    calls.push_back("GetVersionExA(size=" + std::to_string(record.dwOSVersionInfoSize) + ")");
    if (m_versionCalls >= versionReplies.size()) {
        ++m_versionCalls;
        return false;
    }
    const VersionReply& reply = versionReplies[m_versionCalls++];
    if (!reply.succeeds) return false;
    record.dwPlatformId = reply.platformId;
    record.dwMajorVersion = reply.majorVersion;
    record.dwMinorVersion = reply.minorVersion;
    return true;
}

bool RecordingServices::LoadSpooler() {
    calls.push_back("LoadSpooler()");
    return !spoolerMissing;
}

bool RecordingServices::GetPrinterDriverDirectoryA(const char* environment, uint32_t level,
                                                   unsigned char* buffer, uint32_t bufferSize,
                                                   uint32_t* needed) {
    bool zeroFilled = true;
    for (uint32_t i = 0; i < bufferSize; ++i) zeroFilled = zeroFilled && buffer[i] == 0;
    calls.push_back("GetPrinterDriverDirectoryA(" + Text(environment) + ", " +
                    std::to_string(level) + ", " + std::to_string(bufferSize) + ", " +
                    (zeroFilled ? "zero-filled" : "not zero-filled") + ")");
    const uint32_t size = static_cast<uint32_t>(driverDirectory.size() + 1);
    if (needed) *needed = reportedNeeded ? *reportedNeeded : size;
    if (driverDirectoryFails || size > bufferSize) return false;
    std::memcpy(buffer, driverDirectory.c_str(), size);
    return true;
}

bool RecordingServices::AddPrinterDriverA(uint32_t level, DriverInfo3* info) {
    calls.push_back("AddPrinterDriverA(" + std::to_string(level) + ", " + Text(info->pName) + ")");
    driver = DriverRecord{};
    driver.cVersion = info->cVersion;
    driver.name = Text(info->pName);
    driver.environment = Text(info->pEnvironment);
    driver.driverPath = Text(info->pDriverPath);
    driver.dataFile = Text(info->pDataFile);
    driver.configFile = Text(info->pConfigFile);
    driver.helpFile = Text(info->pHelpFile);
    driver.monitorNameIsNull = info->pMonitorName == nullptr;
    driver.monitorName = info->pMonitorName ? info->pMonitorName : "";
    driver.defaultDataType = Text(info->pDefaultDataType);
    if (info->pDependentFiles) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(info->pDependentFiles);
        driver.dependentFiles.assign(bytes, bytes + 255);
    }
    return !addPrinterDriverFails;
}

PrinterHandle RecordingServices::AddPrinterA(uint32_t level, PrinterInfo2* info) {
    calls.push_back("AddPrinterA(" + std::to_string(level) + ", " + Text(info->pPrinterName) + ", " +
                    Text(info->pPortName) + ")");
    printer.printerName = Text(info->pPrinterName);
    printer.portName = Text(info->pPortName);
    printer.driverName = Text(info->pDriverName);
    printer.printProcessor = Text(info->pPrintProcessor);
    printer.datatype = Text(info->pDatatype);
    printer.otherFieldsZero =
        !info->pServerName && !info->pShareName && !info->pComment && !info->pLocation &&
        !info->pDevMode && !info->pSepFile && !info->pParameters && !info->pSecurityDescriptor &&
        info->Attributes == 0 && info->Priority == 0 && info->DefaultPriority == 0 &&
        info->StartTime == 0 && info->UntilTime == 0 && info->Status == 0 && info->cJobs == 0 &&
        info->AveragePPM == 0;
    if (!printerHandle) m_lastError = addPrinterError;
    return printerHandle;
}

bool RecordingServices::OpenPrinterA(const char* printerName, PrinterHandle* printer) {
    calls.push_back("OpenPrinterA(" + Text(printerName) + ")");
    *printer = existingPrinter;
    return existingPrinter != nullptr;
}

bool RecordingServices::ClosePrinter(PrinterHandle handle) {
    calls.push_back("ClosePrinter(" + Handle(handle) + ")");
    return true;
}

uint32_t RecordingServices::GetLastError() {
    calls.push_back("GetLastError()");
    return m_lastError;
}

bool RecordingServices::CopyFileA(const char* existingName, const char* newName, bool failIfExists) {
    calls.push_back("CopyFileA(" + Text(existingName) + ", " + Text(newName) + ", " +
                    (failIfExists ? "TRUE" : "FALSE") + ")");
    return failingCopySources.count(Text(existingName)) == 0;
}

long RecordingServices::RegOpenKeyExA(RegHive hive, const char* subKey, uint32_t options,
                                      uint32_t access, RegKey* key) {
    calls.push_back(std::string("RegOpenKeyExA(") + (hive == RegHive::CurrentUser ? "HKCU" : "HKLM") +
                    ", " + Text(subKey) + ", " + std::to_string(options) + ", " +
                    std::to_string(access) + ")");
    auto result = openResults.find(Text(subKey));
    if (result != openResults.end() && result->second != kErrorSuccess) {
        *key = nullptr;
        return result->second;
    }
    m_openKeys.push_back(Text(subKey));
    *key = reinterpret_cast<RegKey>(m_openKeys.size());
    return kErrorSuccess;
}

long RecordingServices::RegSetValueExA(RegKey key, const char* valueName, uint32_t reserved,
                                       uint32_t type, const unsigned char* data,
                                       uint32_t dataSize) {
    calls.push_back("RegSetValueExA(" + Handle(key) + ", " + Text(valueName) + ", " +
                    std::to_string(reserved) + ", " + std::to_string(type) + ", " +
                    std::to_string(dataSize) + ")");
    auto result = setResults.find(Text(valueName));
    if (result != setResults.end() && result->second != kErrorSuccess) return result->second;
    values[Text(valueName)].assign(data, data + dataSize);
    return kErrorSuccess;
}

long RecordingServices::RegCloseKey(RegKey key) {
    calls.push_back("RegCloseKey(" + Handle(key) + ")");
    return kErrorSuccess;
}

void RecordingServices::BroadcastSettingChange(const char* section, uint32_t timeoutMs) {
    calls.push_back("BroadcastSettingChange(" + Text(section) + ", " + std::to_string(timeoutMs) +
                    ")");
}

int RecordingServices::AfxMessageBox(uint32_t textId, uint32_t style, uint32_t helpContext) {
    calls.push_back("AfxMessageBox(" + std::to_string(textId) + ", " + std::to_string(style) + ", " +
                    std::to_string(helpContext) + ")");
    return 1;
}
