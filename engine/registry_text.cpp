#include "engine/registry_text.h"

#include <cstring>

long ReadRegistryText(WindowsServices& windows, RegKey key, const char* valueName,
                      RegistryValueText& text) {
    text = RegistryValueText();
    char data[512];
    uint32_t type = 0, size = sizeof data;
    const long result = windows.RegQueryValueExA(
        key, valueName, &type, reinterpret_cast<unsigned char*>(data), &size);
    if (result == kErrorMoreData) return kErrorFileNotFound;
    if (result != kErrorSuccess) return result;
    if (type != kRegSz) return kErrorFileNotFound;
    // The stored zero, when there is one, is not part of the text.
    const void* zero = std::memchr(data, 0, size);
    text.Append(data, zero ? static_cast<size_t>(static_cast<const char*>(zero) - data) : size);
    return kErrorSuccess;
}

long WriteRegistryText(WindowsServices& windows, RegKey key, const char* valueName,
                       const char* text) {
    return windows.RegSetValueExA(key, valueName, 0, kRegSz,
                                  reinterpret_cast<const unsigned char*>(text),
                                  static_cast<uint32_t>(std::strlen(text) + 1));
}
