#include "recording_services.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

std::string Text(const char* s) { return s ? std::string(s) : std::string("(null)"); }

// Handles print as numbers, the same on every host.
std::string Handle(const void* p) { return "#" + std::to_string(reinterpret_cast<uintptr_t>(p)); }

constexpr uint32_t kErrorAccessDenied = 5;
constexpr uint32_t kErrorUnknownPrinterDriver = 1797;
constexpr uint32_t kErrorInvalidPrinterName = 1801;

// Lays records out as the spooler does: the records first, one after the other, and the
// texts they point to behind them.
class Packer {
public:
    Packer(unsigned char* buffer, size_t recordsSize) : m_buffer(buffer), m_next(recordsSize) {}
    // Copies the text (with its zero, or a list's closing zero) behind the records.
    char* Put(const std::string& text) {
        char* placed = reinterpret_cast<char*>(m_buffer + m_next);
        std::memcpy(placed, text.c_str(), text.size() + 1);
        m_next += text.size() + 1;
        return placed;
    }

private:
    unsigned char* m_buffer;
    size_t m_next;
};

std::string DependentList(const std::vector<std::string>& files) {
    std::string list;
    for (size_t i = 4; i < files.size(); ++i) list += files[i] + std::string(1, '\0');
    return list;  // the packer adds the closing zero
}

std::string FileAt(const std::vector<std::string>& files, size_t i) {
    return i < files.size() ? files[i] : std::string();
}

}  // namespace

std::string Utf8(const std::u16string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size())
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

RecordingServices::RecordingServices() {
    registry["HKCU\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows"];
    registry["HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports"];
}

std::string RecordingServices::RegistryText(const std::string& key, const std::string& name) const {
    auto found = registry.find(key);
    if (found == registry.end()) return "(none)";
    auto value = found->second.find(name);
    return value == found->second.end() ? "(none)" : value->second;
}

size_t RecordingServices::OpenKeyCount() const { return m_openKeys.size() - m_closedKeys.size(); }

std::string RecordingServices::KeyPath(RegHive hive, const char* subKey) const {
    return std::string(hive == RegHive::CurrentUser ? "HKCU\\" : "HKLM\\") + Text(subKey);
}

RegKey RecordingServices::HandOut(const std::string& path) {
    m_openKeys.push_back(path);
    return reinterpret_cast<RegKey>(m_openKeys.size());
}

RecordingServices::SpooledPrinter* RecordingServices::PrinterOf(PrinterHandle handle) {
    auto name = m_openPrinters.find(handle);
    if (name == m_openPrinters.end()) return nullptr;
    for (SpooledPrinter& printer : printers)
        if (printer.name == name->second) return &printer;
    return nullptr;
}

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
    if (driverDirectoryFails || size > bufferSize) {
        m_lastError = kErrorInsufficientBuffer;
        return false;
    }
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
    if (addPrinterDriverFails) m_lastError = addPrinterDriverError;
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

bool RecordingServices::OpenPrinterA(const char* printerName, uint32_t access, PrinterHandle* handle) {
    calls.push_back("OpenPrinterA(" + Text(printerName) + ", " + std::to_string(access) + ")");
    *handle = nullptr;
    for (size_t i = 0; i < printers.size(); ++i) {
        if (printers[i].name != Text(printerName)) continue;
        *handle = reinterpret_cast<PrinterHandle>(0x1000 + i);
        m_openPrinters[*handle] = printers[i].name;
        return true;
    }
    m_lastError = kErrorInvalidPrinterName;
    return false;
}

bool RecordingServices::ClosePrinter(PrinterHandle handle) {
    calls.push_back("ClosePrinter(" + Handle(handle) + ")");
    return true;
}

