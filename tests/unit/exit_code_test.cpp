// What "Finish" gives as the exit status, and on which systems it installs at all.
#include "app/exit_code.h"

#include <gtest/gtest.h>

namespace {

TEST(RunFinishTest, InstallsOnlyOnTheNtFamilyAndReportsTheOutcome) {
    for (int kind = OsUnknown; kind <= OsWin7; ++kind) {
        for (InstallResult result : {InstallResult::Installed, InstallResult::Failed}) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << ", result "
                                            << static_cast<int>(result));
            int installs = 0, toldUnsupported = 0;
            const int code = RunFinish(
                static_cast<OsKind>(kind),
                [&] {
                    ++installs;
                    return result;
                },
                [&] { ++toldUnsupported; });
            if (kind >= OsNT4) {
                EXPECT_EQ(installs, 1);
                EXPECT_EQ(toldUnsupported, 0);
                EXPECT_EQ(code, result == InstallResult::Installed ? 0 : 1603);
            } else {
                EXPECT_EQ(installs, 0) << "installed outside the NT family";
                EXPECT_EQ(toldUnsupported, 1) << "the user must hear that nothing was installed";
                EXPECT_EQ(code, 1633);
            }
        }
    }
}

}  // namespace
