// Many random texts and keys from a fixed seed, so a failure repeats. Under the sanitizers
// any out-of-range access or undefined arithmetic stops the run.
#include "tests/unit/decoded_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tools/display_text_encoder.h"

namespace {

constexpr int kRounds = 3000;

class DisplayTextFuzzTest : public ::testing::Test {
protected:
    std::mt19937 random_{20240611u};

    uint16_t AnyKey() { return static_cast<uint16_t>(random_() & 0xFFFFu); }
    size_t AnyLength() { return random_() % 81; }
    // Any character code at all, zero and the codes above 0x7F included.
    std::string AnyText(size_t length) {
        std::string text(length, '\0');
        for (char& c : text) c = static_cast<char>(random_() & 0xFFu);
        return text;
    }
};

TEST_F(DisplayTextFuzzTest, ResultHasHalfTheLettersAndEarlierCharactersIgnoreLaterLetters) {
    for (int round = 0; round < kRounds; ++round) {
        const std::string text = AnyText(AnyLength());
        const uint16_t key = AnyKey();
        SCOPED_TRACE(testing::Message() << "round " << round << ", " << text.size()
                                        << " letters, key " << key);
        const std::string result = Decoded(text, key);
        ASSERT_EQ(result.size(), text.size() / 2);

        // Rewrite everything from some pair on: the characters before it are unchanged.
        const size_t keep = random_() % (text.size() / 2 + 1);
        std::string changed = text.substr(0, 2 * keep);
        changed += AnyText(text.size() - 2 * keep);
        const std::string changedResult = Decoded(changed, key);
        ASSERT_EQ(changedResult.size(), result.size());
        EXPECT_EQ(changedResult.substr(0, keep), result.substr(0, keep));
    }
}

TEST_F(DisplayTextFuzzTest, AnyTextSurvivesTheRoundTripAsUppercaseLetters) {
    for (int round = 0; round < kRounds; ++round) {
        // Any text that a display text can hold; a longer one is cut (display_text_test).
        const std::string plain = AnyText(random_() % (kDisplayTextCapacity + 1));
        const uint16_t key = AnyKey();
        SCOPED_TRACE(testing::Message() << "round " << round << ", key " << key);
        const std::string letters = EncodeDisplayText(plain, key);
        ASSERT_EQ(letters.size(), 2 * plain.size());
        for (size_t i = 0; i < letters.size(); ++i) {
            ASSERT_TRUE(letters[i] >= 'A' && letters[i] <= (i % 2 == 0 ? 'J' : 'Z')) << i;
        }
        EXPECT_EQ(Decoded(letters, key), plain);
    }
}

}  // namespace
