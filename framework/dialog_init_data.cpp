#include "framework/dialog_init_data.h"

#include <cstring>

bool DialogInitReader::Next(DialogInitItem& item) {
    constexpr size_t kRecordHeader = 8;
    while (m_offset + 2 <= m_size) {
        uint16_t controlId, message16;
        uint32_t length;
        std::memcpy(&controlId, m_bytes + m_offset, 2);
        if (controlId == 0 || m_offset + kRecordHeader > m_size) break;
        std::memcpy(&message16, m_bytes + m_offset + 2, 2);
        std::memcpy(&length, m_bytes + m_offset + 4, 4);
        const size_t data = m_offset + kRecordHeader;
        if (length > m_size - data) break;
        m_offset = data + length;

        uint32_t message;
        if (message16 == kDlgInitCbAddString16 || message16 == kCbAddString) message = kCbAddString;
        else if (message16 == kDlgInitLbAddString16 || message16 == kLbAddString) message = kLbAddString;
        else continue;
        if (length == 0 || m_bytes[data + length - 1] != 0) continue;

        item.controlId = controlId;
        item.message = message;
        item.text = reinterpret_cast<const char*>(m_bytes + data);
        return true;
    }
    m_offset = m_size;
    return false;
}
