// The real VornalLib.dll, loaded from the test's own folder and called the
// way Windows calls a WH_CALLWNDPROCRET hook procedure.
#pragma once

#include <windows.h>

namespace vornal::test {

using HookProc = LRESULT(CALLBACK*)(int, WPARAM, LPARAM);
using SetupProc = void(CALLBACK*)(HHOOK);

struct LoadedLibrary {
  HMODULE module = nullptr;
  HookProc hook = nullptr;
  SetupProc setup = nullptr;
};

// Loads the library (once per process) and fails the test when it or one
// of its exports is missing.
const LoadedLibrary& Library();

// The x87 control word of this thread right after the library's first hook
// call, which ran with 0x027F set beforehand (see library_under_test.cpp).
unsigned short ControlWordAfterFirstCall();

unsigned short ReadControlWord();
void WriteControlWord(unsigned short word);

// Calls VornalHook with a record of message for window, as the system
// would after the window procedure returned. Returns the hook's result.
LRESULT Deliver(UINT message, HWND window, int nCode = 0, WPARAM wParam = 0, LPARAM lParam = 0);

// The settings-updated message number and its delivery (a reload).
UINT SettingsUpdatedMessage();
void Reload();

}  // namespace vornal::test
