// Shows the settings dialog with one tab sheet in front, for looking at the
// layout of its pages:
//   vornal_page_preview.exe N [file]   brings IDD_TabSheetN (1 to 23) to the front
//                                      and writes "x y width height" of the
//                                      dialog's client area to file
// With VORNAL_PREVIEW_DPI=D in the environment the dialog is then told by a
// WM_DPICHANGED that its DPI is D, as when it moves to another monitor;
// with VORNAL_PREVIEW_ANIMATIONS_OFF=1 it is told that Windows' own
// animations are off.
// The form is the real one; the tabs are chosen as a click on them would,
// through the form's own page switch.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstdio>
#include <memory>
#include <utility>

#include "form/form_main.h"
#include "form/form_pages.h"
#include "resources/resource_ids.h"

namespace {

void SelectSheet(vornal::FormMain& form, int dialogId) {
  vornal::TabSheetPlace place;
  if (!vornal::FormPages::Locate(dialogId, place)) return;
  if (place.parentSheetId != 0) SelectSheet(form, place.parentSheetId);
  HWND tabs = form.Control(place.pageControlId);
  if (tabs == nullptr) return;
  SendMessageA(tabs, TCM_SETCURSEL, static_cast<WPARAM>(place.index), 0);
  NMHDR header{};
  header.hwndFrom = tabs;
  header.idFrom = static_cast<UINT_PTR>(place.pageControlId);
  header.code = TCN_SELCHANGE;
  SendMessageA(GetParent(tabs), WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  char rectFile[MAX_PATH] = {};
  int sheet = 0;
  std::sscanf(commandLine, "%d %259s", &sheet, rectFile);
  vornal::FormEnvironment env = vornal::ProcessEnvironment(instance);
  // There is no hook library beside the preview; its error box would hide
  // the dialog.
  env.showError = [](HWND, const char*) {};
  if (const char* off = std::getenv("VORNAL_PREVIEW_ANIMATIONS_OFF"); off != nullptr && off[0] == '1') {
    env.clientAreaAnimation = [] { return false; };
  }
  vornal::FormMain form(env);
  if (!form.Create()) return 1;
  // The pointer stays off the dialog, so that no tooltip covers it.
  SetCursorPos(0, 0);
  form.ShowVornal1Click();
  if (const char* dpiText = std::getenv("VORNAL_PREVIEW_DPI")) {
    const int dpi = std::atoi(dpiText);
    RECT now{};
    GetWindowRect(form.Handle(), &now);
    const int from = form.Pages().Dpi();
    // At the top left, where the grown dialog fits on the screen.
    RECT suggested{0, 0, MulDiv(now.right - now.left, dpi, from), MulDiv(now.bottom - now.top, dpi, from)};
    SendMessageA(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  }
  if (sheet >= 1 && sheet <= 23) SelectSheet(form, IDD_TabSheet1 + sheet - 1);

  // Where the dialog stands on the screen, for the screenshot script.
  if (rectFile[0] != '\0') {
    // The client area: without a window manager nobody draws the frame.
    RECT r{};
    GetClientRect(form.Handle(), &r);
    MapWindowPoints(form.Handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
    if (FILE* f = std::fopen(rectFile, "w")) {
      std::fprintf(f, "%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
      std::fclose(f);
    }
  }
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (form.PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
