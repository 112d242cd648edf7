#include "app/page_sequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Stand-in pages: each showing takes the next result from the script and every
// construction, showing and destruction is written to the log.
struct Script {
    std::vector<int> results;
    size_t next = 0;
    std::vector<std::string> log;
    int pageTwoObjects = 0;
};
Script* g_script = nullptr;

int NextResult(const char* page) {
    Script& s = *g_script;
    if (s.next >= s.results.size()) {
        ADD_FAILURE() << page << " shown more often than the script says";
        return -1;
    }
    return s.results[s.next++];
}

struct FakeSelectOs {
    FakeSelectOs() { g_script->log.push_back("new 1"); }
    ~FakeSelectOs() { g_script->log.push_back("delete 1"); }
    int DoModal() {
        g_script->log.push_back("show 1");
        return NextResult("page 1");
    }
};

struct FakeDetailSetting {
    int id;
    FakeDetailSetting() : id(++g_script->pageTwoObjects) {
        g_script->log.push_back("new 2#" + std::to_string(id));
    }
    ~FakeDetailSetting() { g_script->log.push_back("delete 2#" + std::to_string(id)); }
    int DoModal() {
        g_script->log.push_back("show 2#" + std::to_string(id));
        return NextResult("page 2");
    }
    // Tells the showings apart: 1001 for the first page 2, 1002 for the second...
    int ExitCode() const { return 1000 + id; }
};

std::vector<std::string> RunScript(std::vector<int> results, int* exitCode = nullptr) {
    Script script;
    script.results = std::move(results);
    g_script = &script;
    const int code = RunPageSequence<FakeSelectOs, FakeDetailSetting>();
    if (exitCode) *exitCode = code;
    g_script = nullptr;
    EXPECT_EQ(script.next, script.results.size()) << "the sequence ended before the script did";
    return script.log;
}

using Log = std::vector<std::string>;
constexpr int kFailed = -1;

constexpr int kNothingInstalled = 1602;

struct TransitionCase {
    const char* name;
    std::vector<int> results;
    Log expected;
    int exitCode;  // the page 2 that ended the wizard, or nothing installed
};

const TransitionCase kTransitions[] = {
    {"page 1 OK leads to page 2; page 2 OK ends",
     {kPageOk, kPageOk},
     {"new 1", "show 1", "new 2#1", "show 2#1", "delete 2#1", "delete 1"}, 1001},
    {"page 1 Cancel ends", {kPageCancel}, {"new 1", "show 1", "delete 1"}, kNothingInstalled},
    {"page 1 failing to show ends", {kFailed}, {"new 1", "show 1", "delete 1"}, kNothingInstalled},
    {"page 1 with another result ends", {0}, {"new 1", "show 1", "delete 1"}, kNothingInstalled},
    {"page 2 Cancel goes back to the same page 1",
     {kPageOk, kPageCancel, kPageCancel},
     {"new 1", "show 1", "new 2#1", "show 2#1", "delete 2#1", "show 1", "delete 1"},
     kNothingInstalled},
    {"page 2 failing to show ends",
     {kPageOk, kFailed},
     {"new 1", "show 1", "new 2#1", "show 2#1", "delete 2#1", "delete 1"}, 1001},
    {"page 2 with another result ends",
     {kPageOk, 7},
     {"new 1", "show 1", "new 2#1", "show 2#1", "delete 2#1", "delete 1"}, 1001},
    {"Next, Back, Next shows a new page 2 each time",
     {kPageOk, kPageCancel, kPageOk, kPageOk},
     {"new 1", "show 1", "new 2#1", "show 2#1", "delete 2#1", "show 1", "new 2#2", "show 2#2",
      "delete 2#2", "delete 1"},
     1002},
};

TEST(PageSequenceTest, FollowsEveryTransition) {
    for (const TransitionCase& c : kTransitions) {
        SCOPED_TRACE(c.name);
        int exitCode = -1;
        EXPECT_EQ(RunScript(c.results, &exitCode), c.expected);
        EXPECT_EQ(exitCode, c.exitCode);
    }
}

TEST(PageSequenceTest, ManyBackAndNextCyclesEndNormally) {
    constexpr int kCycles = 50;
    std::vector<int> results;
    for (int i = 0; i < kCycles; ++i) {
        results.push_back(kPageOk);
        results.push_back(kPageCancel);
    }
    results.push_back(kPageCancel);  // page 1 cancelled at last
    Log log = RunScript(results);

    int pageOneObjects = 0, pageOneShowings = 0, pageTwoShowings = 0;
    for (const std::string& line : log) {
        if (line == "new 1") ++pageOneObjects;
        if (line == "show 1") ++pageOneShowings;
        if (line.rfind("show 2#", 0) == 0) ++pageTwoShowings;
    }
    EXPECT_EQ(pageOneObjects, 1);
    EXPECT_EQ(pageOneShowings, kCycles + 1);
    EXPECT_EQ(pageTwoShowings, kCycles);
    EXPECT_EQ(log.back(), "delete 1");
    EXPECT_EQ(log[log.size() - 2], "show 1");
}

}  // namespace
