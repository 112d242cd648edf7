#include "engine/driver_directory.h"

#include <cstring>
#include <vector>

#include "platform/windows_services.h"

namespace {

// The zero-terminated text at the start of the buffer; empty when the buffer holds no zero.
std::string TextIn(const unsigned char* buffer, size_t size) {
    const void* end = std::memchr(buffer, 0, size);
    if (!end) return std::string();
    return std::string(reinterpret_cast<const char*>(buffer),
                       static_cast<const unsigned char*>(end) - buffer);
}

}  // namespace

std::string QueryDriverDirectory(WindowsServices& windows) {
    unsigned char buffer[kDriverDirectorySize];
    std::memset(buffer, 0, sizeof buffer);
    uint32_t needed = 0;
    if (windows.GetPrinterDriverDirectoryA(kDriverEnvironment, 1, buffer, sizeof buffer, &needed)) {
        std::string directory = TextIn(buffer, sizeof buffer);
        if (!directory.empty()) return directory;
    }

    // Copying into a directory formatted from an empty buffer would put the driver files in
    // the root of the current drive, so ask again, in a buffer of the size asked for.
    if (needed == 0 || needed > kLongestDriverDirectory) return std::string();
    std::vector<unsigned char> larger(needed, 0);
    if (!windows.GetPrinterDriverDirectoryA(kDriverEnvironment, 1, larger.data(), needed, &needed))
        return std::string();
    return TextIn(larger.data(), larger.size());
}