bool RecordingServices::GetPrinterA(PrinterHandle handle, uint32_t level, unsigned char* buffer,
                                    uint32_t bufferSize, uint32_t* needed) {
    calls.push_back("GetPrinterA(" + Handle(handle) + ", " + std::to_string(level) + ")");
    const SpooledPrinter* spooled = PrinterOf(handle);
    if (!spooled) {
        m_lastError = kErrorInvalidPrinterName;
        return false;
    }
    const std::string texts[] = {spooled->name, spooled->port, spooled->driver, "WinPrint", "RAW"};
    size_t size = sizeof(PrinterInfo2);
    for (const std::string& text : texts) size += text.size() + 1;
    *needed = static_cast<uint32_t>(size);
    if (bufferSize < size) {
        m_lastError = kErrorInsufficientBuffer;
        return false;
    }
    std::memset(buffer, 0, sizeof(PrinterInfo2));
    auto* info = reinterpret_cast<PrinterInfo2*>(buffer);
    Packer packer(buffer, sizeof(PrinterInfo2));
    info->pPrinterName = packer.Put(texts[0]);
    info->pPortName = packer.Put(texts[1]);
    info->pDriverName = packer.Put(texts[2]);
    info->pPrintProcessor = packer.Put(texts[3]);
    info->pDatatype = packer.Put(texts[4]);
    info->pSecurityDescriptor = buffer;  // a security descriptor of its own, as Windows gives
    info->Priority = 1;
    return true;
}

bool RecordingServices::SetPrinterA(PrinterHandle handle, uint32_t level, PrinterInfo2* info) {
    calls.push_back("SetPrinterA(" + Handle(handle) + ", " + std::to_string(level) + ", " +
                    Text(info->pPrinterName) + ", " + Text(info->pPortName) + ", " +
                    Text(info->pDriverName) + ", " + Text(info->pPrintProcessor) + ", " +
                    (info->pSecurityDescriptor ? "security" : "no security") + ")");
    SpooledPrinter* spooled = PrinterOf(handle);
    if (setPrinterFails || !spooled) {
        m_lastError = spoolerError;
        return false;
    }
    spooled->port = Text(info->pPortName);
    spooled->driver = Text(info->pDriverName);
    return true;
}

bool RecordingServices::DeletePrinter(PrinterHandle handle) {
    calls.push_back("DeletePrinter(" + Handle(handle) + ")");
    SpooledPrinter* spooled = PrinterOf(handle);
    if (deletePrinterFails || !spooled) {
        m_lastError = spoolerError;
        return false;
    }
    const std::string name = spooled->name;
    for (auto i = printers.begin(); i != printers.end(); ++i)
        if (i->name == name) {
            printers.erase(i);
            break;
        }
    if (deletePrinterClearsDevice)
        registry["HKCU\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows"].erase("Device");
    return true;
}

bool RecordingServices::EnumPrintersA(uint32_t flags, uint32_t level, unsigned char* buffer,
                                      uint32_t bufferSize, uint32_t* needed, uint32_t* returned) {
    calls.push_back("EnumPrintersA(" + std::to_string(flags) + ", " + std::to_string(level) + ")");
    size_t size = sizeof(PrinterInfo2) * printers.size();
    for (const SpooledPrinter& p : printers) size += p.name.size() + p.port.size() + p.driver.size() + 3;
    *needed = static_cast<uint32_t>(size);
    *returned = 0;
    if (bufferSize < size) {
        m_lastError = kErrorInsufficientBuffer;
        return false;
    }
    std::memset(buffer, 0, sizeof(PrinterInfo2) * printers.size());
    auto* infos = reinterpret_cast<PrinterInfo2*>(buffer);
    Packer packer(buffer, sizeof(PrinterInfo2) * printers.size());
    for (size_t i = 0; i < printers.size(); ++i) {
        infos[i].pPrinterName = packer.Put(printers[i].name);
        infos[i].pPortName = packer.Put(printers[i].port);
        infos[i].pDriverName = packer.Put(printers[i].driver);
    }
    *returned = static_cast<uint32_t>(printers.size());
    return true;
}

bool RecordingServices::EnumPrinterDriversA(const char* environment, uint32_t level,
                                            unsigned char* buffer, uint32_t bufferSize,
                                            uint32_t* needed, uint32_t* returned) {
    calls.push_back("EnumPrinterDriversA(" + Text(environment) + ", " + std::to_string(level) + ")");
    *returned = 0;
    if (enumDriversFails) {
        *needed = 0;
        m_lastError = spoolerError;
        return false;
    }
    size_t size = sizeof(DriverInfo3) * drivers.size();
    for (const SpooledDriver& d : drivers) {
        size += d.name.size() + 1 + std::strlen(environment) + 1 + DependentList(d.files).size() + 1;
        for (size_t i = 0; i < 4; ++i) size += FileAt(d.files, i).size() + 1;
    }
    *needed = static_cast<uint32_t>(size);
    if (bufferSize < size) {
        m_lastError = kErrorInsufficientBuffer;
        return false;
    }
    std::memset(buffer, 0, sizeof(DriverInfo3) * drivers.size());
    auto* infos = reinterpret_cast<DriverInfo3*>(buffer);
    Packer packer(buffer, sizeof(DriverInfo3) * drivers.size());
    for (size_t i = 0; i < drivers.size(); ++i) {
        infos[i].cVersion = 3;
        infos[i].pName = packer.Put(drivers[i].name);
        infos[i].pEnvironment = packer.Put(environment);
        infos[i].pDriverPath = packer.Put(FileAt(drivers[i].files, 0));
        infos[i].pDataFile = packer.Put(FileAt(drivers[i].files, 1));
        infos[i].pConfigFile = packer.Put(FileAt(drivers[i].files, 2));
        infos[i].pHelpFile = packer.Put(FileAt(drivers[i].files, 3));
        infos[i].pDependentFiles = packer.Put(DependentList(drivers[i].files));
    }
    *returned = static_cast<uint32_t>(drivers.size());
    return true;
}

