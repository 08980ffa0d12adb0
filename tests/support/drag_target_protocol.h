// How the global hook test drives vornal_drag_target.exe, a separate GUI
// process in which the installed hook has to act. The test sends these
// messages to the helper's control window and reads the answers from the
// results of SendMessage.
#pragma once

#include <windows.h>

namespace vornal::test {

inline constexpr char kDragTargetClass[] = "VornalDragTargetControl";

enum : UINT {
  // wParam width (low word) with the flags below, lParam height: creates a
  // top-level window of that size, sends it WM_MOVING and answers with its
  // DragState.
  kBeginDrag = WM_APP + 1,
  // Sends WM_EXITSIZEMOVE to that window, answers with its DragState and
  // destroys it.
  kEndDrag = WM_APP + 2,
  // Answers 1 when VornalLib.dll (wParam kSecondLibrary: VornalLib32.dll,
  // the host's) is mapped into the helper, else 0.
  kLibraryMapped = WM_APP + 3,
};

inline constexpr WPARAM kSecondLibrary = 1;

// Started with this argument, the helper makes one titled window its very
// first window, shows it at this place and size, pumps its messages for
// kFirstWindowMs, destroys it and ends: a program start as short as a hook
// set from a WinEvent has to catch.
inline constexpr char kFirstWindowArgument[] = "--first-window";
inline constexpr int kFirstWindowLeft = 137, kFirstWindowTop = 91;
inline constexpr int kFirstWindowWidth = 300, kFirstWindowHeight = 200;
inline constexpr DWORD kFirstWindowMs = 300;

// Flags of kBeginDrag's wParam.
inline constexpr WPARAM kAsDialog = 0x10000;    // a window of the dialog class "#32770"
inline constexpr WPARAM kOwnLayered = 0x20000;  // layered by the program itself, alpha 77
inline constexpr int kOwnAlpha = 77;

// Answer of kBeginDrag and kEndDrag.
inline constexpr LRESULT kNoWindow = -1;
inline constexpr LRESULT kLayeredBit = 0x10000;  // WS_EX_LAYERED is set
inline constexpr LRESULT kAlphaBit = 0x20000;    // a constant alpha is set, in the low byte

inline LRESULT EncodeDragState(bool layered, int alpha) {
  return (layered ? kLayeredBit : 0) | (alpha >= 0 ? kAlphaBit | alpha : 0);
}

}  // namespace vornal::test
