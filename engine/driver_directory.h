// Step 1 of the Finish work: the folder in which the print spooler keeps the drivers that
// it loads, the one the driver files are copied into.
#pragma once

#include <cstdint>
#include <string>

class WindowsServices;

// The spooler's environment of the driver this wizard installs.
constexpr const char* kDriverEnvironment = "Windows NT x86";

// The buffer of the first query; the spooler's directory fits it on every Windows.
constexpr uint32_t kDriverDirectorySize = 255;
// A longer answer than this is no path; it is not asked for.
constexpr uint32_t kLongestDriverDirectory = 32768;

// The directory, without a trailing backslash. When the directory does not fit the first
// buffer, or the query fails, it is asked for once more with the size the spooler says it
// needs. Empty when the spooler still gives none.
std::string QueryDriverDirectory(WindowsServices& windows);
