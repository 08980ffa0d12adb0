// vornal_no_exports.dll: a sound library without the hook library's two
// exports, for the control program to refuse when it is put in the hook
// library's place.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
