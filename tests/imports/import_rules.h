// Which Windows releases an executable starts on, judged from its import table and header
// against a table of facts kept in the project: for every function it may import, the
// oldest release that exports it and where that fact comes from.
#pragma once

#include <string>
#include <vector>

#include "tests/imports/pe_image.h"

// In order of release.
enum class WindowsRelease { Nt31, Nt351, Nt4, Win2000, WinXp, Win2003, Vista, Win7, Win8, Win10 };

// The table's names: "nt3.1", "nt3.51", "nt4", "2000", "xp", "2003", "vista", "7", "8", "10".
bool ParseRelease(const std::string& name, WindowsRelease& release);
// As a person reads it: "Windows NT 4.0", "Windows Vista", ...
const char* ReleaseName(WindowsRelease release);

struct ExportFact {
    std::string dll;
    std::string function;
    WindowsRelease since;
    std::string source;  // where the fact comes from
};

// One fact a line: DLL, function, release, source, separated by tabs; blank lines and lines
// that start with '#' are skipped. False, with the line and what is wrong in error, when a
// line is not of that form or a function stands twice.
bool ReadExportTable(const std::string& text, std::vector<ExportFact>& facts, std::string& error);

// The oldest release each DLL's imports must have been exported by: Windows NT 4.0, and
// for the C runtime, msvcrt.dll, the one that Windows 2000 ships (the Visual C++ 6.0 runtime).
WindowsRelease OldestReleaseFor(const std::string& dll);

// Everything that keeps the image from starting on the oldest release, or that would let it
// load a planted DLL, one sentence each: an import newer than its floor, an import the table
// does not know (it must be looked up before it lands), a DLL imported that is no KnownDLL,
// a delay-loaded import, and a header that asks for a newer subsystem.
std::vector<std::string> CheckImage(const PeImage& image, const std::vector<ExportFact>& facts);
