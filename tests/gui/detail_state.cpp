#include "detail_state.h"

#include "../../engine/catalogue.h"
#include "../../engine/display_text.h"
#include "../../pages/resource.h"
#include "wizard_process.h"

const std::array<int, 5> kSerialLists = {IDC_BAUDRATE, IDC_BYTESIZE, IDC_STOPBITS, IDC_PARITY,
                                         IDC_FLOWCONTROL};

namespace {

std::wstring Widen(const std::string& text) {
    // Display texts are ASCII; what follows a zero character is not shown.
    std::wstring wide;
    for (char c : text) {
        if (c == '\0') break;
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    }
    return wide;
}

}  // namespace

bool DetailState::operator==(const DetailState& other) const {
    return modelRow == other.modelRow && name == other.name && portRow == other.portRow &&
           defaultTicked == other.defaultTicked && serialRows == other.serialRows &&
           serialEnabled == other.serialEnabled;
}

std::ostream& operator<<(std::ostream& out, const DetailState& state) {
    out << "{model " << state.modelRow << ", name \"";
    for (wchar_t c : state.name) out << (c < 128 ? static_cast<char>(c) : '?');
    out << "\", port " << state.portRow << ", box " << state.defaultTicked << ", serial";
    for (size_t i = 0; i < kSerialLists.size(); ++i)
        out << ' ' << state.serialRows[i] << (state.serialEnabled[i] ? "+" : "-");
    return out << '}';
}

DetailState ReadDetailState(HWND page) {
    DetailState state;
    state.modelRow = SelectedRow(::GetDlgItem(page, IDC_MODULE));
    state.name = WindowText(::GetDlgItem(page, IDC_PRINTER_NAME));
    state.portRow = SelectedRow(::GetDlgItem(page, IDC_PORT));
    state.defaultTicked =
        ::SendDlgItemMessageW(page, IDC_SET_DEFAULT, BM_GETCHECK, 0, 0) == BST_CHECKED;
    for (size_t i = 0; i < kSerialLists.size(); ++i) {
        HWND list = ::GetDlgItem(page, kSerialLists[i]);
        state.serialRows[i] = SelectedRow(list);
        state.serialEnabled[i] = ::IsWindowEnabled(list) != FALSE;
    }
    return state;
}

std::wstring ModelText(size_t row) {
    return Widen(DecodeDisplayText(ModelTable[row].displayText, ModelTable[row].displayKey).c_str());
}

std::wstring InitialName() {
    return Widen(DecodeDisplayText(InitialNameText.text, InitialNameText.key).c_str());
}

DetailState InitialDetailState() {
    DetailState state;
    state.modelRow = 0;
    state.name = InitialName();
    state.portRow = 0;
    state.defaultTicked = false;
    state.serialRows = {5, 3, 0, 2, 2};
    state.serialEnabled = {false, false, false, false, false};
    return state;
}
