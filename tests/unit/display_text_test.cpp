#include "tests/unit/decoded_text.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::string_literals;

namespace {

// Worked by hand from the formula, with the multiplier M = 0x6699 (26265) and the increment
// C = 0x3C6F (15471): stored byte s = (26 * (first - 'A') + (second - 'A')) mod 256, char =
// s XOR (k >> 8), then k = ((k + s) * M + C) mod 65536.
static_assert(kDisplayKeyMultiplier == 0x6699 && kDisplayKeyIncrement == 0x3C6F,
              "the vectors below were worked out with these constants");

struct DecodeCase {
    const char* what;
    std::string text;
    uint16_t key;
    std::string expected;
};

const DecodeCase kDecodeCases[] = {
    {"empty text", "", 0x1234, ""},
    {"one letter", "Q", 0x1234, ""},
    // s = 0; 0x00 ^ 0x41 = 'A': the key's high byte is the first character's mask ...
    {"AA is byte 0", "AA", 0x4100, "A"},
    // ... and its low byte plays no part in the first character.
    {"low key byte", "AA", 0x41FF, "A"},
    // 26 * 9 + 21 = 255.
    {"JV is byte 255", "JV", 0x0000, "\xFF"},
    // 26 * 9 + 22 = 256 = 0 mod 256.
    {"JW wraps to 0", "JW", 0x4100, "A"},
    // 26 * 25 + 25 = 675 = 0xA3 mod 256.
    {"ZZ wraps", "ZZ", 0x0000, "\xA3"},
    // 'a' = 97: 26 * 32 + 32 = 864 = 0x60 mod 256, '`'.
    {"lowercase", "aa", 0x0000, "`"},
    // '0' = 48, '~' = 126: 26 * -17 + 61 = -381 = 0x83 mod 256.
    {"digit and tilde", "0~", 0x0000, "\x83"},
    // 0xFF and 0x80 as unsigned codes: 26 * 190 + 63 = 5003 = 0x8B mod 256.
    {"8-bit codes", "\xFF\x80", 0x0000, "\x8B"},
    // 0xFF ^ 0xFF = 0: a result of one zero character.
    {"zero only", "JV", 0xFF00, "\0"s},
    // s0 = 0, char 0; k = 0 * M + C = 0x3C6F; s1 = 0, 0x00 ^ 0x3C = '<'. The zero character
    // stays in front of the second one.
    {"zero inside", "AAAA", 0x0000, "\0<"s},
    // s0 = 255, 0xFF ^ 0x01 = 0xFE; k = (0x0100 + 0xFF) * M + C = 511 * 26265 + 15471 =
    // 0xCD07D6 -> 0x07D6; s1 = 0, 0x00 ^ 0x07 = 0x07. (Moving the key on with the character
    // 0xFE instead would give k = 0xA13D and 0xA1.)
    {"key takes the stored byte", "JVAA", 0x0100, "\xFE\x07"},
    // HE: s = 186 = 0xBA, 0xBA ^ 0x12 = 0xA8; k = (0x1234 + 0xBA) * M + C = 0x79660AD -> 0x60AD
    // LL: s = 297 - 256 = 0x29, 0x29 ^ 0x60 = 'I'; k = (0x60AD + 0x29) * M + C -> 0x6055
    // OW: s = 386 - 256 = 0x82, 0x82 ^ 0x60 = 0xE2; k = (0x6055 + 0x82) * M + C -> 0xC6EE
    // OR: s = 381 - 256 = 0x7D, 0x7D ^ 0xC6 = 0xBB; k = (0xC6EE + 0x7D) * M + C -> 0x0D62
    // LD: s = 289 - 256 = 0x21, 0x21 ^ 0x0D = ','
    {"five pairs", "HELLOWORLD", 0x1234, "\xA8I\xE2\xBB,"},
    {"odd letter ignored", "HELLOWORLDQ", 0x1234, "\xA8I\xE2\xBB,"},
    // As above up to LL (k = 0x6055), then
    // AW: s = 0x16, 0x16 ^ 0x60 = 'v'; k = (0x6055 + 0x16) * M + C = 0x26A47E62 -> 0x7E62
    // OR: s = 0x7D, 0x7D ^ 0x7E = 0x03; k = (0x7E62 + 0x7D) * M + C = 0x32D8E9B6 -> 0xE9B6
    // LD: s = 0x21, 0x21 ^ 0xE9 = 0xC8
    {"third pair changed", "HELLAWORLD", 0x1234, "\xA8Iv\x03\xC8"},
};

TEST(DecodeDisplayTextTest, GivesTheHandWorkedResults) {
    for (const DecodeCase& c : kDecodeCases) {
        SCOPED_TRACE(c.what);
        const std::string result = Decoded(c.text, c.key);
        EXPECT_EQ(result.size(), c.text.size() / 2);
        EXPECT_EQ(result, c.expected);
    }
}

TEST(DecodeDisplayTextTest, ThirtyFiveLettersGiveSeventeenCharacters) {
    const std::string letters34 = "HELLOWORLDABCDEFGHIJKLMNOPQRSTUVWX";
    ASSERT_EQ(letters34.size(), 34u);
    const std::string result = Decoded(letters34 + "Y", 0x1234);
    EXPECT_EQ(result.size(), 17u);
    EXPECT_EQ(result, Decoded(letters34, 0x1234));
    EXPECT_EQ(result.substr(0, 5), "\xA8I\xE2\xBB,");
}

// Replacing the pair at one position changes that character and, through the running key,
// the ones after it; those before it stay as they were.
TEST(DecodeDisplayTextTest, ChangedPairReachesOnlyItselfAndLaterCharacters) {
    // None of the base pairs is byte 0, 255 or 51, the bytes of the replacements.
    const std::string base = "HELLOWORLDCQDRESFT";
    const uint16_t key = 0x1234;
    const std::string before = Decoded(base, key);
    for (size_t pair = 0; pair < base.size() / 2; ++pair) {
        for (const char* replacement : {"AA", "JV", "BZ"}) {
            std::string text = base;
            text.replace(2 * pair, 2, replacement);
            SCOPED_TRACE(testing::Message() << "pair " << pair << " -> " << replacement);
            const std::string after = Decoded(text, key);
            ASSERT_EQ(after.size(), before.size());
            EXPECT_EQ(after.substr(0, pair), before.substr(0, pair));
            EXPECT_NE(after[pair], before[pair]);
            if (pair + 1 < before.size()) {
                EXPECT_NE(after[pair + 1], before[pair + 1]);
            }
        }
    }
}

TEST(DecodeDisplayTextTest, SameCallGivesTheSameResultAndLeavesTheTextAlone) {
    const std::string stored = "HELLOWORLD";
    const std::string first = Decoded(stored, 0x1234);
    const std::string second = Decoded(stored, 0x1234);
    EXPECT_EQ(first, "\xA8I\xE2\xBB,");
    EXPECT_EQ(second, first);
    EXPECT_EQ(stored, "HELLOWORLD");
}

}  // namespace

