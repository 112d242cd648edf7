// The removal of what an installation of a model added, for /uninstall.
#pragma once

class Report;
class WindowsServices;
struct ModelEntry;

enum class RemoveResult {
    Removed,       // all of it removed
    NotInstalled,  // neither the printer nor the driver was there; nothing changed
    Failed,        // something could not be removed; the user has been told
};

// In this order, each step to the report's log:
//   the printer of the model's name deleted
//   its driver for "Windows NT x86" deleted
//   from the driver directory, the model's files that no other installed driver still lists
//   "Device", the current user's default printer, when it named the printer: the first
//     printer the spooler lists, or no value when none is left; running programs are told
//   the COM ports' settings the installation recorded put back, and its record deleted
// A printer that cannot be deleted stops the removal before anything else changes; a
// driver that cannot be deleted keeps its files. Without a quiet report a message box says
// what was removed, that nothing was installed, or that the removal failed.
RemoveResult RemovePrinter(WindowsServices& windows, Report& report, const ModelEntry& model);
