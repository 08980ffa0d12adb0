// Vornal.exe: the tray program. Starts hidden as the only copy, runs its
// message loop, and puts the shell back when it ends.
#include <windows.h>

#include "callback_guard.h"
#include "form/form_main.h"
#include "single_instance.h"

// Nothing above this catches. The procedures that Windows calls catch what
// their handlers throw, so what reaches this edge comes from start-up (or
// the restore at the end) running out of memory; the program then ends as
// a failed start, its hook, host and published pictures already taken
// down by their owners on the way out.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) noexcept {
  return vornal::Guarded([&] {
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
  }, 1);
}
