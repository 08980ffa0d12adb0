// What the control program changes in the shell itself: taskbar opacity,
// desktop icon text, the Start button caption and two system colours.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include "form_main.h"
#include "resources/resource_ids.h"
#include "start_caption.h"

namespace vornal {
namespace {

constexpr COLORREF kNoColour = CLR_NONE;  // transparent text background

int SpinEditNumber(HWND edit, bool& empty) {
  char text[16] = {};
  GetWindowTextA(edit, text, sizeof text);
  empty = text[0] == '\0';
  return atoi(text);
}

void SetSysColourIfDifferent(int element, COLORREF wanted) {
  if (GetSysColor(element) == wanted) return;
  const INT elements[1] = {element};
  const COLORREF colours[1] = {wanted};
  SetSysColors(1, elements, colours);
}

char UserDecimalSeparator() {
  char separator[4] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) > 0 &&
      separator[0] != '\0') {
    return separator[0];
  }
  return '.';
}

}  // namespace

void FormMain::LocateShellWindows() {
  shell_.desktopListView = FindWindowA("Progman", nullptr);
  if (shell_.desktopListView != nullptr) {
    shell_.desktopListView =
        FindWindowExA(shell_.desktopListView, nullptr, "SHELLDLL_DefView", nullptr);
  }
  if (shell_.desktopListView != nullptr) {
    shell_.desktopListView =
        FindWindowExA(shell_.desktopListView, nullptr, "SysListView32", nullptr);
  }
  shell_.taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  shell_.startButton =
      shell_.taskbar != nullptr ? FindWindowExA(shell_.taskbar, nullptr, "Button", nullptr) : nullptr;
}

void FormMain::ApplySystemColours() {
  const bool override = settings_.CheckFlag(18);
  SetSysColourIfDifferent(COLOR_APPWORKSPACE,
                          override ? settings_.ColourValue(2) : saved_.appWorkspaceColour);
  SetSysColourIfDifferent(COLOR_BACKGROUND,
                          override ? settings_.ColourValue(3) : saved_.desktopColour);
}

