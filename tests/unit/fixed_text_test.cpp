// Texts in fixed buffers: formats that take only texts, and texts that do not fit.
#include "engine/fixed_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FormatCase {
    const char* what;
    const char* format;
    const char* first;
    const char* second;
    std::string expected;
    bool complete;
};

// Formatted into 12 characters.
const FormatCase kFormatCases[] = {
    {"plain text", "win2k", nullptr, nullptr, "win2k", true},
    {"two texts", "%s\\%s", "C:", "a.DLL", "C:\\a.DLL", true},
    {"text at both ends", "%s,winspool,%s", "Z", "COM1:", "Z,winspool,C", false},
    {"percent sign", "100%%%s", "!", nullptr, "100%!", true},
    {"a lone percent sign stays", "a%d%", nullptr, nullptr, "a%d%", true},
    {"fewer texts than %s", "%s-%s", "x", nullptr, "x-", true},
    {"exactly full", "%s%s", "123456", "789012", "123456789012", true},
    {"one past full", "%s%s", "123456", "7890123", "123456789012", false},
    {"empty texts", "%s%s", "", "", "", true},
};

TEST(FormatTextTest, ReplacesEachTextMarkInOrderAndMarksWhatDoesNotFit) {
    for (const FormatCase& c : kFormatCases) {
        SCOPED_TRACE(c.what);
        FixedText<12> text;
        if (c.second)
            text = FormatText<12>(c.format, c.first, c.second);
        else if (c.first)
            text = FormatText<12>(c.format, c.first);
        else
            text = FormatText<12>(c.format);
        EXPECT_EQ(std::string(text.c_str()), c.expected);
        EXPECT_EQ(text.size(), c.expected.size());
        EXPECT_EQ(text.complete(), c.complete);
    }
}

TEST(FixedTextTest, AppendsUpToTheCapacityAndStaysCutOnceCut) {
    FixedText<4> text;
    EXPECT_TRUE(text.empty());
    EXPECT_STREQ(text.c_str(), "");
    text.Append("ab");
    text.Append('c');
    EXPECT_STREQ(text.c_str(), "abc");
    EXPECT_TRUE(text.complete());
    text.Append("de");
    EXPECT_STREQ(text.c_str(), "abcd");
    EXPECT_FALSE(text.complete());
    text.Append("");
    EXPECT_FALSE(text.complete()) << "an empty append does not make a cut text whole";
}

// Zero characters are counted characters, not the end of the text.
TEST(FixedTextTest, KeepsZeroCharacters) {
    FixedText<8> text;
    text.Append("a\0b", 3);
    EXPECT_EQ(text.size(), 3u);
    EXPECT_EQ(text[1], '\0');
    EXPECT_EQ(text[2], 'b');
}

}  // namespace
