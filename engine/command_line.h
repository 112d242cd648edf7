// The command line of setup.exe, by which deployment tools install and remove the printer
// without anyone at the PC. Options start with "/" or "-", their names ignore case, and a
// value follows "=". Arguments are split as Windows programs split them: blanks separate
// them, double quotes hold blanks in, and backslashes escape a double quote.
//
//   (nothing)                        the wizard, as when started by hand
//   /model=NAME [choices]            the wizard, page 2 preset to these choices
//   /quiet /model=NAME [choices]     the installation, with no window
//   /uninstall /model=NAME [/quiet]  the removal of what an installation added
//   /?                               the usage
//   choices: /port /default /baud /parity /bytesize /stopbits /flow; /log=FILE in every mode
#pragma once

#include "engine/fixed_text.h"
#include "engine/page_choices.h"

enum class SetupMode { Wizard, Quiet, Uninstall, Usage };

// A file name of up to MAX_PATH UTF-16 units, as UTF-8.
using LogFileName = FixedText<3 * kMaxPath>;
using ProblemText = FixedText<511>;

struct SetupOptions {
    SetupMode mode = SetupMode::Wizard;
    // /quiet was given: no window at all, even when the rest of the command line is wrong.
    bool quiet = false;
    // Page 2's choices: those of the command line, the page's initial rows for the rest.
    PageChoices choices;
    LogFileName logFile;  // empty: no log
    // What is wrong with the command line, for the user or the log; empty when nothing.
    ProblemText problem;
};

// Reads the command line (UTF-8, the program's own name first). The first thing wrong with
// it is kept as the problem, and then nothing is to be done but to say so; /quiet and /log
// are still taken, so that the problem goes to the log without a window.
SetupOptions ReadCommandLine(const char* commandLine);
