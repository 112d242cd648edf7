#include "tests/imports/pe_image.h"

#include <cstring>

namespace {

class Bytes {
public:
    explicit Bytes(const std::vector<uint8_t>& bytes) : m_bytes(bytes) {}

    bool Fits(uint64_t offset, uint64_t size) const {
        return offset <= m_bytes.size() && size <= m_bytes.size() - offset;
    }
    bool U16(uint64_t offset, uint16_t& value) const { return Read(offset, &value, 2); }
    bool U32(uint64_t offset, uint32_t& value) const { return Read(offset, &value, 4); }
    // A zero-terminated text that ends inside the file.
    bool Text(uint64_t offset, std::string& text) const {
        if (offset >= m_bytes.size()) return false;
        const void* end = std::memchr(m_bytes.data() + offset, 0, m_bytes.size() - offset);
        if (!end) return false;
        text.assign(reinterpret_cast<const char*>(m_bytes.data() + offset),
                    static_cast<const uint8_t*>(end) - (m_bytes.data() + offset));
        return true;
    }

private:
    bool Read(uint64_t offset, void* value, size_t size) const {
        if (!Fits(offset, size)) return false;
        std::memcpy(value, m_bytes.data() + offset, size);  // little-endian, as the host
        return true;
    }
    const std::vector<uint8_t>& m_bytes;
};

struct Section {
    uint32_t virtualAddress, virtualSize, rawSize, rawOffset;
};

class Reader {
public:
    Reader(const std::vector<uint8_t>& bytes, PeImage& image, std::string& error)
        : m_bytes(bytes), m_image(image), m_error(error) {}

    bool Read() {
        uint16_t mz = 0;
        uint32_t peOffset = 0, signature = 0;
        if (!m_bytes.U16(0, mz) || mz != 0x5A4D) return Fail("no MZ header");
        if (!m_bytes.U32(0x3C, peOffset) || !m_bytes.U32(peOffset, signature) ||
            signature != 0x00004550)
            return Fail("no PE signature");
        const uint64_t fileHeader = peOffset + 4ull;
        uint16_t machine = 0, sectionCount = 0, optionalSize = 0;
        if (!m_bytes.U16(fileHeader, machine) || !m_bytes.U16(fileHeader + 2, sectionCount) ||
            !m_bytes.U16(fileHeader + 16, optionalSize))
            return Fail("file header cut short");
        if (machine != 0x014C) return Fail("not an x86 image");
        const uint64_t optional = fileHeader + 20;
        uint16_t magic = 0;
        if (!m_bytes.U16(optional, magic) || magic != 0x010B) return Fail("not a PE32 image");
        uint32_t directoryCount = 0;
        if (optionalSize < 96 || !m_bytes.Fits(optional, optionalSize) ||
            !m_bytes.U16(optional + 40, m_image.majorOsVersion) ||
            !m_bytes.U16(optional + 42, m_image.minorOsVersion) ||
            !m_bytes.U16(optional + 48, m_image.majorSubsystemVersion) ||
            !m_bytes.U16(optional + 50, m_image.minorSubsystemVersion) ||
            !m_bytes.U16(optional + 68, m_image.subsystem) ||
            !m_bytes.U16(optional + 70, m_image.dllCharacteristics) ||
            !m_bytes.U32(optional + 92, directoryCount))
            return Fail("optional header cut short");

        const uint64_t sectionTable = optional + optionalSize;
        for (uint16_t i = 0; i < sectionCount; ++i) {
            const uint64_t at = sectionTable + 40ull * i;
            Section s{};
            if (!m_bytes.U32(at + 8, s.virtualSize) || !m_bytes.U32(at + 12, s.virtualAddress) ||
                !m_bytes.U32(at + 16, s.rawSize) || !m_bytes.U32(at + 20, s.rawOffset))
                return Fail("section table cut short");
            m_sections.push_back(s);
        }

        uint32_t importRva = 0, relocRva = 0, relocSize = 0, delayRva = 0;
        const uint64_t directories = optional + 96;
        auto directory = [&](uint32_t index, uint32_t& rva, uint32_t* size) {
            if (index >= directoryCount || 8ull * (index + 1) > optionalSize - 96u) return true;
            return m_bytes.U32(directories + 8ull * index, rva) &&
                   (!size || m_bytes.U32(directories + 8ull * index + 4, *size));
        };
        if (!directory(1, importRva, nullptr) || !directory(5, relocRva, &relocSize) ||
            !directory(13, delayRva, nullptr))
            return Fail("data directories cut short");
        m_image.hasRelocations = relocRva != 0 && relocSize != 0;
        m_image.hasDelayImports = delayRva != 0;
        return importRva == 0 || ReadImports(importRva);
    }

private:
    bool Fail(const char* why) {
        m_error = why;
        return false;
    }

    // The file offset of an address in the loaded image, when a section holds it in the file.
    bool Offset(uint32_t rva, uint64_t& offset) const {
        for (const Section& s : m_sections) {
            const uint32_t extent = s.virtualSize > s.rawSize ? s.rawSize : s.virtualSize;
            if (rva >= s.virtualAddress && rva - s.virtualAddress < (extent ? extent : s.rawSize)) {
                offset = static_cast<uint64_t>(s.rawOffset) + (rva - s.virtualAddress);
                return true;
            }
        }
        return false;
    }

    bool ReadImports(uint32_t importRva) {
        uint64_t descriptor = 0;
        if (!Offset(importRva, descriptor)) return Fail("import table outside the sections");
        for (;; descriptor += 20) {
            uint32_t lookupRva = 0, nameRva = 0, addressRva = 0;
            if (!m_bytes.U32(descriptor, lookupRva) || !m_bytes.U32(descriptor + 12, nameRva) ||
                !m_bytes.U32(descriptor + 16, addressRva))
                return Fail("import descriptor cut short");
            if (nameRva == 0 && lookupRva == 0 && addressRva == 0) return true;
            std::string dll;
            uint64_t at = 0;
            if (!Offset(nameRva, at) || !m_bytes.Text(at, dll)) return Fail("DLL name unreadable");
            if (!ReadThunks(dll, lookupRva ? lookupRva : addressRva)) return false;
        }
    }

    bool ReadThunks(const std::string& dll, uint32_t thunkRva) {
        uint64_t thunk = 0;
        if (!Offset(thunkRva, thunk)) return Fail("import lookup table outside the sections");
        for (;; thunk += 4) {
            uint32_t entry = 0;
            if (!m_bytes.U32(thunk, entry)) return Fail("import lookup table cut short");
            if (entry == 0) return true;
            PeImport import{dll, {}};
            if (entry & 0x80000000u) {
                import.function = "#" + std::to_string(entry & 0xFFFFu);
            } else {
                uint64_t hintName = 0;
                if (!Offset(entry, hintName) || !m_bytes.Text(hintName + 2, import.function))
                    return Fail("imported name unreadable");
            }
            m_image.imports.push_back(import);
        }
    }

    Bytes m_bytes;
    PeImage& m_image;
    std::string& m_error;
    std::vector<Section> m_sections;
};

}  // namespace

bool ReadPeImage(const std::vector<uint8_t>& bytes, PeImage& image, std::string& error) {
    image = PeImage();
    return Reader(bytes, image, error).Read();
}
