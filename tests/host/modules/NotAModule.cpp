// A library that happens to sit in the program folder: no module exports.
#include <windows.h>

extern "C" __declspec(dllexport) int __cdecl SomethingElse(void) { return 7; }
