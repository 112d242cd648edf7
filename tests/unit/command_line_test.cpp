// The command line: how it splits into arguments, what each option sets, and what is wrong
// with a command line that cannot be followed.
#include "engine/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The split, seen through /log, which takes any text as it arrives.
struct SplitCase {
    const char* commandLine;
    const char* logFile;
};

const SplitCase kSplitCases[] = {
    {"setup.exe /log=C:\\Logs\\a.log", "C:\\Logs\\a.log"},
    {"setup.exe /log=\"C:\\My Logs\\a.log\"", "C:\\My Logs\\a.log"},
    {"setup.exe \"/log=C:\\My Logs\\a.log\"", "C:\\My Logs\\a.log"},
    {"\"C:\\Program Files\\ZILT\\setup.exe\" /log=a.log", "a.log"},
    {"C:\\setup.exe\t/log=a.log  ", "a.log"},
    {"setup.exe /log=a\\\"b", "a\"b"},             // \" is a quote
    {"setup.exe /log=a\\\\\"b c\"", "a\\b c"},     // \\" is a backslash, then a quoted part
    {"setup.exe /log=a\\\\\\\"b", "a\\\"b"},       // \\\" is a backslash and a quote
    {"setup.exe /log=\"a\"\"b\"", "a\"b"},         // "" inside quotes is a quote
    {"setup.exe /log=\"C:\\Logs\\\\\"", "C:\\Logs\\"},  // a folder's backslash before the quote
    {"setup.exe /log=a\\\\b", "a\\\\b"},           // backslashes before no quote stay
};

TEST(CommandLineTest, SplitsAsWindowsProgramsDo) {
    for (const SplitCase& c : kSplitCases) {
        SCOPED_TRACE(c.commandLine);
        const SetupOptions options = ReadCommandLine(c.commandLine);
        EXPECT_EQ(std::string(options.problem.c_str()), "");
        EXPECT_EQ(std::string(options.logFile.c_str()), c.logFile);
    }
}

struct OptionsCase {
    const char* commandLine;
    SetupMode mode;
    bool quiet;
    PageChoices choices;  // model, port, baud, byte size, stop bits, parity, flow, default, chosen
};

const PageChoices kInitial{};

const OptionsCase kOptionsCases[] = {
    {"setup.exe", SetupMode::Wizard, false, kInitial},
    {"setup.exe /log=x.log", SetupMode::Wizard, false, kInitial},
    {"setup.exe /?", SetupMode::Usage, false, kInitial},
    {"setup.exe -?", SetupMode::Usage, false, kInitial},
    {"setup.exe /model=ZRT-470A /port=COM2", SetupMode::Wizard, false,
     {5, 4, 5, 3, 0, 2, 2, false, true}},
    {"setup.exe /quiet /model=zrt-340", SetupMode::Quiet, true, {3, 0, 5, 3, 0, 2, 2, false, true}},
    {"setup.exe -QUIET -Model=ZRT-340 -Port=com1 -Default", SetupMode::Quiet, true,
     {3, 3, 5, 3, 0, 2, 2, true, true}},
    {"setup.exe /quiet /model=ZRT-520B /port=COM4 /baud=115200 /parity=mark /bytesize=7 "
     "/stopbits=1.5 /flow=xonxoff",
     SetupMode::Quiet, true, {7, 6, 8, 2, 1, 1, 1, false, true}},
    {"setup.exe /model=ZRT-210A /port=LPT3 /default", SetupMode::Wizard, false,
     {0, 2, 5, 3, 0, 2, 2, true, true}},
    {"setup.exe /uninstall /model=ZRT-490B", SetupMode::Uninstall, false,
     {6, 0, 5, 3, 0, 2, 2, false, true}},
    {"setup.exe /uninstall /quiet /model=ZRT-490B /log=\"C:\\a b.log\"", SetupMode::Uninstall, true,
     {6, 0, 5, 3, 0, 2, 2, false, true}},
};

TEST(CommandLineTest, OptionsSetTheModeAndPageTwosChoices) {
    for (const OptionsCase& c : kOptionsCases) {
        SCOPED_TRACE(c.commandLine);
        const SetupOptions options = ReadCommandLine(c.commandLine);
        EXPECT_EQ(std::string(options.problem.c_str()), "");
        EXPECT_EQ(options.mode, c.mode);
        EXPECT_EQ(options.quiet, c.quiet);
        const PageChoices& got = options.choices;
        EXPECT_EQ(got.modelRow, c.choices.modelRow);
        EXPECT_EQ(got.portRow, c.choices.portRow);
        EXPECT_EQ(got.baudRateRow, c.choices.baudRateRow);
        EXPECT_EQ(got.byteSizeRow, c.choices.byteSizeRow);
        EXPECT_EQ(got.stopBitsRow, c.choices.stopBitsRow);
        EXPECT_EQ(got.parityRow, c.choices.parityRow);
        EXPECT_EQ(got.flowControlRow, c.choices.flowControlRow);
        EXPECT_EQ(got.setDefault, c.choices.setDefault);
        EXPECT_EQ(got.modelChosen, c.choices.modelChosen);
    }
}

