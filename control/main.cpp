// Vornal.exe: the tray program. Starts hidden as the only copy, runs its
// message loop, and puts the shell back when it ends.
#include <windows.h>

#include "form_main.h"
#include "single_instance.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (!vornal::BecomeTheOnlyCopy()) {
    vornal::ShowRunningCopy();
    return 0;
  }
  vornal::FormMain form(vornal::ProcessEnvironment(instance));
  if (!form.Create()) return 0;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (form.PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  form.RestoreOnExit();
  return 0;
}
