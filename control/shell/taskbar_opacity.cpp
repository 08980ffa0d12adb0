// The taskbar's opacity, which follows the dialog's controls at once (a
// live preview), and the pair of controls for the drag opacity.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "form_main.h"
#include "resources/resource_ids.h"
#include "spin_edits.h"

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

void FormMain::SetTaskbarAlpha(bool layered, int alpha) {
  const ShellMessenger::Operation operation(shellLink_);
  HWND taskbar = shell_.taskbar;
  if (taskbar == nullptr || setLayeredWindowAttributes_ == nullptr) return;
  // Changing another program's window style sends it the style-change
  // messages and waits for them: only a taskbar that answers is touched.
  if (!shellLink_.Answers(taskbar)) return;
  const LONG_PTR style = GetWindowLongPtrA(taskbar, GWL_EXSTYLE);
  if (layered) {
    SetWindowLongPtrA(taskbar, GWL_EXSTYLE, style | WS_EX_LAYERED);
    setLayeredWindowAttributes_(taskbar, 0, static_cast<BYTE>(alpha & 0xFF), LWA_ALPHA);
  } else {
    // Opaque first, so that dropping the layered style shows no flash.
    setLayeredWindowAttributes_(taskbar, 0, 255, LWA_ALPHA);
    SetWindowLongPtrA(taskbar, GWL_EXSTYLE, style & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
  }
}

void FormMain::SpinEdit14Change() {
  int value = 0;
  if (!SpinToTrack(Control(IDC_SpinEdit14), 14, Control(IDC_TrackBarTransparency), value)) return;
  SetTaskbarAlpha(Checked(IDC_CheckBox15), value);
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
