// The current user's default printer, and the serial settings of a COM port in the
// machine's list of ports. Both are registry values written
// into keys that must already exist; a value that cannot be set is reported to the user.
#pragma once

class PageSelections;
class Report;
class WindowsServices;
struct ModelEntry;

enum class SettingWrite {
    Written,
    KeyNotOpened,  // passed over without a message
    ValueNotSet,   // the user has been told
    Unreadable,    // a serial list without a row of its table: nothing to write
};

// How long each running program may take to answer the news of a new default printer.
constexpr unsigned kSettingChangeTimeoutMs = 1000;

// "Device" = driver,winspool,port under the current user's key
// Software\Microsoft\Windows NT\CurrentVersion\Windows. Once it is written, running
// programs are told that the "windows" section changed.
SettingWrite WriteDefaultPrinter(WindowsServices& windows, Report& report,
                                 const ModelEntry& model, const char* portName);

// The port's value (named "COM1:" to "COM4:") = baud,parity,bits,stop,flow under the
// machine's key SOFTWARE\Microsoft\Windows NT\CurrentVersion\Ports, from the five serial
// lists, which are read here.
SettingWrite WritePortSettings(WindowsServices& windows, Report& report, PageSelections& page,
                               const char* portName);

// The keys of the two values.
constexpr const char* kDefaultPrinterKey = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";
constexpr const char* kPortSettingsKey = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Ports";
