// Reads a dialog template, classic or extended, from the resources of an executable, with
// every field a test compares: the dialog's style, place, title and font, and each control.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DialogItem {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;            // as stored: a word in a classic template, a double word in an extended one
    std::wstring className;  // the predefined classes by name ("Button", ...), as a window reports them
    std::wstring text;       // empty for an ordinal text
    int textOrdinal = -1;    // the resource number of an ordinal text (an icon), else -1
    WORD extraBytes = 0;
};

struct DialogResource {
    bool extended = false;
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    bool hasMenu = false;
    bool hasClass = false;
    std::wstring title;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::wstring typeface;
    std::vector<DialogItem> items;
};

// The template `id` in language `language` of the module; false when it is missing or
// malformed.
bool ReadDialogResource(HMODULE module, int id, WORD language, DialogResource& dialog);

// The raw bytes of a resource; empty when there is none in that language.
std::vector<unsigned char> ResourceBytes(HMODULE module, LPCWSTR type, int id, WORD language);

// setup.exe's resources, loaded as data (none of its code runs); unloaded on destruction.
class ResourceModule {
public:
    explicit ResourceModule(const std::wstring& path);
    ~ResourceModule();
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;
    HMODULE get() const { return m_module; }

private:
    HMODULE m_module;
};
