// Times setup.exe for tools/bench, under Wine: for each of N runs, from the start of the
// process to page 1 on the screen, and from "Finish" (model "ZRT-210A" on LPT1, as page 2
// opens) to the end of the process. Before each run the printer and driver of the previous
// one are removed, so that every run installs anew. Prints one line per run and then the
// median, minimum and maximum of each, in milliseconds. Pages are looked for every 50 ms.
//
//   bench_driver.exe RUNS [SETUP_EXE]
#include <windows.h>
#include <winspool.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "../pages/resource.h"
#include "wizard_process.h"

namespace {

const char kPrinter[] = "ZRT-210A";

void RemovePrinterAndDriver() {
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSA access{nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (::OpenPrinterA(const_cast<char*>(kPrinter), &printer, &access)) {
        ::DeletePrinter(printer);
        ::ClosePrinter(printer);
    }
    ::DeletePrinterDriverA(nullptr, const_cast<char*>("Windows NT x86"), const_cast<char*>(kPrinter));
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

void Summarise(const char* what, std::vector<double> times) {
    if (times.empty()) return;
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    std::printf("%-9s median %7.1f ms   min %7.1f ms   max %7.1f ms   (%zu runs)\n", what, median,
                times.front(), times.back(), n);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
    const std::wstring exe = argc > 2 ? argv[2] : SetupExePath();
    wchar_t here[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, here);
    ReportedWindowsVersion version(L"winxp");

    std::vector<double> startUp, finish;
    for (int run = 1; run <= runs; ++run) {
        RemovePrinterAndDriver();
        LARGE_INTEGER started, shown, finishing, ended;
        ::QueryPerformanceCounter(&started);
        WizardProcess wizard(here, exe);
        HWND selectOs = wizard.WaitForPage(L"Select OS", nullptr, 60000);
        ::QueryPerformanceCounter(&shown);
        if (!selectOs) {
            std::fprintf(stderr, "bench_driver: run %d: page 1 did not show\n", run);
            return 1;
        }
        ClickButton(selectOs, IDC_NEXT);
        HWND detail = wizard.WaitForPage(L"Detail Setting", nullptr, 60000);
        if (!detail) {
            std::fprintf(stderr, "bench_driver: run %d: page 2 did not show\n", run);
            return 1;
        }
        ::QueryPerformanceCounter(&finishing);
        ClickButton(detail, IDC_FINISH);
        DWORD code = 0;
        if (!wizard.WaitForExit(120000, &code)) {
            std::fprintf(stderr, "bench_driver: run %d: setup.exe did not end\n", run);
            return 1;
        }
        ::QueryPerformanceCounter(&ended);
        startUp.push_back(Milliseconds(started, shown));
        finish.push_back(Milliseconds(finishing, ended));
        std::printf("run %2d    start-up %7.1f ms   finish %7.1f ms   exit %lu\n", run,
                    startUp.back(), finish.back(), code);
        std::fflush(stdout);
    }
    RemovePrinterAndDriver();
    Summarise("start-up", startUp);
    Summarise("finish", finish);
    return 0;
}
