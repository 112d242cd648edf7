// The default printer and the port settings: the texts of the two registry values and
// their byte counts, and which of the page's controls are read for them.
#include <gtest/gtest.h>

#include "finish_fixture.h"

namespace {

struct ValueCase {
    const char* name;
    long portRow, setDefaultCheck;
    long baudRateRow, parityRow, byteSizeRow, stopBitsRow, flowControlRow;
    const char* device;  // null: not written
    const char* portValueName;
    const char* portValue;  // null: no port value
};

const ValueCase kValueCases[] = {
    {"LPT1 with the box ticked", 0, kBstChecked, 5, 2, 3, 0, 2,
     "ZRT-340,winspool,LPT1:", nullptr, nullptr},
    {"COM1, 9600 with XonXoff, box unticked", 3, 0, 4, 2, 3, 0, 1,
     nullptr, "COM1:", "9600,N,8,1,x"},
    {"flow control None ends in a blank", 3, 0, 4, 2, 3, 0, 0,
     nullptr, "COM1:", "9600,N,8,1, "},
    {"COM4 with the rows the page opens with", 6, kBstChecked, 5, 2, 3, 0, 2,
     "ZRT-340,winspool,COM4:", "COM4:", "19200,N,8,1,p"},
    {"an indeterminate box is not a ticked one", 2, 2, 5, 2, 3, 0, 2,
     nullptr, nullptr, nullptr},
};

TEST_F(FinishTest, WritesEachValueAsItsTextWithTheTerminatingZero) {
    for (const ValueCase& c : kValueCases) {
        SCOPED_TRACE(c.name);
        windows.calls.clear();
        windows.values.clear();
        page.modelRow = 3;
        page.portRow = c.portRow;
        page.setDefaultCheck = c.setDefaultCheck;
        page.baudRateRow = c.baudRateRow;
        page.parityRow = c.parityRow;
        page.byteSizeRow = c.byteSizeRow;
        page.stopBitsRow = c.stopBitsRow;
        page.flowControlRow = c.flowControlRow;
        EXPECT_EQ(Run(), InstallResult::Installed);

        EXPECT_EQ(Value("Device"), c.device ? WithZero(c.device) : "(not written)");
        EXPECT_EQ(CallsOf("RegOpenKeyExA(HKCU").size(), c.device ? 1u : 0u);
        EXPECT_EQ(CallsOf("BroadcastSettingChange").size(), c.device ? 1u : 0u);
        if (c.portValue) {
            EXPECT_EQ(Value(c.portValueName), WithZero(c.portValue));
            EXPECT_EQ(CallsOf("read ").size(), 8u) << "port, model, box and the five lists";
        } else {
            // "Device" when ticked, and the port in the installation's record.
            EXPECT_EQ(windows.values.size(), c.device ? 2u : 1u);
            EXPECT_EQ(Value("Port"), WithZero(c.portRow == 0 ? "LPT1:" : "LPT3:"));
            EXPECT_TRUE(CallsOf("RegOpenKeyExA(HKLM").empty());
            EXPECT_EQ(CallsOf("read "),
                      (std::vector<std::string>{"read port", "read model", "read set default"}))
                << "a parallel port's serial lists are not read";
        }
    }
}

}  // namespace
