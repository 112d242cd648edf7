#include "engine/driver_directory.h"

#include <cstring>

#include "platform/windows_services.h"

namespace {

// The zero-terminated text at the start of the buffer; empty when the buffer holds no zero.
DriverDirectory TextIn(const unsigned char* buffer, size_t size) {
    DriverDirectory directory;
    const void* end = std::memchr(buffer, 0, size);
    if (end)
        directory.Append(reinterpret_cast<const char*>(buffer),
                         static_cast<size_t>(static_cast<const unsigned char*>(end) - buffer));
    return directory;
}

}  // namespace

DriverDirectory QueryDriverDirectory(WindowsServices& windows) {
    unsigned char buffer[kDriverDirectorySize];
    std::memset(buffer, 0, sizeof buffer);
    uint32_t needed = 0;
    if (windows.GetPrinterDriverDirectoryA(kDriverEnvironment, 1, buffer, sizeof buffer, &needed)) {
        DriverDirectory directory = TextIn(buffer, sizeof buffer);
        if (!directory.empty()) return directory;
    }

    // Copying into a directory formatted from an empty buffer would put the driver files in
    // the root of the current drive, so ask again, in a buffer of the size asked for.
    if (needed == 0 || needed > kMaxPath) return DriverDirectory();
    unsigned char larger[kMaxPath];
    std::memset(larger, 0, sizeof larger);
    if (!windows.GetPrinterDriverDirectoryA(kDriverEnvironment, 1, larger, needed, &needed))
        return DriverDirectory();
    return TextIn(larger, sizeof larger);
}
