// The process's exit status, for the deployment tools that start the wizard. The codes are
// those that setup programs on Windows report (the Windows Installer's).
#pragma once

#include "app/os_kind.h"
#include "engine/install_printer.h"

constexpr int kExitInstalled = 0;             // Finish installed everything, with no message
constexpr int kExitDone = 0;                  // the usage shown, or a removal done
constexpr int kExitBadCommandLine = 87;       // nothing done (ERROR_INVALID_PARAMETER)
constexpr int kExitNotInstalled = 1605;       // nothing to remove (ERROR_UNKNOWN_PRODUCT)
constexpr int kExitLogFailed = 1622;          // the log could not be opened, nothing done
                                              // (ERROR_INSTALL_LOG_FAILURE)
constexpr int kExitNothingInstalled = 1602;   // ended without Finish (ERROR_INSTALL_USEREXIT)
constexpr int kExitInstallFailed = 1603;      // Finish met a failure (ERROR_INSTALL_FAILURE)
constexpr int kExitUnsupportedSystem = 1633;  // Finish outside the NT family, nothing installed
                                              // (ERROR_INSTALL_PLATFORM_UNSUPPORTED)

// "Finish", and a quiet installation or removal: installs only on the NT family, through install(), and gives the exit status.
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
