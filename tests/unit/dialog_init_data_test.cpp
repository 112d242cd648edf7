#include "framework/dialog_init_data.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class InitData {
public:
    InitData& Item(uint16_t id, uint16_t message, const std::string& data) {
        Add16(id);
        Add16(message);
        uint32_t length = static_cast<uint32_t>(data.size());
        bytes.insert(bytes.end(), reinterpret_cast<unsigned char*>(&length),
                     reinterpret_cast<unsigned char*>(&length) + 4);
        bytes.insert(bytes.end(), data.begin(), data.end());
        return *this;
    }
    InitData& End() {
        Add16(0);
        return *this;
    }
    std::vector<unsigned char> bytes;

private:
    void Add16(uint16_t v) {
        bytes.push_back(static_cast<unsigned char>(v & 0xFF));
        bytes.push_back(static_cast<unsigned char>(v >> 8));
    }
};

struct Read {
    uint16_t id;
    uint32_t message;
    std::string text;
    bool operator==(const Read& o) const { return id == o.id && message == o.message && text == o.text; }
};

std::vector<Read> ReadAll(const std::vector<unsigned char>& bytes, size_t size) {
    DialogInitReader reader(bytes.data(), size);
    std::vector<Read> out;
    DialogInitItem item;
    while (reader.Next(item)) out.push_back({item.controlId, item.message, item.text});
    return out;
}

std::string Z(const char* s) { return std::string(s) + '\0'; }

TEST(DialogInitDataTest, ReadsItemsInOrderWithoutPadding) {
    InitData data;
    data.Item(1014, kDlgInitCbAddString16, Z("LPT1"))  // odd length: the next record is unaligned
        .Item(1014, kDlgInitCbAddString16, Z("COM1"))
        .Item(1015, kDlgInitCbAddString16, Z("115200"))
        .Item(1020, kDlgInitLbAddString16, Z("x"))
        .End();
    std::vector<Read> expected = {{1014, kCbAddString, "LPT1"},
                                  {1014, kCbAddString, "COM1"},
                                  {1015, kCbAddString, "115200"},
                                  {1020, kLbAddString, "x"}};
    EXPECT_EQ(ReadAll(data.bytes, data.bytes.size()), expected);
}

TEST(DialogInitDataTest, AcceptsThe32BitMessageValues) {
    InitData data;
    data.Item(7, static_cast<uint16_t>(kCbAddString), Z("a")).End();
    EXPECT_EQ(ReadAll(data.bytes, data.bytes.size()), (std::vector<Read>{{7, kCbAddString, "a"}}));
}

TEST(DialogInitDataTest, PassesOverOtherMessagesAndUnterminatedStrings) {
    InitData data;
    data.Item(7, 0x0376, std::string("\x01\x02\x03", 3))
        .Item(7, kDlgInitCbAddString16, "nozero")
        .Item(7, kDlgInitCbAddString16, "")
        .Item(8, kDlgInitCbAddString16, Z("kept"))
        .End();
    EXPECT_EQ(ReadAll(data.bytes, data.bytes.size()), (std::vector<Read>{{8, kCbAddString, "kept"}}));
}

TEST(DialogInitDataTest, StopsAtTheEndMarkerAndAtTheEndOfTheResource) {
    InitData data;
    data.Item(1, kDlgInitCbAddString16, Z("one")).End().Item(2, kDlgInitCbAddString16, Z("two"));
    EXPECT_EQ(ReadAll(data.bytes, data.bytes.size()), (std::vector<Read>{{1, kCbAddString, "one"}}));

    InitData noEnd;
    noEnd.Item(1, kDlgInitCbAddString16, Z("one"));
    EXPECT_EQ(ReadAll(noEnd.bytes, noEnd.bytes.size()), (std::vector<Read>{{1, kCbAddString, "one"}}));
}

TEST(DialogInitDataTest, ARecordRunningPastTheEndEndsTheList) {
    InitData data;
    data.Item(1, kDlgInitCbAddString16, Z("one")).Item(2, kDlgInitCbAddString16, Z("two"));
    // Cut inside the second record's text, inside its header, and inside the first.
    for (size_t cut : {data.bytes.size() - 1, size_t{15 + 4}, size_t{5}}) {
        auto items = ReadAll(data.bytes, cut);
        EXPECT_LE(items.size(), 1u) << cut;
        for (const Read& r : items) EXPECT_EQ(r.text, "one");
    }
    // A length field far beyond the resource.
    InitData huge;
    huge.Item(1, kDlgInitCbAddString16, Z("one"));
    uint32_t big = 0xFFFFFFF0u;
    std::memcpy(&huge.bytes[4], &big, 4);
    EXPECT_TRUE(ReadAll(huge.bytes, huge.bytes.size()).empty());
    EXPECT_TRUE(ReadAll({}, 0).empty());
}

}  // namespace