void FormMain::ApplyDesktopIconText() {
  if (settings_.CheckFlag(16) && IsWindowEnabled(Control(IDC_CheckBox16))) {
    TimerDeskTimer();
    if (settings_.CheckFlag(17)) SetTimer(form_, kTimerDesk, settings_.SpinValue(15), nullptr);
    return;
  }
  HWND view = shell_.desktopListView;
  if (view == nullptr) return;
  const COLORREF background = GetSysColor(COLOR_BACKGROUND);
  const auto textBk = static_cast<COLORREF>(SendMessageA(view, LVM_GETTEXTBKCOLOR, 0, 0));
  const auto text = static_cast<COLORREF>(SendMessageA(view, LVM_GETTEXTCOLOR, 0, 0));
  if (textBk != background || text != saved_.iconTextColour) {
    SendMessageA(view, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
    SendMessageA(view, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(saved_.iconTextColour));
  }
}

void FormMain::TimerDeskTimer() {
  HWND view = shell_.desktopListView;
  if (view == nullptr) return;
  const auto textBk = static_cast<COLORREF>(SendMessageA(view, LVM_GETTEXTBKCOLOR, 0, 0));
  const auto text = static_cast<COLORREF>(SendMessageA(view, LVM_GETTEXTCOLOR, 0, 0));
  // Repaint only when the shell has put its own colours back.
  if (textBk == kNoColour && text == settings_.ColourValue(1)) return;
  SendMessageA(view, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(kNoColour));
  SendMessageA(view, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(settings_.ColourValue(1)));
  InvalidateRect(view, nullptr, TRUE);
}

void FormMain::ApplyStartCaption() {
  if (settings_.MultiRadio(3) == 1) {
    SetStartCaption(saved_.startCaption);
    return;
  }
  TimerStartTimer();
  SetTimer(form_, kTimerStart, settings_.SpinValue(16), nullptr);
}

void FormMain::TimerStartTimer() {
  switch (settings_.MultiRadio(3)) {
    case 2: {
      char day[16] = {};
      if (GetDateFormatA(LOCALE_USER_DEFAULT, 0, nullptr, "ddd", day, sizeof day) == 0) return;
      startCaption_ = day;
      break;
    }
    case 3: {
      MEMORYSTATUS status{};
      status.dwLength = sizeof status;
      GlobalMemoryStatus(&status);
      bool useSaved = false;
      const std::string caption = FreeMemoryCaption(
          static_cast<std::uint32_t>(status.dwAvailPhys), UserDecimalSeparator(), useSaved);
      startCaption_ = useSaved ? saved_.startCaption : caption;
      break;
    }
    default:
      startCaption_ = settings_.Text(TextField::StartText).c_str();
      break;
  }
  SetStartCaption(startCaption_);
}

void FormMain::SetStartCaption(const std::string& text) {
  if (shell_.startButton == nullptr) return;
  char shown[10] = {};
  GetWindowTextA(shell_.startButton, shown, sizeof shown);
  if (text == shown) return;
  SetWindowTextA(shell_.startButton, text.c_str());
  RedrawWindow(shell_.startButton, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void FormMain::SetTaskbarAlpha(bool layered, int alpha) {
  HWND taskbar = shell_.taskbar;
  if (taskbar == nullptr || setLayeredWindowAttributes_ == nullptr) return;
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
  bool empty = false;
  const int value = SpinEditNumber(Control(IDC_SpinEdit14), empty);
  if (empty) return;  // cleared by the user: wait for a number
  HWND bar = Control(IDC_TrackBarTransparency);
  if (SendMessageA(bar, TBM_GETPOS, 0, 0) != value) SendMessageA(bar, TBM_SETPOS, TRUE, value);
  const bool enabled = SendMessageA(Control(IDC_CheckBox15), BM_GETCHECK, 0, 0) == BST_CHECKED;
  SetTaskbarAlpha(enabled, value);
}

void FormMain::CheckBox15Click() { SpinEdit14Change(); }

void FormMain::TrackBarTransparencyChange() {
  const auto position = static_cast<int>(SendMessageA(Control(IDC_TrackBarTransparency), TBM_GETPOS, 0, 0));
  bool empty = false;
  if (SpinEditNumber(Control(IDC_SpinEdit14), empty) != position || empty) {
    SetDlgItemInt(GetParent(Control(IDC_SpinEdit14)), IDC_SpinEdit14, static_cast<UINT>(position), FALSE);
  }
}

void FormMain::SpinEdit13Change() {
  bool empty = false;
  const int value = SpinEditNumber(Control(IDC_SpinEdit13), empty);
  if (empty) return;
  HWND bar = Control(IDC_TrackBarDragTrans);
  if (SendMessageA(bar, TBM_GETPOS, 0, 0) != value) SendMessageA(bar, TBM_SETPOS, TRUE, value);
}

void FormMain::TrackBarDragTransChange() {
  const auto position = static_cast<int>(SendMessageA(Control(IDC_TrackBarDragTrans), TBM_GETPOS, 0, 0));
  bool empty = false;
  if (SpinEditNumber(Control(IDC_SpinEdit13), empty) != position || empty) {
    SetDlgItemInt(GetParent(Control(IDC_SpinEdit13)), IDC_SpinEdit13, static_cast<UINT>(position), FALSE);
  }
}

void FormMain::PickShapeColour(int shapeId) {
  static COLORREF custom[16] = {};
  CHOOSECOLORA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = form_;
  dialog.rgbResult = ShapeColour(shapeId);
  dialog.lpCustColors = custom;
  dialog.Flags = CC_RGBINIT;
  if (ChooseColorA(&dialog)) SetShapeColour(shapeId, dialog.rgbResult);
}

void FormMain::ButtonDeskTextClick() { PickShapeColour(IDC_Shape1); }
void FormMain::ButtonMDIFormsClick() { PickShapeColour(IDC_Shape2); }
void FormMain::ButtonDesktopClick() { PickShapeColour(IDC_Shape3); }

}  // namespace vornal
