// What the wizard can install and on which port: the eight printer models, the seven ports
// and the values written for each item of the five serial-setting lists. Row r of a table
// belongs to the item at position r of its list on the "Detail Setting" page; no list is
// sorted. Constant data, shared read-only.
#pragma once

#include <cstddef>
#include <cstdint>

struct ModelEntry {
    const char* displayText;          // stored form, 34 letters; see DecodeDisplayText
    uint16_t displayKey;              // its key
    const char* driverName;           // the driver's name, and the printer's
    const char* gpdBaseName;          // + ".GPD": the driver's data file
    const char* resourceDllBaseName;  // + ".DLL": one of the driver's dependent files
};

// A stored display text with its key.
struct StoredText {
    const char* text;
    uint16_t key;
};

constexpr size_t kModelCount = 8;
constexpr size_t kPortCount = 7;
constexpr size_t kFirstSerialPortRow = 3;  // rows 3 to 6 are COM1: to COM4:
constexpr size_t kBaudRateCount = 9;
constexpr size_t kByteSizeCount = 4;
constexpr size_t kStopBitsCount = 3;
constexpr size_t kParityCount = 5;
constexpr size_t kFlowControlCount = 3;

extern const ModelEntry ModelTable[kModelCount];
extern const char* const PortTable[kPortCount];  // "LPT1:" to "COM4:"
extern const char* const BaudRateTable[kBaudRateCount];
extern const char* const ByteSizeTable[kByteSizeCount];
extern const char* const StopBitsTable[kStopBitsCount];
extern const char* const ParityTable[kParityCount];
extern const char* const FlowControlTable[kFlowControlCount];
// The items of the parity and flow-control lists, whose written texts differ from them.
extern const char* const ParityItems[kParityCount];
extern const char* const FlowControlItems[kFlowControlCount];

// What the name field shows when page 2 opens, before a model is chosen: 36 letters.
extern const StoredText InitialNameText;

// Serial settings apply to a port exactly when its row is past the parallel ports.
inline bool IsSerialPortRow(long row) { return row >= static_cast<long>(kFirstSerialPortRow); }
