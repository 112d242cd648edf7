#include "pages/page_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(PageRulesTest, MinimisedIconIsCentredRoundingUpAndTruncatingTowardZero) {
    struct Case {
        int clientWidth, clientHeight, iconWidth, iconHeight;
        int x, y;
    };
    const Case cases[] = {
        {36, 36, 32, 32, 2, 2},
        {37, 37, 32, 32, 3, 3},
        {32, 32, 32, 32, 0, 0},
        {28, 36, 32, 32, -1, 2},   // -3 / 2 is -1, not -2
        {25, 26, 32, 32, -3, -2},  // -6 / 2 and -5 / 2
        {160, 31, 32, 32, 64, 0},
        {0, 0, 16, 16, -7, -7},
    };
    for (const Case& c : cases) {
        const IconOrigin at = MinimisedIconOrigin(c.clientWidth, c.clientHeight, c.iconWidth, c.iconHeight);
        EXPECT_EQ(at.x, c.x) << c.clientWidth << " x " << c.clientHeight;
        EXPECT_EQ(at.y, c.y) << c.clientWidth << " x " << c.clientHeight;
    }
}

TEST(PageRulesTest, SerialListsApplyToTheComPortsOnly) {
    // -1 is the list's answer when nothing is selected.
    for (long position = -1; position <= 6; ++position)
        EXPECT_EQ(IsSerialPortRow(position), position >= 3) << position;
}

TEST(PageRulesTest, ModelRowsAreTheEightPositionsOfTheList) {
    for (long position = -2; position <= 9; ++position)
        EXPECT_EQ(IsModelRow(position), position >= 0 && position <= 7) << position;
}

TEST(PageRulesTest, AboutCommandIgnoresTheLowFourBitsAndAllAboveSixteen) {
    struct Case {
        uint32_t command;
        bool about;
    };
    const Case cases[] = {
        {0x0010, true},  {0x0013, true},  {0x001F, true},   {0x000F, false},
        {0x0020, false}, {0x0000, false}, {0xF060, false},  {0xF010, false},
        {0x10010, true}, {0xFFFF001F, true}, {0x10020, false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsAboutCommand(c.command), c.about) << std::hex << c.command;
}

}  // namespace