bool RecordingServices::DeletePrinterDriverA(const char* environment, const char* driverName) {
    calls.push_back("DeletePrinterDriverA(" + Text(environment) + ", " + Text(driverName) + ")");
    for (auto i = drivers.begin(); i != drivers.end(); ++i) {
        if (i->name != Text(driverName)) continue;
        if (deleteDriverFails) {
            m_lastError = spoolerError;
            return false;
        }
        drivers.erase(i);
        return true;
    }
    m_lastError = kErrorUnknownPrinterDriver;
    return false;
}

uint32_t RecordingServices::GetLastError() {
    calls.push_back("GetLastError()");
    return m_lastError;
}

bool RecordingServices::CopyFileA(const char* existingName, const char* newName, bool failIfExists) {
    calls.push_back("CopyFileA(" + Text(existingName) + ", " + Text(newName) + ", " +
                    (failIfExists ? "TRUE" : "FALSE") + ")");
    if (failingCopySources.count(Text(existingName)) != 0) {
        m_lastError = copyError;
        return false;
    }
    return true;
}

bool RecordingServices::DeleteFileA(const char* fileName) {
    calls.push_back("DeleteFileA(" + Text(fileName) + ")");
    if (failingDeletes.count(Text(fileName))) {
        m_lastError = kErrorAccessDenied;
        return false;
    }
    if (files.erase(Text(fileName)) == 0) {
        m_lastError = static_cast<uint32_t>(kErrorFileNotFound);
        return false;
    }
    return true;
}

long RecordingServices::RegOpenKeyExA(RegHive hive, const char* subKey, uint32_t options,
                                      uint32_t access, RegKey* key) {
    calls.push_back(std::string("RegOpenKeyExA(") + (hive == RegHive::CurrentUser ? "HKCU" : "HKLM") +
                    ", " + Text(subKey) + ", " + std::to_string(options) + ", " +
                    std::to_string(access) + ")");
    *key = nullptr;
    auto result = openResults.find(Text(subKey));
    if (result != openResults.end() && result->second != kErrorSuccess) return result->second;
    const std::string path = KeyPath(hive, subKey);
    if (registry.count(path) == 0) return kErrorFileNotFound;
    *key = HandOut(path);
    return kErrorSuccess;
}

long RecordingServices::RegCreateKeyExA(RegHive hive, const char* subKey, uint32_t access,
                                        RegKey* key) {
    calls.push_back(std::string("RegCreateKeyExA(") +
                    (hive == RegHive::CurrentUser ? "HKCU" : "HKLM") + ", " + Text(subKey) + ", " +
                    std::to_string(access) + ")");
    *key = nullptr;
    auto result = openResults.find(Text(subKey));
    if (result != openResults.end() && result->second != kErrorSuccess) return result->second;
    // The keys above are made too, as Windows makes them.
    const std::string path = KeyPath(hive, subKey);
    for (size_t slash = path.find('\\', 5); slash != std::string::npos; slash = path.find('\\', slash + 1))
        registry[path.substr(0, slash)];
    registry[path];
    *key = HandOut(path);
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
    const size_t handle = reinterpret_cast<size_t>(key);
    if (handle >= 1 && handle <= m_openKeys.size()) {
        std::string text(reinterpret_cast<const char*>(data), dataSize);
        if (!text.empty() && text.back() == '\0') text.pop_back();
        registry[m_openKeys[handle - 1]][Text(valueName)] = text;
    }
    return kErrorSuccess;
}

