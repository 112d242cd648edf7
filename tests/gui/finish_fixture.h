// Runs the real setup.exe to "Finish" under Wine and puts the spooler, the driver directory
// and the registry back as they were afterwards.
#pragma once

#include <gtest/gtest.h>

#include "../../pages/resource.h"
#include "driver_package.h"
#include "registry_state.h"
#include "spooler_state.h"
#include "wizard_process.h"

// The model of page 2's row 3, the one most tests install.
constexpr const char* kZrt340 = "ZRT-340";

// What a test chooses on page 2.
struct Choices {
    int modelRow = 3;
    int portRow = 3;  // "COM1"
    bool setDefault = true;
};

// Goes from page 1 to page 2, makes the choices there and presses Finish. The page 2
// window, or null when a page did not open.
HWND FinishWith(const WizardProcess& wizard, const Choices& choices);

// The process's exit code once it has ended by itself; ~0 when it has not.
DWORD ExitCodeOf(const WizardProcess& wizard);

// The text of a message box of the wizard (its static text control).
std::wstring MessageBoxText(HWND box);

// Removes what a test of ZRT-340 installs, before and after it.
class FinishGuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The files Finish would copy, in the driver directory.
    std::wstring Installed(const std::string& file) const {
        return DriverDirectory() + L"\\" + Widen(file);
    }

    // Restored after TearDown, whatever the test changed.
    RegistryKeyGuard m_userWindows{HKEY_CURRENT_USER, kUserWindowsKey};
    RegistryKeyGuard m_ports{HKEY_LOCAL_MACHINE, kPortsKey};
    // Windows XP, on which Finish installs.
    ReportedWindowsVersion m_version{L"winxp"};
    TempDir m_work;
};
