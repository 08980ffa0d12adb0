// The animation commands of vornal_drag_target.exe. The helper counts the
// library's boxes itself: it points the library's import of GetDC at a
// counter, and with the boxes set to end at once every box takes two
// screen device contexts, one to draw it and one to erase it.
#pragma once

#include <windows.h>

namespace vornal::test {

enum : UINT {
  // wParam: a kind plus a way of showing; lParam: MAKELPARAM(width, height).
  // Creates such a window hidden, shows it, destroys it; answers with the
  // screen device contexts the library took meanwhile.
  kShowTest = WM_APP + 20,
  // Shows wParam titled windows 100 ms apart, 300 ms after the last show;
  // answers like kShowTest.
  kBurst = WM_APP + 21,
  // Sends a pure show as WM_WINDOWPOSCHANGING to a hidden titled window
  // at kBoxLeft, kBoxTop, which is never shown; answers like kShowTest.
  kPlayBox = WM_APP + 22,
  // Shows a titled window; answers with the milliseconds that took.
  kTimedShow = WM_APP + 23,
  // To the window of the helper's second thread: 1 while kTimedShow runs.
  kInShow = WM_APP + 24,
  // With wParam 1 shows a message box, which closes itself; then answers
  // with bit 0 when class "#32770" has CS_DROPSHADOW and bit 1 when the
  // titled windows' class has.
  kMessageBox = WM_APP + 25,
  // Shows a titled kWideWidth x kWideHeight window at kWideLeft, kWideTop
  // and keeps it; answers with ShowWindow's microseconds.
  kOpenWide = WM_APP + 26,
  // Destroys that window; answers with DestroyWindow's microseconds.
  kCloseWide = WM_APP + 27,
  // Sets the system's "Show animations in Windows" to wParam in the helper
  // (Wine keeps a process's system parameters to itself) and tells the
  // helper's top-level window, as the system tells every one.
  kSystemAnimations = WM_APP + 28,
};

// Kinds: a captioned child of a backdrop (Wine takes seconds to hide a
// captioned top-level window), a captionless popup, popups of the classes
// never animated. Ways: ShowWindow, or SetWindowPos also moving or sizing.
inline constexpr WPARAM kTitled = 0, kPopup = 1, kTooltip = 2, kAutoSuggest = 3;
inline constexpr WPARAM kMovingShow = 0x10, kSizingShow = 0x20;

inline constexpr int kBoxLeft = 100, kBoxTop = 100, kBoxWidth = 300, kBoxHeight = 200;
inline constexpr int kWideLeft = 80, kWideTop = 60, kWideWidth = 480, kWideHeight = 360;
inline constexpr char kSecondThreadClass[] = "VornalDragTargetSecondThread";

}  // namespace vornal::test
