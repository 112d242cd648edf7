// What setup.exe does with its command line: the wizard, a quiet installation, a removal or
// the usage, each with the log when one is asked for; and the exit status it ends with.
#pragma once

#include "engine/page_choices.h"

class Report;
class WindowsServices;

// The wizard's two pages.
class Wizard {
public:
    virtual ~Wizard() = default;
    // Runs the pages, page 2 opening with the choices and "Finish" reporting to the report;
    // the exit status of the page that ended the wizard.
    virtual int Run(const PageChoices& choices, Report& report) = 0;
};

// The version the log's first line names: the file version of setup.exe, from the build.
constexpr const char* kProgramVersion = SETUP_VERSION_TEXT;

// Reads the command line and does what it asks:
//   a command line that is wrong: 87 and nothing done; the problem and the usage in a
//     message box, or with /quiet only in the log
//   /?: the usage in a message box, 0
//   the wizard: its exit status
//   /quiet: the OS check and the installation of "Finish" with the command line's choices,
//     0, 1603 or 1633, with no window
//   /uninstall: the OS check and the removal, 0, 1605, 1603 or 1633
// With /log the file gets a first line with the program's and Windows' versions and the
// command line, a line for every step, and the exit status last. A log that cannot be
// opened ends the run with 1622 before anything is done.
int RunSetup(WindowsServices& windows, Wizard& wizard);
