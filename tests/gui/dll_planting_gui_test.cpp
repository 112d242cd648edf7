// setup.exe runs elevated, usually from a folder that others can write to. Windows looks for
// a DLL that is no KnownDLL in the program's folder first, and for a bare name in the
// current directory too; Wine does the same when native-first loading is asked for. Planted
// copies of the two system DLLs the program needs beyond the KnownDLLs must never load.
#include <gtest/gtest.h>

#include "finish_fixture.h"

namespace {

const wchar_t* const kPlantedDlls[] = {L"comctl32.dll", L"winspool.drv"};

// The planted copies the build makes, in the folder "planted" beside the test program.
std::wstring PlantedDll(const wchar_t* name) {
    const std::wstring exe = SetupExePath();
    return exe.substr(0, exe.find_last_of(L'\\') + 1) + L"planted\\" + name;
}

bool Exists(const std::wstring& path) { return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class DllPlantingGuiTest : public FinishGuiTest {
protected:
    void SetUp() override {
        FinishGuiTest::SetUp();
        m_program = m_programDir.path() + L"\\setup.exe";
        ASSERT_TRUE(::CopyFileW(SetupExePath().c_str(), m_program.c_str(), FALSE));
        ASSERT_TRUE(WriteDriverPackage(m_work.path(), "planting", kZrt340Files));
    }

    void Plant(const std::wstring& folder) {
        for (const wchar_t* dll : kPlantedDlls)
            ASSERT_TRUE(::CopyFileW(PlantedDll(dll).c_str(), (folder + L"\\" + dll).c_str(), FALSE)) << dll;
    }

    TempDir m_programDir;
    std::wstring m_program;
};

TEST_F(DllPlantingGuiTest, CopiesBesideTheProgramAndInTheCurrentDirectoryAreNeverLoaded) {
    Plant(m_programDir.path());
    Plant(m_work.path());
    ASSERT_TRUE(CreateKeyWithText(HKEY_CURRENT_USER, kUserWindowsKey, "Device", "Other,winspool,LPT2:"));
    DllOverrides nativeFirst(L"comctl32,winspool.drv=n,b");
    WizardProcess wizard(m_work.path(), m_program);

    HWND detail = wizard.OpenDetailSetting();
    ASSERT_NE(detail, nullptr);
    ::PostMessageW(detail, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    HWND about = wizard.WaitForPage(L"关于 ZILT");
    ASSERT_NE(about, nullptr);
    ClickButton(about, IDOK);
    ASSERT_TRUE(WaitUntilGone(about));
    ChooseListRow(detail, IDC_MODULE, 3);
    ChooseListRow(detail, IDC_PORT, 3);
    ::SendMessageW(::GetDlgItem(detail, IDC_SET_DEFAULT), BM_SETCHECK, BST_CHECKED, 0);
    ClickButton(detail, IDC_FINISH);
    EXPECT_EQ(ExitCodeOf(wizard), 0u);

    for (const std::wstring& folder : {m_programDir.path(), m_work.path()})
        for (const wchar_t* dll : kPlantedDlls)
            EXPECT_FALSE(Exists(folder + L"\\" + dll + L".loaded")) << "loaded the planted " << folder.c_str() << L"\\" << dll;
    for (const std::string& file : kZrt340Files)
        EXPECT_EQ(ReadWholeFile(Installed(file)), PlaceholderContents(file, "planting")) << file;
    EXPECT_EQ(FindPrinter(kZrt340).port, "COM1:");
    EXPECT_EQ(ReadText(HKEY_CURRENT_USER, kUserWindowsKey, "Device"), "ZRT-340,winspool,COM1:");
    EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kPortsKey, "COM1:"), "19200,N,8,1,p");
}

}  // namespace