// A command line that cannot be followed: what it says is wrong, whether a window may say
// it, and the log that still gets it.
struct ProblemCase {
    const char* commandLine;
    const char* problem;
    bool quiet;
    const char* logFile;
};

const ProblemCase kProblemCases[] = {
    {"setup.exe /colour=red", "unknown option \"/colour\"", false, ""},
    {"setup.exe /quiet /model=ZRT-340 /colour=red /log=q.log", "unknown option \"/colour\"", true, "q.log"},
    {"setup.exe /quiet /model=ZRT-340 models", "\"models\" is not an option; options start with / or -", true, ""},
    {"setup.exe /quiet /model=ZRT-340 \"\"", "\"\" is not an option; options start with / or -", true, ""},
    {"setup.exe /quiet /model=ZRT-341", "\"ZRT-341\" is not a value of /model", true, ""},
    {"setup.exe /model=ZRT-340 /port=COM5", "\"COM5\" is not a value of /port", false, ""},
    {"setup.exe /model=ZRT-340 /port=COM1:", "\"COM1:\" is not a value of /port", false, ""},
    {"setup.exe /model=ZRT-340 /port=COM1 /baud=1234", "\"1234\" is not a value of /baud", false, ""},
    {"setup.exe /model=ZRT-340 /port=COM1 /parity=E", "\"E\" is not a value of /parity", false, ""},
    {"setup.exe /model=ZRT-340 /port=COM1 /flow=p", "\"p\" is not a value of /flow", false, ""},
    {"setup.exe /model=ZRT-340 /port=COM1 /bytesize=9", "\"9\" is not a value of /bytesize", false, ""},
    {"setup.exe /model=ZRT-340 /port=COM1 /stopbits=3", "\"3\" is not a value of /stopbits", false, ""},
    {"setup.exe /quiet /model=ZRT-340 /model=ZRT-470A", "/model is given more than once", true, ""},
    {"setup.exe /quiet /QUIET /model=ZRT-340", "/quiet is given more than once", true, ""},
    {"setup.exe /log=a.log /log=b.log", "/log is given more than once", false, "a.log"},
    {"setup.exe /quiet /model", "/model needs a value: /model=...", true, ""},
    {"setup.exe /quiet /model=", "/model needs a value: /model=...", true, ""},
    {"setup.exe /quiet=yes /model=ZRT-340", "/quiet takes no value", true, ""},
    {"setup.exe /quiet", "/quiet needs /model", true, ""},
    {"setup.exe /quiet /port=COM1 /log=q.log", "/quiet needs /model", true, "q.log"},
    {"setup.exe /uninstall", "/uninstall needs /model", false, ""},
    {"setup.exe /uninstall /model=ZRT-340 /port=COM1", "/port does not go with /uninstall", false, ""},
    {"setup.exe /uninstall /model=ZRT-340 /default", "/default does not go with /uninstall", false, ""},
    {"setup.exe /port=COM2", "/port needs /model", false, ""},
    {"setup.exe /default", "/default needs /model", false, ""},
    {"setup.exe /model=ZRT-340 /baud=9600", "/baud applies only to a COM port", false, ""},
    {"setup.exe /quiet /model=ZRT-340 /port=LPT2 /flow=None", "/flow applies only to a COM port", true, ""},
    {"setup.exe /? /model=ZRT-340", "/? goes alone", false, ""},
    {"setup.exe /? /quiet", "/? goes alone", true, ""},
};

TEST(CommandLineTest, SaysWhatIsWrongAndKeepsQuietAndTheLog) {
    for (const ProblemCase& c : kProblemCases) {
        SCOPED_TRACE(c.commandLine);
        const SetupOptions options = ReadCommandLine(c.commandLine);
        EXPECT_EQ(std::string(options.problem.c_str()), c.problem);
        EXPECT_EQ(options.quiet, c.quiet);
        EXPECT_EQ(std::string(options.logFile.c_str()), c.logFile);
    }
}

TEST(CommandLineTest, TheFirstProblemIsTheOneReported) {
    const SetupOptions options = ReadCommandLine("setup.exe /a /b /quiet");
    EXPECT_EQ(std::string(options.problem.c_str()), "unknown option \"/a\"");
    EXPECT_TRUE(options.quiet) << "a later /quiet still keeps every window away";
}

TEST(CommandLineTest, TooLongAnArgumentOrLogNameIsAProblem) {
    const std::string longName(3 * 260 + 1, 'x');
    SetupOptions options = ReadCommandLine(("setup.exe /log=" + longName).c_str());
    EXPECT_EQ(std::string(options.problem.c_str()), "the name of the log file is too long");
    EXPECT_TRUE(options.logFile.empty()) << "a cut name would name another file";

    const std::string longArgument = "/" + std::string(3000, 'a');
    options = ReadCommandLine(("setup.exe " + longArgument).c_str());
    EXPECT_EQ(std::string(options.problem.c_str()), "an argument is too long");
}

}  // namespace
