// UTF-16 to UTF-8 and back: what Windows gives the program (command line, texts, system
// messages) and what it hands Windows (file names, message texts).
#include "engine/unicode_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ToUtf8Case {
    const char* name;
    std::u16string utf16;
    std::string utf8;
};

const ToUtf8Case kToUtf8Cases[] = {
    {"ASCII", u"setup.exe /quiet", "setup.exe /quiet"},
    {"two-byte", u"caf\u00e9", "caf\xc3\xa9"},
    {"Chinese, three bytes each", u"\u65e5\u5fd7", "\xe6\x97\xa5\xe5\xbf\x97"},
    {"a surrogate pair, four bytes", u"\U0001F5A8", "\xf0\x9f\x96\xa8"},
    {"an unpaired high surrogate", std::u16string(u"a") + char16_t(0xD83D) + u"b", "a\xef\xbf\xbd" "b"},
    {"an unpaired low surrogate", std::u16string(1, char16_t(0xDC00)), "\xef\xbf\xbd"},
    {"empty", u"", ""},
};

TEST(UnicodeTextTest, Utf16BecomesUtf8) {
    for (const ToUtf8Case& c : kToUtf8Cases) {
        SCOPED_TRACE(c.name);
        FixedText<63> text;
        AppendUtf16(text, c.utf16.c_str());
        EXPECT_EQ(std::string(text.c_str()), c.utf8);
        EXPECT_TRUE(text.complete());
    }
}

TEST(UnicodeTextTest, AppendsAfterWhatIsThereAndStopsAtTheLengthGiven) {
    FixedText<63> text;
    text.Append("line: ");
    AppendUtf16(text, u"\u65e5\u5fd7 and more", 2);
    EXPECT_EQ(std::string(text.c_str()), "line: \xe6\x97\xa5\xe5\xbf\x97");
}

TEST(UnicodeTextTest, ACharacterThatDoesNotFitIsLeftOutWhole) {
    FixedText<4> text;
    AppendUtf16(text, u"ab\u65e5");  // 2 + 3 bytes into room for 4
    EXPECT_EQ(std::string(text.c_str()), "ab");
    EXPECT_FALSE(text.complete());
}

struct ToUtf16Case {
    const char* name;
    std::string utf8;
    std::u16string utf16;
};

const ToUtf16Case kToUtf16Cases[] = {
    {"ASCII path", "C:\\Logs\\setup.log", u"C:\\Logs\\setup.log"},
    {"Chinese folder", "C:\\\xe6\x97\xa5\xe5\xbf\x97\\a.log", u"C:\\\u65e5\u5fd7\\a.log"},
    {"four bytes become a pair", "\xf0\x9f\x96\xa8", u"\U0001F5A8"},
    {"an overlong slash", "a\xc0\xaf" "b", u"a\ufffd\ufffd" "b"},
    {"a surrogate written as UTF-8", "\xed\xa0\x80", u"\ufffd\ufffd\ufffd"},
    {"a sequence cut by the end", "a\xe6\x97", u"a\ufffd\ufffd"},
    {"past U+10FFFF", "\xf4\x90\x80\x80", u"\ufffd\ufffd\ufffd\ufffd"},
};

TEST(UnicodeTextTest, Utf8BecomesUtf16) {
    for (const ToUtf16Case& c : kToUtf16Cases) {
        SCOPED_TRACE(c.name);
        char16_t buffer[64];
        ASSERT_TRUE(Utf8ToUtf16(c.utf8.c_str(), buffer, 64));
        EXPECT_EQ(std::u16string(buffer), c.utf16);
    }
}

TEST(UnicodeTextTest, Utf8ThatDoesNotFitGivesNothing) {
    char16_t buffer[4] = {u'x', u'x', u'x', u'x'};
    EXPECT_FALSE(Utf8ToUtf16("abcd", buffer, 4)) << "no room for the zero";
    EXPECT_EQ(buffer[0], 0);
    EXPECT_TRUE(Utf8ToUtf16("abc", buffer, 4));
    EXPECT_EQ(std::u16string(buffer), u"abc");
    EXPECT_FALSE(Utf8ToUtf16("ab\xf0\x9f\x96\xa8", buffer, 4)) << "the pair would be cut";
}

}  // namespace
