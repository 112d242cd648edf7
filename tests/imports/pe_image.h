// What a 32-bit Windows executable asks of the system before any of its code runs: the
// functions it imports, DLL by DLL, and the header fields the loader checks. Read from the
// file's bytes, so that it is checked on any host; every offset is checked against the file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PeImport {
    std::string dll;       // as the import table spells it
    std::string function;  // or "#N" for an import by ordinal N
};

struct PeImage {
    uint16_t majorOsVersion = 0, minorOsVersion = 0;
    uint16_t majorSubsystemVersion = 0, minorSubsystemVersion = 0;
    uint16_t subsystem = 0;
    uint16_t dllCharacteristics = 0;
    bool hasRelocations = false;
    bool hasDelayImports = false;
    std::vector<PeImport> imports;
};

// False, with the reason in error, when the bytes are not a PE32 image that can be read.
bool ReadPeImage(const std::vector<uint8_t>& bytes, PeImage& image, std::string& error);
