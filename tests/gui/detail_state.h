// What page 2 shows, read from another process: every selection, the name field, the box
// and which serial lists are enabled. Two readings compare equal when the page looks the same.
#pragma once

#include <windows.h>

#include <array>
#include <ostream>
#include <string>

// The five serial lists in the order the page enables them.
extern const std::array<int, 5> kSerialLists;

struct DetailState {
    int modelRow = -1;
    std::wstring name;
    int portRow = -1;
    bool defaultTicked = false;
    std::array<int, 5> serialRows{};
    std::array<bool, 5> serialEnabled{};

    bool operator==(const DetailState& other) const;
    bool operator!=(const DetailState& other) const { return !(*this == other); }
};

std::ostream& operator<<(std::ostream& out, const DetailState& state);

DetailState ReadDetailState(HWND page);

// The texts page 2 shows, made the way the page makes them, as wide text.
std::wstring ModelText(size_t row);
std::wstring InitialName();

// Page 2 as it opens: model row 0, the initial name, LPT1, the box unticked and the serial
// lists disabled at 19200, 8, 1, None, Hardware.
DetailState InitialDetailState();
