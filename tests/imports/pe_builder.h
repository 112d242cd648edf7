// A small PE32 image made in memory for the tests of the import reader: headers, one section
// that holds the import table, and the fields the checks read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PeBuilder {
    struct Dll {
        std::string name;
        std::vector<std::string> functions;  // "#N" imports by ordinal N
    };
    std::vector<Dll> dlls;
    uint16_t subsystemMajor = 4, subsystemMinor = 0;
    uint16_t dllCharacteristics = 0x0140;  // DYNAMIC_BASE | NX_COMPAT
    bool relocations = true;
    bool delayImports = false;

    std::vector<uint8_t> Build() const;
};
