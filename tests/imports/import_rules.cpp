#include "tests/imports/import_rules.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>
#include <utility>

namespace {

struct ReleaseEntry {
    const char* key;
    const char* name;
};

const ReleaseEntry kReleases[] = {
    {"nt3.1", "Windows NT 3.1"}, {"nt3.51", "Windows NT 3.51"}, {"nt4", "Windows NT 4.0"},
    {"2000", "Windows 2000"},    {"xp", "Windows XP"},         {"2003", "Windows Server 2003"},
    {"vista", "Windows Vista"},  {"7", "Windows 7"},           {"8", "Windows 8"},
    {"10", "Windows 10"},
};

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t'))
        if (!field.empty()) fields.push_back(field);
    return fields;
}

// The DLLs that Windows loads only from the system directory, whatever lies beside the
// program: the KnownDLLs (HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs)
// that every release from Windows NT 4.0 on has, or loads as dependencies of those.
const char* const kKnownDlls[] = {
    "advapi32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll",
    "ole32.dll",    "oleaut32.dll", "rpcrt4.dll", "shell32.dll", "user32.dll",
};

bool IsKnownDll(const std::string& dll) {
    for (const char* known : kKnownDlls)
        if (Lower(dll) == known) return true;
    return false;
}

// The subsystem version the oldest release's loader accepts.
constexpr uint16_t kOldestSubsystemMajor = 4, kOldestSubsystemMinor = 0;

}  // namespace

bool ParseRelease(const std::string& name, WindowsRelease& release) {
    for (size_t i = 0; i < sizeof kReleases / sizeof kReleases[0]; ++i) {
        if (name == kReleases[i].key) {
            release = static_cast<WindowsRelease>(i);
            return true;
        }
    }
    return false;
}

const char* ReleaseName(WindowsRelease release) {
    return kReleases[static_cast<size_t>(release)].name;
}

bool ReadExportTable(const std::string& text, std::vector<ExportFact>& facts, std::string& error) {
    facts.clear();
    std::map<std::pair<std::string, std::string>, size_t> seen;
    std::istringstream in(text);
    std::string line;
    for (size_t number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> fields = Fields(line);
        ExportFact fact;
        if (fields.size() != 4 || !ParseRelease(fields[2], fact.since)) {
            error = "line " + std::to_string(number) +
                    ": expected DLL, function, release and source, separated by tabs";
            return false;
        }
        fact.dll = fields[0];
        fact.function = fields[1];
        fact.source = fields[3];
        if (!seen.emplace(std::make_pair(Lower(fact.dll), fact.function), number).second) {
            error = "line " + std::to_string(number) + ": " + fact.dll + " " + fact.function +
                    " stands twice";
            return false;
        }
        facts.push_back(fact);
    }
    return true;
}

WindowsRelease OldestReleaseFor(const std::string& dll) {
    return Lower(dll) == "msvcrt.dll" ? WindowsRelease::Win2000 : WindowsRelease::Nt4;
}

std::vector<std::string> CheckImage(const PeImage& image, const std::vector<ExportFact>& facts) {
    std::vector<std::string> problems;
    if (image.majorSubsystemVersion > kOldestSubsystemMajor ||
        (image.majorSubsystemVersion == kOldestSubsystemMajor &&
         image.minorSubsystemVersion > kOldestSubsystemMinor))
        problems.push_back("the header asks for subsystem version " +
                           std::to_string(image.majorSubsystemVersion) + "." +
                           std::to_string(image.minorSubsystemVersion) +
                           ", which Windows NT 4.0 refuses to load (it takes 4.0)");
    if (image.hasDelayImports)
        problems.push_back("the image has delay-loaded imports, which this check does not read");

    std::vector<std::string> planted;
    for (const PeImport& import : image.imports) {
        if (!IsKnownDll(import.dll) &&
            std::find(planted.begin(), planted.end(), import.dll) == planted.end()) {
            planted.push_back(import.dll);
            problems.push_back(import.dll +
                               " is imported, but is no KnownDLL: Windows would load a copy "
                               "beside setup.exe first; load it from the system directory");
        }
        const std::string name = import.dll + " " + import.function;
        const ExportFact* fact = nullptr;
        for (const ExportFact& f : facts)
            if (Lower(f.dll) == Lower(import.dll) && f.function == import.function) fact = &f;
        if (!fact) {
            problems.push_back(name +
                               " is not in the table of system exports: look up the oldest "
                               "Windows release that exports it, and add it with the source");
            continue;
        }
        const WindowsRelease oldest = OldestReleaseFor(import.dll);
        if (fact->since <= oldest) continue;
        const std::string floor =
            oldest == WindowsRelease::Nt4
                ? "setup.exe must start on Windows NT 4.0"
                : "from msvcrt.dll setup.exe imports only what Windows 2000's (the Visual C++ "
                  "6.0 runtime) exports";
        problems.push_back(name + " needs " + ReleaseName(fact->since) + " (" + fact->source +
                           "); " + floor);
    }
    return problems;
}