long RecordingServices::RegQueryValueExA(RegKey key, const char* valueName, uint32_t* type,
                                         unsigned char* data, uint32_t* dataSize) {
    calls.push_back("RegQueryValueExA(" + Handle(key) + ", " + Text(valueName) + ")");
    const size_t handle = reinterpret_cast<size_t>(key);
    if (handle < 1 || handle > m_openKeys.size()) return 6;  // ERROR_INVALID_HANDLE
    const auto& keyValues = registry[m_openKeys[handle - 1]];
    auto value = keyValues.find(Text(valueName));
    if (value == keyValues.end()) return kErrorFileNotFound;
    const uint32_t size = static_cast<uint32_t>(value->second.size() + 1);
    *type = kRegSz;
    if (*dataSize < size) {
        *dataSize = size;
        return kErrorMoreData;
    }
    std::memcpy(data, value->second.c_str(), size);
    *dataSize = size;
    return kErrorSuccess;
}

long RecordingServices::RegDeleteValueA(RegKey key, const char* valueName) {
    calls.push_back("RegDeleteValueA(" + Handle(key) + ", " + Text(valueName) + ")");
    const size_t handle = reinterpret_cast<size_t>(key);
    if (handle < 1 || handle > m_openKeys.size()) return 6;
    return registry[m_openKeys[handle - 1]].erase(Text(valueName)) ? kErrorSuccess
                                                                     : kErrorFileNotFound;
}

long RecordingServices::RegDeleteKeyA(RegHive hive, const char* subKey) {
    calls.push_back(std::string("RegDeleteKeyA(") + (hive == RegHive::CurrentUser ? "HKCU" : "HKLM") +
                    ", " + Text(subKey) + ")");
    const std::string path = KeyPath(hive, subKey);
    for (const auto& [other, unused] : registry)
        if (other.size() > path.size() && other.compare(0, path.size() + 1, path + "\\") == 0)
            return kErrorAccessDenied;  // it has sub-keys
    return registry.erase(path) ? kErrorSuccess : kErrorFileNotFound;
}

long RecordingServices::RegCloseKey(RegKey key) {
    calls.push_back("RegCloseKey(" + Handle(key) + ")");
    m_closedKeys.insert(reinterpret_cast<size_t>(key));
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

int RecordingServices::AfxMessageBoxW(const char16_t* text, uint32_t style) {
    calls.push_back("AfxMessageBoxW(" + std::to_string(style) + ")");
    messages.push_back(Utf8(text));
    return 1;
}

int RecordingServices::LoadStringW(uint32_t id, char16_t* buffer, int bufferSize) {
    auto found = strings.find(id);
    std::u16string text = u"text ";
    if (found != strings.end()) text = found->second;
    else for (char c : std::to_string(id)) text += static_cast<char16_t>(c);
    if (bufferSize <= 0) return 0;
    const size_t length = std::min(text.size(), static_cast<size_t>(bufferSize - 1));
    std::memcpy(buffer, text.data(), length * sizeof(char16_t));
    buffer[length] = 0;
    return static_cast<int>(length);
}

const char16_t* RecordingServices::GetCommandLineW() { return commandLine.c_str(); }

void RecordingServices::GetLocalTime(LocalTime& now) { now = time; }

uint32_t RecordingServices::FormatMessageW(uint32_t errorCode, char16_t* buffer, uint32_t bufferSize) {
    std::u16string text = u"system text of ";
    for (char c : std::to_string(errorCode)) text += static_cast<char16_t>(c);
    text += u".\r\n";  // as Windows ends its texts
    if (bufferSize == 0) return 0;
    const size_t length = std::min(text.size(), static_cast<size_t>(bufferSize - 1));
    std::memcpy(buffer, text.data(), length * sizeof(char16_t));
    buffer[length] = 0;
    return static_cast<uint32_t>(length);
}

FileHandle RecordingServices::OpenFileToAppendW(const char16_t* fileName) {
    calls.push_back("OpenFileToAppendW(" + Utf8(fileName) + ")");
    if (logOpenFails) return nullptr;
    FileHandle file = reinterpret_cast<FileHandle>(0x10C0 + written.size());
    written[file];
    return file;
}

bool RecordingServices::WriteFile(FileHandle file, const void* data, uint32_t size) {
    written[file].append(static_cast<const char*>(data), size);
    return true;
}

bool RecordingServices::CloseHandle(FileHandle file) {
    calls.push_back("CloseHandle(" + Handle(file) + ")");
    return true;
}
