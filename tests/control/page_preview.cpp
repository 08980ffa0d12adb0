// Shows the settings dialog with one tab sheet in front, for looking at the
// layout of its pages:
//   vornal_page_preview.exe N    brings IDD_TabSheetN (1 to 23) to the front
// The form is the real one; the tabs are chosen as a click on them would,
// through the form's own page switch.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstdio>
#include <cstdio>
#include <memory>
#include <utility>

#include "form_main.h"
#include "form_pages.h"
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
  const int sheet = std::atoi(commandLine);
  vornal::FormEnvironment env = vornal::ProcessEnvironment(instance);
  // There is no hook library beside the preview; its error box would hide
  // the dialog.
  env.showError = [](HWND, const char*) {};
  vornal::FormMain form(env);
  if (!form.Create()) return 1;
  // The pointer stays off the dialog, so that no tooltip covers it.
  SetCursorPos(0, 0);
  form.ShowVornal1Click();
  if (sheet >= 1 && sheet <= 23) SelectSheet(form, IDD_TabSheet1 + sheet - 1);

  // TEMPDEBUG
  if (FILE* f = std::fopen("Z:\\tmp\\vornal-dump.txt", "w")) {
    RECT du{0, 0, 400, 800};
    MapDialogRect(form.Handle(), &du);
    std::fprintf(f, "400x800 DLU = %d x %d px\n", (int)du.right, (int)du.bottom);
    for (int id : {IDC_PageControl1, IDC_PageControl2, IDC_PageControl4, IDC_PageControl5}) {
      HWND t = form.Control(id);
      RECT r{}; GetClientRect(t, &r);
      SendMessageA(t, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
      std::fprintf(f, "tabs %d display %d,%d - %d,%d\n", id, (int)r.left, (int)r.top, (int)r.right, (int)r.bottom);
    }
    std::fclose(f);
  }
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (form.PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
