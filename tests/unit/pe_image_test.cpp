// The import reader, on images made in memory: what it reads, and that a damaged image is
// refused with a reason rather than read past its end.
#include "tests/imports/pe_image.h"

#include <gtest/gtest.h>

#include "tests/imports/pe_builder.h"

namespace {

PeBuilder TwoDlls() {
    PeBuilder pe;
    pe.dlls = {{"KERNEL32.dll", {"CopyFileA", "GetTickCount64"}}, {"USER32.dll", {"#42", "EndDialog"}}};
    return pe;
}

TEST(PeImageTest, ReadsEveryImportInOrderWithItsDll) {
    PeImage image;
    std::string error;
    ASSERT_TRUE(ReadPeImage(TwoDlls().Build(), image, error)) << error;
    ASSERT_EQ(image.imports.size(), 4u);
    const char* expected[][2] = {{"KERNEL32.dll", "CopyFileA"},
                                 {"KERNEL32.dll", "GetTickCount64"},
                                 {"USER32.dll", "#42"},
                                 {"USER32.dll", "EndDialog"}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(image.imports[i].dll, expected[i][0]);
        EXPECT_EQ(image.imports[i].function, expected[i][1]);
    }
}

TEST(PeImageTest, ReadsTheHeaderFieldsTheLoaderChecks) {
    PeBuilder pe = TwoDlls();
    pe.subsystemMajor = 6;
    pe.subsystemMinor = 1;
    pe.dllCharacteristics = 0x0040;
    pe.relocations = false;
    pe.delayImports = true;
    PeImage image;
    std::string error;
    ASSERT_TRUE(ReadPeImage(pe.Build(), image, error)) << error;
    EXPECT_EQ(image.majorSubsystemVersion, 6);
    EXPECT_EQ(image.minorSubsystemVersion, 1);
    EXPECT_EQ(image.majorOsVersion, 4);
    EXPECT_EQ(image.subsystem, 2);
    EXPECT_EQ(image.dllCharacteristics, 0x0040);
    EXPECT_FALSE(image.hasRelocations);
    EXPECT_TRUE(image.hasDelayImports);
}

TEST(PeImageTest, RefusesWhatIsNoPe32Image) {
    struct Case {
        const char* what;
        size_t offset;
        uint8_t value;
        const char* reason;
    };
    const Case cases[] = {
        {"no MZ", 0, 'X', "no MZ header"},
        {"no PE signature", 0x80, 'Q', "no PE signature"},
        {"another machine", 0x84, 0x64, "not an x86 image"},
        {"PE32+", 0x98, 0x0B, "not a PE32 image"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<uint8_t> bytes = TwoDlls().Build();
        bytes[c.offset] = c.value;
        if (c.offset == 0x98) bytes[0x99] = 0x02;  // magic 0x020B
        PeImage image;
        std::string error;
        EXPECT_FALSE(ReadPeImage(bytes, image, error));
        EXPECT_EQ(error, c.reason);
    }
}

// Cut anywhere, the image is refused with a reason, or (cut only in its padding) read whole;
// never read past its end (the sanitizers stop the run on any such read).
TEST(PeImageTest, ImageCutShortAnywhereIsRefusedOrReadWhole) {
    const std::vector<uint8_t> whole = TwoDlls().Build();
    size_t refused = 0;
    for (size_t length = 0; length < whole.size(); ++length) {
        const std::vector<uint8_t> cut(whole.begin(), whole.begin() + length);
        PeImage image;
        std::string error;
        SCOPED_TRACE(length);
        if (ReadPeImage(cut, image, error)) {
            EXPECT_EQ(image.imports.size(), 4u);
            EXPECT_EQ(image.imports.back().function, "EndDialog");
        } else {
            EXPECT_FALSE(error.empty());
            ++refused;
        }
    }
    EXPECT_GT(refused, 0x200u) << "cuts inside the headers and the import table are refused";
}

// A lookup table that runs on without its closing zero to the end of the file.
TEST(PeImageTest, ImportTableWithoutItsEndIsRefused) {
    std::vector<uint8_t> bytes = TwoDlls().Build();
    // The descriptors' closing zero entry (the third, at 0x200 + 40) made non-zero points
    // its name outside every section.
    bytes[0x200 + 40 + 12] = 0xFF;
    bytes[0x200 + 40 + 15] = 0x7F;
    PeImage image;
    std::string error;
    EXPECT_FALSE(ReadPeImage(bytes, image, error));
    EXPECT_EQ(error, "DLL name unreadable");
}

}  // namespace
