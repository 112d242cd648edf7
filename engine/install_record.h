// What an installation changed that its removal puts back, kept for each printer under
// HKLM\SOFTWARE\ZILT\Printer Setup\<printer>: "Port", the printer's port, and for each COM
// port whose settings it overwrote, "Previous COM1:" (and so on), the settings as they were.
// Deployment tools can take the key as the sign that the printer is installed.
#pragma once

#include "engine/fixed_text.h"

class Report;
class WindowsServices;

constexpr const char* kRecordsKey = "SOFTWARE\\ZILT\\Printer Setup";
constexpr const char* kRecordPortValue = "Port";

using RecordKeyName = FixedText<255>;
// kRecordsKey, a backslash and the printer's name.
RecordKeyName RecordKeyOf(const char* printerName);
// "Previous " and the port's name ("COM1:").
FixedText<31> PreviousSettingsName(const char* portName);

// Keeps the printer's port in its record, creating the record when it is missing. For a COM
// port it keeps the port's settings as they are now, before the installation writes its
// own, unless the record holds them already: a second run must not take the settings of
// the first for the user's. False when the record could not be written; the user has been
// told, as of any registry value that could not be set.
bool WriteInstallRecord(WindowsServices& windows, Report& report, const char* printerName,
                        const char* portName, bool serialPort);
