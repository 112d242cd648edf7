#include "app/setup_run.h"

#include <cstring>

#include "app/exit_code.h"
#include "app/os_kind.h"
#include "engine/catalogue.h"
#include "engine/command_line.h"
#include "engine/install_printer.h"
#include "engine/messages.h"
#include "engine/remove_printer.h"
#include "engine/report.h"
#include "engine/run_log.h"
#include "engine/unicode_text.h"
#include "platform/windows_services.h"

namespace {

using CommandLineText = FixedText<4095>;

// "ZILT printer setup 1.0.0.0; Windows NT 5.1 build 2600 Service Pack 3 (Windows XP); command
// line: ..."
void LogStart(WindowsServices& windows, Report& report, const char* commandLine) {
    if (!report.logging()) return;
    LogLine line;
    line.AppendFormatted("ZILT printer setup %s; ", kProgramVersion);
    OsVersionRecord version;
    if (QueryOsVersion(windows, version)) {
        const bool nt = version.dwPlatformId == kVerPlatformWin32Nt;
        // The 95 family keeps its build number in the low word.
        const uint32_t build = nt ? version.dwBuildNumber : version.dwBuildNumber & 0xFFFF;
        line.AppendFormatted("Windows %s%s.%s build %s", nt ? "NT " : "",
                             DecimalText(version.dwMajorVersion).c_str(),
                             DecimalText(version.dwMinorVersion).c_str(), DecimalText(build).c_str());
        const void* end = std::memchr(version.szCSDVersion, 0, sizeof version.szCSDVersion);
        const size_t length = end ? static_cast<size_t>(static_cast<const char*>(end) - version.szCSDVersion)
                                  : sizeof version.szCSDVersion;
        if (length > 0) {
            line.Append(' ');
            line.Append(version.szCSDVersion, length);
        }
        OsKind kind = OsUnknown;
        ClassifyOsVersion(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion, kind);
        line.AppendFormatted(" (%s)", OsKindName(kind));
    } else {
        line.Append("Windows did not say its version");
    }
    line.AppendFormatted("; command line: %s", commandLine);
    report.Line(line.c_str());
}

int TellProblem(Report& report, const SetupOptions& options) {
    report.Line(FormatText<1023>("the command line is wrong: %s", options.problem.c_str()).c_str());
    if (!report.quiet()) {
        MessageText text;
        text.AppendFormatted("%s\n\n", options.problem.c_str());
        text.Append(report.MessageOf(IDS_USAGE).c_str());
        report.TellText(text.c_str());
    }
    return kExitBadCommandLine;
}

int Run(WindowsServices& windows, Wizard& wizard, Report& report, const SetupOptions& options) {
    if (!options.problem.empty()) return TellProblem(report, options);
    switch (options.mode) {
    case SetupMode::Usage:
        report.TellText(report.MessageOf(IDS_USAGE).c_str(), kMbIconInformation);
        return kExitDone;
    case SetupMode::Wizard:
        return wizard.Run(options.choices, report);
    case SetupMode::Quiet:
        DetectOsKind(windows);
        return RunFinish(
            g_osKind,
            [&] {
                ChosenSelections selections(options.choices);
                return InstallPrinter(windows, report, selections);
            },
            [&] { report.Tell(IDS_UNSUPPORTED_WINDOWS); });
    case SetupMode::Uninstall:
        break;
    }
    DetectOsKind(windows);
    if (!IsNtFamily(g_osKind)) {
        report.Tell(IDS_UNSUPPORTED_WINDOWS);
        return kExitUnsupportedSystem;
    }
    switch (RemovePrinter(windows, report, ModelTable[options.choices.modelRow])) {
    case RemoveResult::Removed: return kExitDone;
    case RemoveResult::NotInstalled: return kExitNotInstalled;
    default: return kExitInstallFailed;
    }
}

}  // namespace

int RunSetup(WindowsServices& windows, Wizard& wizard) {
    CommandLineText commandLine;
    AppendUtf16(commandLine, windows.GetCommandLineW());
    SetupOptions options = ReadCommandLine(commandLine.c_str());
    if (!commandLine.complete()) {
        options.problem = ProblemText();
        options.problem.Append("the command line is too long");
    }

    RunLog log(windows);
    Report report(windows, &log, options.quiet);
    if (!options.logFile.empty() && !log.Open(options.logFile.c_str())) {
        if (!options.quiet) report.Tell(IDS_LOG_FAILED, options.logFile.c_str());
        return kExitLogFailed;
    }
    LogStart(windows, report, commandLine.c_str());
    const int status = Run(windows, wizard, report, options);
    report.Line(FormatText<63>("exit status %s", DecimalText(static_cast<uint32_t>(status)).c_str()).c_str());
    return status;
}
