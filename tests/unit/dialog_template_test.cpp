#include "framework/dialog_template.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

void Put16(std::vector<unsigned char>& bytes, size_t at, uint16_t v) { std::memcpy(&bytes[at], &v, 2); }
void Put32(std::vector<unsigned char>& bytes, size_t at, uint32_t v) { std::memcpy(&bytes[at], &v, 4); }

std::vector<unsigned char> Classic(uint32_t style, int16_t x, int16_t y) {
    std::vector<unsigned char> bytes(24, 0);
    Put32(bytes, 0, style);
    Put16(bytes, 8, 16);
    Put16(bytes, 10, static_cast<uint16_t>(x));
    Put16(bytes, 12, static_cast<uint16_t>(y));
    Put16(bytes, 14, 251);
    Put16(bytes, 16, 187);
    return bytes;
}

std::vector<unsigned char> Extended(uint32_t style, uint32_t exStyle, int16_t x, int16_t y) {
    std::vector<unsigned char> bytes(32, 0);
    Put16(bytes, 0, 1);
    Put16(bytes, 2, 0xFFFF);
    Put32(bytes, 8, exStyle);
    Put32(bytes, 12, style);
    Put16(bytes, 16, 22);
    Put16(bytes, 18, static_cast<uint16_t>(x));
    Put16(bytes, 20, static_cast<uint16_t>(y));
    Put16(bytes, 22, 364);
    Put16(bytes, 24, 239);
    return bytes;
}

TEST(DialogTemplateTest, ReadsTheClassicHeader) {
    auto bytes = Classic(0x80C800C0, 0, 0);
    DialogTemplateHeader header;
    ASSERT_TRUE(ReadDialogTemplateHeader(bytes.data(), bytes.size(), header));
    EXPECT_FALSE(header.extended);
    EXPECT_EQ(header.style, 0x80C800C0u);
    EXPECT_EQ(header.itemCount, 16);
    EXPECT_EQ(header.cx, 251);
    EXPECT_EQ(header.cy, 187);
}

TEST(DialogTemplateTest, ReadsTheExtendedHeader) {
    auto bytes = Extended(0x90C800C0, 0x00040000, -3, 5);
    DialogTemplateHeader header;
    ASSERT_TRUE(ReadDialogTemplateHeader(bytes.data(), bytes.size(), header));
    EXPECT_TRUE(header.extended);
    EXPECT_EQ(header.style, 0x90C800C0u);
    EXPECT_EQ(header.exStyle, 0x00040000u);
    EXPECT_EQ(header.itemCount, 22);
    EXPECT_EQ(header.x, -3);
    EXPECT_EQ(header.y, 5);
    EXPECT_EQ(header.cx, 364);
}

TEST(DialogTemplateTest, RejectsTruncatedTemplates) {
    DialogTemplateHeader header;
    auto classic = Classic(0, 0, 0);
    auto extended = Extended(0, 0, 0, 0);
    EXPECT_FALSE(ReadDialogTemplateHeader(nullptr, 100, header));
    EXPECT_FALSE(ReadDialogTemplateHeader(classic.data(), 17, header));
    EXPECT_FALSE(ReadDialogTemplateHeader(extended.data(), 25, header));
    EXPECT_TRUE(ReadDialogTemplateHeader(extended.data(), 26, header));
}

struct CentreCase {
    const char* name;
    uint32_t style;
    int16_t x, y;
    bool enabledOwner, moved, centred;
};

const CentreCase kCentreCases[] = {
    {"unplaced page without owner", 0x80C800C0, 0, 0, false, false, true},
    {"enabled owner", 0x80C800C0, 0, 0, true, false, false},
    {"moved while initialising", 0x80C800C0, 0, 0, false, true, false},
    {"template x", 0x80C800C0, 10, 0, false, false, false},
    {"template y", 0x80C800C0, 0, 1, false, false, false},
    {"DS_CENTER", 0x80C800C0 | kDsCenter, 0, 0, false, false, false},
    {"DS_CENTERMOUSE", 0x80C800C0 | kDsCenterMouse, 0, 0, false, false, false},
    {"DS_ABSALIGN", 0x80C800C0 | kDsAbsAlign, 0, 0, false, false, false},
    {"WS_VISIBLE does not matter", 0x90C800C0, 0, 0, false, false, true},
};

TEST(DialogTemplateTest, CentresOnlyADialogThatAskedForNoPlace) {
    for (const CentreCase& c : kCentreCases) {
        SCOPED_TRACE(c.name);
        auto bytes = Classic(c.style, c.x, c.y);
        DialogTemplateHeader header;
        ASSERT_TRUE(ReadDialogTemplateHeader(bytes.data(), bytes.size(), header));
        EXPECT_EQ(ShouldCentreDialog(header, c.enabledOwner, c.moved), c.centred);
    }
}

TEST(DialogTemplateTest, CentresInTheArea) {
    long x, y;
    CentreInArea({0, 0, 1024, 768}, 400, 300, x, y);
    EXPECT_EQ(x, 312);
    EXPECT_EQ(y, 234);
    CentreInArea({100, 50, 1124, 818}, 401, 301, x, y);
    EXPECT_EQ(x, 411);
    EXPECT_EQ(y, 283);
    CentreInArea({0, 0, 640, 480}, 800, 600, x, y);  // larger than the screen: top left
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
}

}  // namespace
