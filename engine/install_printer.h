// The Finish work: the driver files staged, the driver and the printer registered, and the
// default printer and the port's settings written, with a record of what it changed.
#pragma once

class PageSelections;
class Report;
class WindowsServices;

enum class InstallResult {
    Installed,  // everything done, no message shown
    Failed,     // something was left undone or a message was shown
};

// First makes sure the spooler's functions can be had; if not, the user is told that a
// system component is missing and nothing is begun. Then runs every step to the end; a step
// that fails does not stop the ones after it. Each step and its result goes to the report's
// log. The user is told of a registry value that cannot be set (each time), and, once at
// the end, of an installation whose files, driver or printer are not in place.
//
//   the spooler's driver directory
//   the port row, then the model row, from the page
//   the eight driver files copied into the driver directory
//   the driver registered
//   the printer added on the port, or the one already there moved to it
//   "Device", the current user's default printer, when the box is ticked
//   the record of the port, and of a COM port's settings before they are overwritten
//   the port's serial settings, for a COM port
//   the printer's handle closed
InstallResult InstallPrinter(WindowsServices& windows, Report& report, PageSelections& page);

// The same, with messages shown as message boxes and no log.
InstallResult InstallPrinter(WindowsServices& windows, PageSelections& page);
