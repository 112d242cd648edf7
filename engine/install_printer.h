// The Finish work: the driver files staged, the driver and the printer registered, and the
// default printer and the port's settings written, in fifteen steps.
#pragma once

class PageSelections;
class WindowsServices;

enum class InstallResult {
    Installed,  // everything done, no message shown
    Failed,     // something was left undone or a message was shown
};

// First makes sure the spooler's functions can be had; if not, the user is told that a
// system component is missing and nothing is begun. Then runs the fifteen steps to the
// end. A step that fails does not stop the ones after it.
// The user is told of a registry value that cannot be set (each time), and, once at the
// end, of an installation whose files, driver or printer are not in place.
//
//  1     the spooler's driver directory
//  2     the port row, then the model row, from the page
//  3-10  the eight driver files copied into the driver directory
//  11    the driver registered
//  12    the printer added on the port
//  13    "Device", the current user's default printer, when the box is ticked
//  14    the port's serial settings, for a COM port
//  15    the printer's handle closed
InstallResult InstallPrinter(WindowsServices& windows, PageSelections& page);
