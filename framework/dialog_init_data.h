// Dialog init data: the resource (type 240, same ID as its dialog) that fills a template's
// list controls when the dialog is created. Records follow one another with no padding:
// a 16-bit control ID, a 16-bit message, a 32-bit byte count and that many bytes of data;
// a control ID of 0 ends the list. Plain bytes in, so it is tested on any host.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr uint16_t kDlgInitResourceType = 240;

// The add-string messages as the resource compiler writes them (their 16-bit values), and
// the 32-bit values they stand for.
constexpr uint16_t kDlgInitLbAddString16 = 0x0401;
constexpr uint16_t kDlgInitCbAddString16 = 0x0403;
constexpr uint32_t kLbAddString = 0x0180;
constexpr uint32_t kCbAddString = 0x0143;

struct DialogInitItem {
    uint16_t controlId;
    uint32_t message;  // LB_ADDSTRING or CB_ADDSTRING
    const char* text;  // zero-terminated, inside the resource
};

class DialogInitReader {
public:
    DialogInitReader(const void* data, size_t size)
        : m_bytes(static_cast<const unsigned char*>(data)), m_size(data ? size : 0) {}

    // The next add-string item. Records of other messages, and strings that are not
    // zero-terminated inside their record, are passed over; a record that runs past the
    // end of the resource ends the list.
    bool Next(DialogInitItem& item);

private:
    const unsigned char* m_bytes;
    size_t m_size;
    size_t m_offset = 0;
};
