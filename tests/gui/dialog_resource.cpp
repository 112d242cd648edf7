#include "dialog_resource.h"

#include <cstring>

namespace {

class Cursor {
public:
    Cursor(const unsigned char* bytes, size_t size) : m_bytes(bytes), m_size(size) {}
    bool ok() const { return m_ok; }

    template <class T>
    T Read() {
        T value{};
        if (m_offset + sizeof value > m_size) {
            m_ok = false;
            return value;
        }
        std::memcpy(&value, m_bytes + m_offset, sizeof value);
        m_offset += sizeof value;
        return value;
    }
    std::wstring ReadString() {
        std::wstring text;
        for (WORD c = Read<WORD>(); m_ok && c != 0; c = Read<WORD>()) text.push_back(static_cast<wchar_t>(c));
        return text;
    }
    // A name or a number: 0 for none, 0xFFFF and the number, or a string.
    bool ReadNameOrOrdinal(std::wstring& name, int& ordinal) {
        ordinal = -1;
        name.clear();
        const WORD first = Read<WORD>();
        if (first == 0) return false;
        if (first == 0xFFFF) {
            ordinal = Read<WORD>();
            return true;
        }
        name.push_back(static_cast<wchar_t>(first));
        name += ReadString();
        return true;
    }
    void AlignToDword() { m_offset = (m_offset + 3) & ~static_cast<size_t>(3); }
    void Skip(size_t bytes) {
        if (m_offset + bytes > m_size) m_ok = false;
        m_offset += bytes;
    }

private:
    const unsigned char* m_bytes;
    size_t m_size;
    size_t m_offset = 0;
    bool m_ok = true;
};

const wchar_t* PredefinedClass(int ordinal) {
    switch (ordinal) {
    case 0x80: return L"Button";
    case 0x81: return L"Edit";
    case 0x82: return L"Static";
    case 0x83: return L"ListBox";
    case 0x84: return L"ScrollBar";
    case 0x85: return L"ComboBox";
    default: return L"?";
    }
}

}  // namespace

std::vector<unsigned char> ResourceBytes(HMODULE module, LPCWSTR type, int id, WORD language) {
    HRSRC found = ::FindResourceExW(module, type, MAKEINTRESOURCEW(id), language);
    if (!found) return {};
    HGLOBAL loaded = ::LoadResource(module, found);
    const auto* bytes = static_cast<const unsigned char*>(loaded ? ::LockResource(loaded) : nullptr);
    if (!bytes) return {};
    return std::vector<unsigned char>(bytes, bytes + ::SizeofResource(module, found));
}

bool ReadDialogResource(HMODULE module, int id, WORD language, DialogResource& dialog) {
    const std::vector<unsigned char> bytes =
        ResourceBytes(module, MAKEINTRESOURCEW(5) /* RT_DIALOG */, id, language);
    if (bytes.empty()) return false;
    Cursor in(bytes.data(), bytes.size());
    dialog = DialogResource{};

    WORD itemCount;
    if (bytes.size() >= 4 && bytes[0] == 1 && bytes[1] == 0 && bytes[2] == 0xFF && bytes[3] == 0xFF) {
        dialog.extended = true;
        in.Skip(4);
        dialog.helpId = in.Read<DWORD>();
        dialog.exStyle = in.Read<DWORD>();
        dialog.style = in.Read<DWORD>();
    } else {
        dialog.style = in.Read<DWORD>();
        dialog.exStyle = in.Read<DWORD>();
    }
    itemCount = in.Read<WORD>();
    dialog.x = in.Read<short>();
    dialog.y = in.Read<short>();
    dialog.cx = in.Read<short>();
    dialog.cy = in.Read<short>();
    std::wstring name;
    int ordinal;
    dialog.hasMenu = in.ReadNameOrOrdinal(name, ordinal);
    dialog.hasClass = in.ReadNameOrOrdinal(name, ordinal);
    dialog.title = in.ReadString();
    if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
        dialog.pointSize = in.Read<WORD>();
        if (dialog.extended) {
            dialog.weight = in.Read<WORD>();
            dialog.italic = in.Read<BYTE>();
            dialog.charset = in.Read<BYTE>();
        }
        dialog.typeface = in.ReadString();
    }

    for (WORD i = 0; i < itemCount && in.ok(); ++i) {
        in.AlignToDword();
        DialogItem item;
        if (dialog.extended) {
            item.helpId = in.Read<DWORD>();
            item.exStyle = in.Read<DWORD>();
            item.style = in.Read<DWORD>();
        } else {
            item.style = in.Read<DWORD>();
            item.exStyle = in.Read<DWORD>();
        }
        item.x = in.Read<short>();
        item.y = in.Read<short>();
        item.cx = in.Read<short>();
        item.cy = in.Read<short>();
        item.id = dialog.extended ? in.Read<DWORD>() : in.Read<WORD>();
        if (in.ReadNameOrOrdinal(name, ordinal))
            item.className = ordinal >= 0 ? PredefinedClass(ordinal) : name;
        if (in.ReadNameOrOrdinal(name, ordinal)) {
            item.text = name;
            item.textOrdinal = ordinal;
        }
        item.extraBytes = in.Read<WORD>();
        in.Skip(item.extraBytes);
        dialog.items.push_back(item);
    }
    return in.ok();
}

ResourceModule::ResourceModule(const std::wstring& path)
    : m_module(::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}

ResourceModule::~ResourceModule() {
    if (m_module) ::FreeLibrary(m_module);
}
