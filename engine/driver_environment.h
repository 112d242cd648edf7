#pragma once

// The spooler's environment of the driver this wizard installs: 32-bit Windows. A spooler
// makes printers only on drivers of its own environment, so the 64-bit build of the same
// code, which the tests run on 64-bit Wine where 32-bit Wine is only emulated, installs for
// 64-bit Windows.
#ifdef _WIN64
constexpr const char* kDriverEnvironment = "Windows x64";
#else
constexpr const char* kDriverEnvironment = "Windows NT x86";
#endif
