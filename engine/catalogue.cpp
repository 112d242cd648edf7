#include "engine/catalogue.h"

// The display texts are stored as made by tools/encode_display_text from the text shown in
// the comment beside each one and its key (trailing blanks included: each model text is 17
// characters, the initial name text 18).
const ModelEntry ModelTable[kModelCount] = {
    // "ZRT-210A Printer "
    {"DSCPCFAYEBBLGVCWCCCJDWIWHTBTJLFUEG", 0x3A7C, "ZRT-210A", "Z21A", "Z21"},
    // "ZRT-210K Printer "
    {"HVDHDTFMFTHQCSGSBDIEAUFFBQJRJUGOAT", 0x91E5, "ZRT-210K", "Z21K", "Z21"},
    // "ZRT-210M Printer "
    {"AXGXGDCODREAIOFFITGTBHFNBBCACZGCJS", 0x4D0B, "ZRT-210M", "Z21M", "Z21"},
    // "ZRT-340 Printer  "
    {"GACSDAGAHWIUFBCZDUGKCAGOBSBSCCJNGD", 0xC6F2, "ZRT-340", "Z34", "Z34"},
    // "ZRT-340F Printer "
    {"EJEJFXHKJTIOBMFVFDCGGBDBBZGVJEJAII", 0x2B98, "ZRT-340F", "Z34F", "Z34"},
    // "ZRT-470A Printer "
    {"HIEWJOFLCGGPADHRASJBDCCWENFPJFHDBU", 0xE4A1, "ZRT-470A", "Z47A", "Z47"},
    // "ZRT-490B Printer "
    {"BLHTHNJLIZBDDJIKFPGDJKGKCDFIAWHLBF", 0x7F36, "ZRT-490B", "Z49B", "Z47"},
    // "ZRT-520B Printer "
    {"COBFGQCEBTJOEXETDUBZFBBJESJQAVDSHZ", 0x185D, "ZRT-520B", "Z52B", "Z472"},
};

// "Choose your model."
const StoredText InitialNameText = {"JACPGTIRDQJACPEHCMCZCVHLAJHVCNCWAEAV", 0xA9C3};

// The list items are the same names without the colon.
const char* const PortTable[kPortCount] = {"LPT1:", "LPT2:", "LPT3:", "COM1:",
                                           "COM2:", "COM3:", "COM4:"};

const char* const BaudRateTable[kBaudRateCount] = {"300",   "1200",  "2400",  "4800",  "9600",
                                                   "19200", "38400", "57600", "115200"};

const char* const ByteSizeTable[kByteSizeCount] = {"5", "6", "7", "8"};

const char* const StopBitsTable[kStopBitsCount] = {"1", "1.5", "2"};

// Even, Mark, None, Odd, Space: the uppercase initial of each item.
const char* const ParityTable[kParityCount] = {"E", "M", "N", "O", "S"};

// None is one blank, XonXoff "x", Hardware "p".
const char* const FlowControlTable[kFlowControlCount] = {" ", "x", "p"};

const char* const ParityItems[kParityCount] = {"Even", "Mark", "None", "Odd", "Space"};

const char* const FlowControlItems[kFlowControlCount] = {"None", "XonXoff", "Hardware"};
