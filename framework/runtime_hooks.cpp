// The one hook of the C++ runtime that the program's classes reach: a call through a pure
// virtual function, which only a broken program makes. The runtime's own version ends
// through std::terminate and its verbose handler, which would bring the exception runtime
// and the name demangler into the program; this one ends the process at once.
#include <cstdlib>

extern "C" void __cxa_pure_virtual() { std::abort(); }
