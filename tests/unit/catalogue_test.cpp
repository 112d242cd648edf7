#include "engine/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/unit/decoded_text.h"
#include "tools/display_text_encoder.h"

namespace {

// What the Finish work takes from each model row: the driver (and printer) name and the
// two model files it copies and registers.
struct ModelFiles {
    const char* driverAndPrinter;
    const char* gpdFile;
    const char* resourceDll;
};

const ModelFiles kModelFiles[kModelCount] = {
    {"ZRT-210A", "Z21A.GPD", "Z21.DLL"},  {"ZRT-210K", "Z21K.GPD", "Z21.DLL"},
    {"ZRT-210M", "Z21M.GPD", "Z21.DLL"},  {"ZRT-340", "Z34.GPD", "Z34.DLL"},
    {"ZRT-340F", "Z34F.GPD", "Z34.DLL"},  {"ZRT-470A", "Z47A.GPD", "Z47.DLL"},
    {"ZRT-490B", "Z49B.GPD", "Z47.DLL"},  {"ZRT-520B", "Z52B.GPD", "Z472.DLL"},
};

TEST(CatalogueTest, EachModelRowNamesItsDriverAndFiles) {
    for (size_t row = 0; row < kModelCount; ++row) {
        SCOPED_TRACE(testing::Message() << "model row " << row);
        const ModelEntry& model = ModelTable[row];
        EXPECT_STREQ(model.driverName, kModelFiles[row].driverAndPrinter);
        EXPECT_EQ(std::string(model.gpdBaseName) + ".GPD", kModelFiles[row].gpdFile);
        EXPECT_EQ(std::string(model.resourceDllBaseName) + ".DLL", kModelFiles[row].resourceDll);
    }
}

TEST(CatalogueTest, DriverAndGpdNamesDifferAndFourDllsServeEightModels) {
    std::set<std::string> drivers, gpds, dlls;
    for (const ModelEntry& model : ModelTable) {
        drivers.insert(model.driverName);
        gpds.insert(model.gpdBaseName);
        dlls.insert(model.resourceDllBaseName);
    }
    EXPECT_EQ(drivers.size(), kModelCount);
    EXPECT_EQ(gpds.size(), kModelCount);
    EXPECT_EQ(dlls, (std::set<std::string>{"Z21", "Z34", "Z47", "Z472"}));
    EXPECT_STREQ(ModelTable[3].gpdBaseName, ModelTable[3].resourceDllBaseName);
}

// The port list shows the names without the colon.
TEST(CatalogueTest, PortTextsAreTheListItemsWithAColonAndOnlyComPortsAreSerial) {
    const char* const items[kPortCount] = {"LPT1", "LPT2", "LPT3", "COM1", "COM2", "COM3", "COM4"};
    for (size_t row = 0; row < kPortCount; ++row) {
        SCOPED_TRACE(testing::Message() << "port row " << row);
        EXPECT_EQ(PortTable[row], std::string(items[row]) + ":");
        EXPECT_EQ(IsSerialPortRow(static_cast<long>(row)), items[row][0] == 'C');
    }
}

std::string Joined(const char* const* table, size_t count) {
    std::string joined;
    for (size_t row = 0; row < count; ++row) {
        if (row > 0) joined += '|';
        joined += table[row];
    }
    return joined;
}

TEST(CatalogueTest, SerialTablesHoldTheTextWrittenForEachListItemInListOrder) {
    struct SerialTable {
        const char* list;
        const char* const* table;
        size_t count;
        const char* joined;
    };
    const SerialTable kSerialTables[] = {
        {"BaudRate", BaudRateTable, kBaudRateCount,
         "300|1200|2400|4800|9600|19200|38400|57600|115200"},
        {"ByteSize", ByteSizeTable, kByteSizeCount, "5|6|7|8"},
        {"StopBits", StopBitsTable, kStopBitsCount, "1|1.5|2"},
        {"Parity (Even, Mark, None, Odd, Space)", ParityTable, kParityCount, "E|M|N|O|S"},
        // "None" is one blank, not an empty text.
        {"FlowControl (None, XonXoff, Hardware)", FlowControlTable, kFlowControlCount, " |x|p"},
    };
    for (const SerialTable& t : kSerialTables) {
        SCOPED_TRACE(t.list);
        EXPECT_EQ(Joined(t.table, t.count), t.joined);
    }
}

// The rows page 2 selects when it opens, joined in the order the port value takes them.
TEST(CatalogueTest, InitialSerialRowsGiveTheDefaultSettings) {
    const std::string settings = std::string(BaudRateTable[5]) + "," + ParityTable[2] + "," +
                                 ByteSizeTable[3] + "," + StopBitsTable[0] + "," +
                                 FlowControlTable[2];
    EXPECT_EQ(settings, "19200,N,8,1,p");
}

// The stored texts with what each must show.
struct StoredCase {
    const char* stored;
    uint16_t key;
    const char* shown;
};

std::vector<StoredCase> StoredCases() {
    std::vector<StoredCase> cases;
    const char* const shown[kModelCount] = {
        "ZRT-210A Printer ", "ZRT-210K Printer ", "ZRT-210M Printer ", "ZRT-340 Printer  ",
        "ZRT-340F Printer ", "ZRT-470A Printer ", "ZRT-490B Printer ", "ZRT-520B Printer ",
    };
    for (size_t row = 0; row < kModelCount; ++row) {
        cases.push_back({ModelTable[row].displayText, ModelTable[row].displayKey, shown[row]});
    }
    cases.push_back({InitialNameText.text, InitialNameText.key, "Choose your model."});
    return cases;
}

TEST(CatalogueTest, StoredTextsDecodeToTheirDisplayTextsAndBack) {
    for (const StoredCase& c : StoredCases()) {
        SCOPED_TRACE(c.shown);
        const std::string stored = c.stored;
        const std::string shown = Decoded(stored, c.key);
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(stored.size(), 2 * shown.size());
        EXPECT_EQ(stored.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos);
        EXPECT_EQ(EncodeDisplayText(shown, c.key), stored);
    }
}

TEST(CatalogueTest, ModelTextsAreSeventeenCharactersAndNameTheirOwnModel) {
    for (size_t row = 0; row < kModelCount; ++row) {
        SCOPED_TRACE(testing::Message() << "model row " << row);
        const ModelEntry& model = ModelTable[row];
        EXPECT_EQ(std::string(model.displayText).size(), 34u);
        const std::string shown = Decoded(model.displayText, model.displayKey);
        EXPECT_EQ(shown.size(), 17u);
        EXPECT_EQ(shown.rfind(std::string(model.driverName) + " ", 0), 0u) << shown;
    }
    EXPECT_EQ(std::string(InitialNameText.text).size(), 36u);
    EXPECT_EQ(Decoded(InitialNameText.text, InitialNameText.key).size(), 18u);
}

TEST(CatalogueTest, NineTextsAndKeysAllDiffer) {
    std::set<std::string> shown;
    std::set<uint16_t> keys;
    for (const StoredCase& c : StoredCases()) {
        shown.insert(Decoded(c.stored, c.key));
        keys.insert(c.key);
    }
    EXPECT_EQ(shown.size(), kModelCount + 1);
    EXPECT_EQ(keys.size(), kModelCount + 1);
}

}  // namespace
