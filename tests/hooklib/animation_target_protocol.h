// The animation commands of vornal_drag_target.exe, the hooked helper in
// which the global hook tests watch the library animate. The helper counts
// the library's boxes itself: it points the library's imports of GetDC,
// PatBlt and ReleaseDC at counters, so that every outline drawn on the
// screen is seen, and whether each one was erased again.
#pragma once

#include <windows.h>

namespace vornal::test {

enum : UINT {
  // wParam: a kind and a way of showing; lParam: MAKELPARAM(width, height).
  // Creates such a window hidden, shows it, destroys it and answers with
  // the number of boxes played meanwhile, plus kTraceLeft.
  kShowTest = WM_APP + 20,
  // Shows wParam titled windows 100 ms apart, 300 ms after the last show;
  // answers like kShowTest.
  kBurst = WM_APP + 21,
  // A pure show of a hidden titled window at kBoxLeft, kBoxTop, sent as
  // WM_WINDOWPOSCHANGING without showing it; answers like kShowTest.
  kPlayBox = WM_APP + 22,
  // Posted: shows a titled window and keeps the milliseconds it took,
  // which kLastShowTime answers.
  kTimedShow = WM_APP + 23,
  kLastShowTime = WM_APP + 24,
  // To the window of the helper's second thread: 1 while kTimedShow runs.
  kInShow = WM_APP + 25,
  // Shows a message box and closes it; answers 1 when it was shown.
  kMessageBox = WM_APP + 26,
  // Bit 0: class "#32770" has CS_DROPSHADOW; bit 1: the titled windows'
  // class has it.
  kShadowClasses = WM_APP + 27,
};

// Kinds: a captioned child of a backdrop (Wine takes seconds to hide a
// captioned top-level window), a captionless popup, and popups of the
// classes never animated.
inline constexpr WPARAM kTitled = 0, kPopup = 1, kTooltip = 2, kAutoSuggest = 3;
// Ways of showing: ShowWindow, or SetWindowPos that also moves or sizes.
inline constexpr WPARAM kByShowWindow = 0, kMovingShow = 0x10, kSizingShow = 0x20;

inline constexpr LRESULT kTraceLeft = 0x1000;  // a box was never erased
inline constexpr int kBoxLeft = 100, kBoxTop = 100, kBoxWidth = 300, kBoxHeight = 200;
inline constexpr char kSecondThreadClass[] = "VornalDragTargetSecondThread";

}  // namespace vornal::test
