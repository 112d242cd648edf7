// The messages the program tells the user, by their number in the string table of
// pages/setup.rc, which includes this file: the script and the code share the numbers. A
// text with "%s" takes one text from the code.
#pragma once

// "Finish"
#define IDS_REGISTRY_WRITE_FAILED   130
#define IDS_INSTALL_FAILED          131
#define IDS_UNSUPPORTED_WINDOWS     132
#define IDS_SYSTEM_COMPONENT_MISSING 133

// The command line and the log
#define IDS_USAGE                   134
#define IDS_LOG_FAILED              135  // %s: the log file

// Removal; the lines of what was removed follow IDS_REMOVED, one each
#define IDS_REMOVED                 136
#define IDS_REMOVED_PRINTER         137  // %s: the printer
#define IDS_REMOVED_DRIVER          138  // %s: the driver
#define IDS_REMOVED_FILES           139  // %s: the file names
#define IDS_NOT_INSTALLED           140  // %s: the model
#define IDS_REMOVE_FAILED           141  // %s: the model