// The catalogue's texts are zero-terminated; that form gives what the counted one gives.
TEST(DecodeDisplayTextTest, ZeroTerminatedTextGivesTheSameCharacters) {
    const DisplayText text = DecodeDisplayText("HELLOWORLD", 0x1234);
    EXPECT_EQ(std::string(text.c_str(), text.size()), "\xA8I\xE2\xBB,");
    EXPECT_TRUE(text.complete());
}

// A stored text longer than any display text gives its first characters, marked as cut.
TEST(DecodeDisplayTextTest, LongerTextIsCutAtTheCapacityAndSaysSo) {
    std::string stored;
    for (size_t i = 0; i < kDisplayTextCapacity + 3; ++i) stored += "HE";
    const DisplayText text = DecodeDisplayText(stored.data(), stored.size(), 0x1234);
    EXPECT_EQ(text.size(), kDisplayTextCapacity);
    EXPECT_FALSE(text.complete());
    EXPECT_EQ(text.c_str()[kDisplayTextCapacity], '\0');
    const std::string exact = stored.substr(0, 2 * kDisplayTextCapacity);
    const DisplayText fits = DecodeDisplayText(exact.data(), exact.size(), 0x1234);
    EXPECT_TRUE(fits.complete());
    EXPECT_EQ(std::string(text.c_str(), text.size()), std::string(fits.c_str(), fits.size()));
}
