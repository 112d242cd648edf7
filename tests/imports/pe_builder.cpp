#include "tests/imports/pe_builder.h"

#include <cstring>

namespace {

constexpr uint32_t kPeOffset = 0x80;
constexpr uint32_t kSectionRva = 0x1000;
constexpr uint32_t kSectionFileOffset = 0x200;

void Put16(std::vector<uint8_t>& b, size_t at, uint16_t v) { std::memcpy(&b[at], &v, 2); }
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) { std::memcpy(&b[at], &v, 4); }

}  // namespace

std::vector<uint8_t> PeBuilder::Build() const {
    // The section: the descriptors (one per DLL and a zero one), then per DLL its lookup
    // table, its name and the hint/name entries.
    std::vector<uint8_t> section(20 * (dlls.size() + 1), 0);
    auto rvaOf = [](size_t offsetInSection) {
        return static_cast<uint32_t>(kSectionRva + offsetInSection);
    };
    for (size_t d = 0; d < dlls.size(); ++d) {
        const size_t lookup = section.size();
        section.resize(section.size() + 4 * (dlls[d].functions.size() + 1), 0);
        const size_t name = section.size();
        section.insert(section.end(), dlls[d].name.begin(), dlls[d].name.end());
        section.push_back(0);
        Put32(section, 20 * d + 0, rvaOf(lookup));
        Put32(section, 20 * d + 12, rvaOf(name));
        Put32(section, 20 * d + 16, rvaOf(lookup));
        for (size_t f = 0; f < dlls[d].functions.size(); ++f) {
            const std::string& function = dlls[d].functions[f];
            if (function[0] == '#') {
                Put32(section, lookup + 4 * f, 0x80000000u | std::stoul(function.substr(1)));
                continue;
            }
            const size_t hintName = section.size();
            section.resize(section.size() + 2, 0);  // hint 0
            section.insert(section.end(), function.begin(), function.end());
            section.push_back(0);
            Put32(section, lookup + 4 * f, rvaOf(hintName));
        }
    }
    section.resize((section.size() + 0x1FF) & ~size_t(0x1FF), 0);

    std::vector<uint8_t> image(kSectionFileOffset, 0);
    image[0] = 'M';
    image[1] = 'Z';
    Put32(image, 0x3C, kPeOffset);
    std::memcpy(&image[kPeOffset], "PE\0\0", 4);
    const size_t file = kPeOffset + 4;
    Put16(image, file + 0, 0x014C);  // i386
    Put16(image, file + 2, 1);       // one section
    Put16(image, file + 16, 224);    // optional header with 16 directories
    Put16(image, file + 18, 0x0102);
    const size_t optional = file + 20;
    Put16(image, optional + 0, 0x010B);
    Put16(image, optional + 40, 4);  // operating system version 4.0
    Put16(image, optional + 48, subsystemMajor);
    Put16(image, optional + 50, subsystemMinor);
    Put16(image, optional + 68, 2);  // Windows GUI
    Put16(image, optional + 70, dllCharacteristics);
    Put32(image, optional + 92, 16);
    const size_t directories = optional + 96;
    Put32(image, directories + 8 * 1, kSectionRva);
    Put32(image, directories + 8 * 1 + 4, static_cast<uint32_t>(20 * (dlls.size() + 1)));
    if (relocations) {
        Put32(image, directories + 8 * 5, kSectionRva);
        Put32(image, directories + 8 * 5 + 4, 8);
    }
    if (delayImports) Put32(image, directories + 8 * 13, kSectionRva);
    const size_t header = optional + 224;
    std::memcpy(&image[header], ".idata\0\0", 8);
    Put32(image, header + 8, static_cast<uint32_t>(section.size()));
    Put32(image, header + 12, kSectionRva);
    Put32(image, header + 16, static_cast<uint32_t>(section.size()));
    Put32(image, header + 20, kSectionFileOffset);
    image.insert(image.end(), section.begin(), section.end());
    return image;
}
