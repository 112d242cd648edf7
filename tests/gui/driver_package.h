// The "win2k" folder a test starts the wizard beside: a placeholder for each driver file,
// each with contents of its own, so that a copy can be told from any other file.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// The eight files Finish copies for model row 3, "ZRT-340", and for row 5, "ZRT-470A".
extern const std::vector<std::string> kZrt340Files;
extern const std::vector<std::string> kZrt470aFiles;

// What the placeholder `name` holds in a package written with `marker`.
std::string PlaceholderContents(const std::string& name, const std::string& marker);

// Writes folder\win2k with a placeholder for each name; false if any could not be written.
bool WriteDriverPackage(const std::wstring& folder, const std::string& marker,
                        const std::vector<std::string>& names);

// The whole contents of the file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::wstring& path);

std::wstring Widen(const std::string& text);
// The text with every character outside ASCII as "?", for test messages and ASCII paths.
std::string Narrow(const std::wstring& text);
