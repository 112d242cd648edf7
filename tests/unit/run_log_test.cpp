// The log's lines and the report that writes them: the time each starts with, the results
// of steps, and where messages go in a quiet run and in one with windows.
#include "engine/run_log.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/report.h"
#include "recording_services.h"

namespace {

TEST(RunLogTest, NumbersAndTimestampsAreWrittenInFull) {
    EXPECT_EQ(std::string(DecimalText(0).c_str()), "0");
    EXPECT_EQ(std::string(DecimalText(1603).c_str()), "1603");
    EXPECT_EQ(std::string(DecimalText(4294967295u).c_str()), "4294967295");
    EXPECT_EQ(std::string(LogTimestamp({2026, 12, 5, 11, 15, 3, 30, 250}).c_str()), "2026-12-11 15:03:30");
    EXPECT_EQ(std::string(LogTimestamp({999, 1, 0, 2, 0, 0, 9, 0}).c_str()), "0999-01-02 00:00:09");
}

class LogTest : public ::testing::Test {
protected:
    RecordingServices windows;
    RunLog log{windows};

    std::string Written() const {
        return windows.written.empty() ? "" : windows.written.begin()->second;
    }
};

TEST_F(LogTest, OpensTheFileByItsWideNameAndAppendsTimedLines) {
    ASSERT_TRUE(log.Open("C:\\\xe6\x97\xa5\xe5\xbf\x97\\setup.log"));
    log.Line("first");
    windows.time.wSecond = 31;
    log.Line("second, \xe4\xb8\xad");
    EXPECT_EQ(windows.calls, std::vector<std::string>{"OpenFileToAppendW(C:\\\xe6\x97\xa5\xe5\xbf\x97\\setup.log)"});
    EXPECT_EQ(Written(), "2026-12-11 15:03:30 first\r\n2026-12-11 15:03:31 second, \xe4\xb8\xad\r\n");
}

TEST_F(LogTest, ALineBreakInATextKeepsEveryLineStartingWithItsTime) {
    ASSERT_TRUE(log.Open("a.log"));
    log.Line("message: removed:\nprinter ZRT-340\r\ndriver ZRT-340");
    EXPECT_EQ(Written(), "2026-12-11 15:03:30 message: removed: / printer ZRT-340 / driver ZRT-340\r\n");
}

TEST_F(LogTest, AFileThatCannotBeOpenedIsSaidSoAndNothingIsWritten) {
    windows.logOpenFails = true;
    EXPECT_FALSE(log.Open("Z:\\nowhere\\a.log"));
    EXPECT_FALSE(log.open());
    log.Line("lost");
    EXPECT_TRUE(windows.written.empty());
    EXPECT_FALSE(log.Open("")) << "no name is no file";
}

TEST_F(LogTest, TheFileIsClosedWithTheLog) {
    {
        RunLog scoped(windows);
        ASSERT_TRUE(scoped.Open("a.log"));
    }
    EXPECT_EQ(windows.calls.back(), "CloseHandle(#4288)");
}

TEST_F(LogTest, StepsGiveTheirResultAndAFailureItsCodeAndTheSystemsText) {
    ASSERT_TRUE(log.Open("a.log"));
    Report report(windows, &log, false);
    report.Done("copy a to b");
    report.Failed("copy c to d", 2);
    report.Failed("copy e to f", 0);
    EXPECT_EQ(Written(),
              "2026-12-11 15:03:30 copy a to b -> done\r\n"
              "2026-12-11 15:03:30 copy c to d -> failed, error 2: system text of 2.\r\n"
              "2026-12-11 15:03:30 copy e to f -> failed\r\n");
}

struct TellCase {
    const char* name;
    bool quiet, logged;
    std::vector<std::string> calls;  // after opening the log
    std::string written;
};

const TellCase kTellCases[] = {
    {"a window and a log", false, true, {"AfxMessageBox(131, 0, 0)"},
     "2026-12-11 15:03:30 message: text 131\r\n"},
    {"a window and no log", false, false, {"AfxMessageBox(131, 0, 0)"}, ""},
    {"quiet with a log", true, true, {}, "2026-12-11 15:03:30 message: text 131\r\n"},
    {"quiet without a log", true, false, {}, ""},
};

TEST_F(LogTest, AMessageIsShownOrInAQuietRunOnlyLogged) {
    for (const TellCase& c : kTellCases) {
        SCOPED_TRACE(c.name);
        RecordingServices fresh;
        RunLog runLog(fresh);
        if (c.logged) {
            ASSERT_TRUE(runLog.Open("a.log"));
        }
        fresh.calls.clear();
        Report report(fresh, &runLog, c.quiet);
        report.Tell(131);
        EXPECT_EQ(fresh.calls, c.calls);
        EXPECT_EQ(fresh.written.empty() ? "" : fresh.written.begin()->second, c.written);
    }
}

TEST_F(LogTest, AComposedMessageTakesItsArgumentAndIsShownAsWideText) {
    ASSERT_TRUE(log.Open("a.log"));
    windows.strings[135] = u"\u9519\u8bef\uff1a\u65e0\u6cd5\u6253\u5f00\u65e5\u5fd7\u6587\u4ef6 %s";
    Report report(windows, &log, false);
    report.Tell(135, "C:\\a b.log", kMbIconInformation);
    const std::string text = "\xe9\x94\x99\xe8\xaf\xaf\xef\xbc\x9a\xe6\x97\xa0\xe6\xb3\x95\xe6\x89\x93"
                             "\xe5\xbc\x80\xe6\x97\xa5\xe5\xbf\x97\xe6\x96\x87\xe4\xbb\xb6 C:\\a b.log";
    EXPECT_EQ(windows.messages, std::vector<std::string>{text});
    EXPECT_EQ(windows.calls.back(), "AfxMessageBoxW(64)");
    EXPECT_EQ(Written(), "2026-12-11 15:03:30 message: " + text + "\r\n");

    Report quiet(windows, &log, true);
    quiet.TellText("not shown");
    EXPECT_EQ(windows.messages.size(), 1u) << "a quiet run shows no window";
}

}  // namespace
