// The process's exit status, for the deployment tools that start the wizard. The codes are
// those that setup programs on Windows report (the Windows Installer's).
#pragma once

#include "app/os_kind.h"
#include "engine/install_printer.h"

constexpr int kExitInstalled = 0;             // Finish installed everything, with no message
constexpr int kExitNothingInstalled = 1602;   // ended without Finish (ERROR_INSTALL_USEREXIT)
constexpr int kExitInstallFailed = 1603;      // Finish met a failure (ERROR_INSTALL_FAILURE)
constexpr int kExitUnsupportedSystem = 1633;  // Finish outside the NT family, nothing installed
                                              // (ERROR_INSTALL_PLATFORM_UNSUPPORTED)

// "Finish": installs only on the NT family, through install(), and gives the exit status.
// Elsewhere nothing is installed, and tellUnsupported() says so before the wizard ends: an
// end without a word would look like success.
template <class Install, class TellUnsupported>
int RunFinish(OsKind kind, Install install, TellUnsupported tellUnsupported) {
    if (!IsNtFamily(kind)) {
        tellUnsupported();
        return kExitUnsupportedSystem;
    }
    return install() == InstallResult::Installed ? kExitInstalled : kExitInstallFailed;
}
