#include "app/os_kind.h"

#include <gtest/gtest.h>

#include "recording_services.h"

namespace {

constexpr uint32_t kWin32s = 0;
constexpr uint32_t k9x = kVerPlatformWin32Windows;
constexpr uint32_t kNt = kVerPlatformWin32Nt;

struct VersionCase {
    uint32_t platformId, major, minor;
    OsKind expected;  // OsUnknown: not classified
};

const VersionCase kVersionCases[] = {
    {k9x, 4, 0, OsWin95},
    {k9x, 4, 10, OsWin98},
    {k9x, 4, 90, OsWin98},
    {k9x, 4, 1, OsUnknown},
    {k9x, 4, 11, OsUnknown},
    {k9x, 3, 0, OsUnknown},
    {k9x, 5, 0, OsUnknown},
    {kNt, 3, 51, OsNT4},
    {kNt, 4, 0, OsNT4},
    {kNt, 0, 0, OsNT4},
    {kNt, 4, 99, OsNT4},
    {kNt, 5, 0, OsWin2000},
    {kNt, 5, 1, OsWinXP},
    {kNt, 5, 2, OsWin2003},
    {kNt, 5, 3, OsUnknown},
    {kNt, 6, 0, OsVista},
    {kNt, 6, 1, OsWin7},
    {kNt, 6, 2, OsUnknown},
    {kNt, 6, 3, OsUnknown},
    {kNt, 10, 0, OsUnknown},
    {kNt, 0xFFFFFFFFu, 0, OsUnknown},
    {kWin32s, 3, 10, OsWin2000},
    {3, 0, 0, OsWin2000},
    {3, 10, 0, OsWin2000},
    {0xFFFFFFFFu, 6, 1, OsWin2000},
};

class DetectOsKindTest : public ::testing::Test {
protected:
    void SetUp() override { g_osKind = OsUnknown; }
    void TearDown() override { g_osKind = OsUnknown; }
};

TEST_F(DetectOsKindTest, ClassifiesEveryRowOfTheTable) {
    for (const VersionCase& c : kVersionCases) {
        SCOPED_TRACE(testing::Message() << "platform " << c.platformId << ", version " << c.major
                                        << "." << c.minor);
        g_osKind = OsUnknown;
        RecordingServices windows;
        windows.versionReplies = {{true, c.platformId, c.major, c.minor}};
        DetectOsKind(windows);
        EXPECT_EQ(g_osKind, c.expected);
        EXPECT_EQ(windows.calls, std::vector<std::string>{"GetVersionExA(size=156)"});
    }
}

TEST_F(DetectOsKindTest, UnknownVersionLeavesTheKindAsItWas) {
    g_osKind = OsWinXP;
    RecordingServices windows;
    windows.versionReplies = {{true, kNt, 6, 2}};
    DetectOsKind(windows);
    EXPECT_EQ(g_osKind, OsWinXP);
}

TEST_F(DetectOsKindTest, FallsBackToTheShortRecordAndUsesItsVersion) {
    RecordingServices windows;
    windows.versionReplies = {{false, kNt, 6, 1}, {true, kNt, 4, 0}};
    DetectOsKind(windows);
    EXPECT_EQ(g_osKind, OsNT4);
    EXPECT_EQ(windows.calls,
              (std::vector<std::string>{"GetVersionExA(size=156)", "GetVersionExA(size=148)"}));
}

TEST_F(DetectOsKindTest, BothQueriesFailingLeavesTheKindUnchanged) {
    for (OsKind before : {OsUnknown, OsWin7}) {
        g_osKind = before;
        RecordingServices windows;  // no replies: every query fails
        DetectOsKind(windows);
        EXPECT_EQ(g_osKind, before);
        EXPECT_EQ(windows.calls, (std::vector<std::string>{"GetVersionExA(size=156)",
                                                           "GetVersionExA(size=148)"}));
    }
}

// The record reaches Windows zero-filled but for its size, whatever the stack held.
class ZeroCheckingServices : public RecordingServices {
public:
    bool sawDirtyRecord = false;
    bool GetVersionExA(OsVersionRecord& record) override {
        const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
        for (size_t i = sizeof record.dwOSVersionInfoSize; i < sizeof record; ++i)
            if (bytes[i] != 0) sawDirtyRecord = true;
        return RecordingServices::GetVersionExA(record);
    }
};

TEST_F(DetectOsKindTest, PassesAZeroFilledRecord) {
    ZeroCheckingServices windows;
    windows.versionReplies = {{true, kNt, 5, 1}};
    DetectOsKind(windows);
    EXPECT_FALSE(windows.sawDirtyRecord);
    EXPECT_EQ(g_osKind, OsWinXP);
}

TEST_F(DetectOsKindTest, RepeatedDetectionGivesTheSameKind) {
    RecordingServices windows;
    windows.versionReplies = {{true, kNt, 5, 2}, {true, kNt, 5, 2}, {true, kNt, 5, 2}};
    for (int showing = 0; showing < 3; ++showing) {
        DetectOsKind(windows);
        EXPECT_EQ(g_osKind, OsWin2003);
    }
}

TEST(OsKindTest, OnlyKindsThreeToEightAreTheNtFamily) {
    for (int kind = -1; kind <= 9; ++kind)
        EXPECT_EQ(IsNtFamily(static_cast<OsKind>(kind)), kind >= 3 && kind <= 8) << kind;
}

}  // namespace
