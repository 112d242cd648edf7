#include "engine/install_record.h"

#include "engine/messages.h"
#include "engine/printer_settings.h"
#include "engine/registry_text.h"
#include "engine/report.h"
#include "platform/windows_services.h"

RecordKeyName RecordKeyOf(const char* printerName) {
    return FormatText<255>("%s\\%s", kRecordsKey, printerName);
}

FixedText<31> PreviousSettingsName(const char* portName) {
    return FormatText<31>("Previous %s", portName);
}

namespace {

// The port's settings as they are now, when there are any.
bool ReadPortSettings(WindowsServices& windows, const char* portName, RegistryValueText& settings) {
    OpenedKey ports(windows);
    if (ports.Open(RegHive::LocalMachine, kPortSettingsKey, kKeyQueryValue) != kErrorSuccess)
        return false;
    return ReadRegistryText(windows, ports.get(), portName, settings) == kErrorSuccess;
}

}  // namespace

bool WriteInstallRecord(WindowsServices& windows, Report& report, const char* printerName,
                        const char* portName, bool serialPort) {
    const RecordKeyName keyName = RecordKeyOf(printerName);
    const FixedText<1023> what = FormatText<1023>("record port %s under HKLM\\%s", portName,
                                                  keyName.c_str());
    OpenedKey record(windows);
    long result = record.Create(RegHive::LocalMachine, keyName.c_str(), kKeyQueryValue | kKeySetValue);
    if (result == kErrorSuccess && serialPort) {
        const FixedText<31> previousName = PreviousSettingsName(portName);
        RegistryValueText previous;
        if (ReadRegistryText(windows, record.get(), previousName.c_str(), previous) != kErrorSuccess &&
            ReadPortSettings(windows, portName, previous)) {
            result = WriteRegistryText(windows, record.get(), previousName.c_str(), previous.c_str());
            const FixedText<1023> keep = FormatText<1023>(
                "record the settings of %s as they were, %s", portName, previous.c_str());
            if (result == kErrorSuccess) report.Done(keep.c_str());
            else report.Failed(keep.c_str(), static_cast<uint32_t>(result));
        }
    }
    if (result == kErrorSuccess) result = WriteRegistryText(windows, record.get(), kRecordPortValue, portName);
    if (result != kErrorSuccess) {
        report.Failed(what.c_str(), static_cast<uint32_t>(result));
        report.Tell(IDS_REGISTRY_WRITE_FAILED);
        return false;
    }
    report.Done(what.c_str());
    return true;
}
