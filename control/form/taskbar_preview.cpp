// The taskbar's opacity follows the dialog's controls at once (a live
// preview); the drag opacity has the same pair of controls.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "form/form_main.h"
#include "resources/resource_ids.h"
#include "form/spin_edits.h"

namespace vornal {
namespace {

// The value a spin edit shows, by its own bounds; empty text is reported
// apart, because the user may just have cleared the field.
int SpinEditNumber(HWND edit, int n, bool& empty) {
  char text[16] = {};
  GetWindowTextA(edit, text, sizeof text);
  empty = text[0] == '\0';
  return static_cast<int>(SpinEditValue(text, SpinEditFor(n)));
}

int TrackPosition(HWND bar) { return static_cast<int>(SendMessageA(bar, TBM_GETPOS, 0, 0)); }

void ShowNumber(HWND edit, int value) {
  SetWindowTextA(edit, std::to_string(value).c_str());  // its EN_CHANGE follows
}

// Spin edit n's number onto its track bar. False, with the bar left alone,
// while the edit is empty: the user may just have cleared it.
bool SpinToTrack(HWND edit, int n, HWND bar, int& value) {
  bool empty = false;
  value = SpinEditNumber(edit, n, empty);
  if (empty) return false;
  if (TrackPosition(bar) != value) SendMessageA(bar, TBM_SETPOS, TRUE, value);
  return true;
}

// The track bar's position into spin edit n, unless it shows it already.
void TrackToSpin(HWND bar, HWND edit, int n) {
  const int position = TrackPosition(bar);
  bool empty = false;
  if (SpinEditNumber(edit, n, empty) != position || empty) ShowNumber(edit, position);
}

}  // namespace

void FormMain::SpinEdit14Change() {
  int value = 0;
  if (!SpinToTrack(Control(IDC_SpinEdit14), 14, Control(IDC_TrackBarTransparency), value)) return;
  shell_.SetTaskbarAlpha(Checked(IDC_CheckBox15), value);
}

void FormMain::CheckBox15Click() {
  UpdateEnableds();
  SpinEdit14Change();
}

void FormMain::TrackBarTransparencyChange() {
  TrackToSpin(Control(IDC_TrackBarTransparency), Control(IDC_SpinEdit14), 14);
}

void FormMain::SpinEdit13Change() {
  int value = 0;
  SpinToTrack(Control(IDC_SpinEdit13), 13, Control(IDC_TrackBarDragTrans), value);
}

void FormMain::TrackBarDragTransChange() {
  TrackToSpin(Control(IDC_TrackBarDragTrans), Control(IDC_SpinEdit13), 13);
}

}  // namespace vornal
