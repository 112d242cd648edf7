// What the Finish work asks first: the folder in which the print spooler keeps the drivers
// that it loads, the one the driver files are copied into.
#pragma once

#include <cstdint>

#include "engine/driver_environment.h"
#include "engine/fixed_text.h"

class WindowsServices;


// The buffer of the first query; the spooler's directory fits it on every Windows.
constexpr uint32_t kDriverDirectorySize = 255;
// The directory as the file copies use it: a longer one leaves no room for the file names
// within the longest path the ANSI file functions take, so it is not asked for.
using DriverDirectory = FixedText<kMaxPath - 1>;

// The directory, without a trailing backslash. When the directory does not fit the first
// buffer, or the query fails, it is asked for once more with the size the spooler says it
// needs. Empty when the spooler still gives none.
DriverDirectory QueryDriverDirectory(WindowsServices& windows);
