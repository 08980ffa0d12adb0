// The wallpaper commands of vornal_drag_target.exe. The helper makes one
// window of a kind at a time inside a visible backdrop, has it erased and
// reads its client area back from the window's own device context. It
// also watches the library's GDI imports: the objects alive, those made
// since the last look, and the allocations.
#pragma once

#include <windows.h>

namespace vornal::test {

enum : UINT {
  // wParam: a kind below; lParam: MAKELPARAM(width, height) of the window.
  // Makes it visible (the one before is destroyed); answers 1 when made.
  kMakeWallpaperWindow = WM_APP + 40,
  // wParam: PictureSpec of the picture expected; lParam: 0 to erase the
  // window now, or kScrollFirst | a scroll request to paint its client area
  // over in plain black, validate it and send it WM_VSCROLL with that
  // request. Answers MAKELONG(client pixels that show the picture tiled
  // from the top-left corner, client pixels).
  kCaptureWallpaper = WM_APP + 41,
  // Answers LibraryObjects(live, made, allocations) of the library's
  // imports since they were first watched (made and allocations since the
  // last call with wParam 1).
  kLibraryObjects = WM_APP + 42,
  // The helper loads VornalLib.dll itself, watches its imports and makes
  // the first hook call (start-up); kReloadHere delivers wParam
  // settings-updated messages to it; kFreeLibraryHere frees it. Each
  // answers like kLibraryObjects, kFreeLibraryHere plus kStillMapped when
  // the library is still in the process.
  kLoadLibraryHere = WM_APP + 43,
  kReloadHere = WM_APP + 44,
  kFreeLibraryHere = WM_APP + 45,
};

enum : WPARAM {
  kDialog,                // "#32770" with a caption, a child of the backdrop
  kPageBesideTab,         // "#32770" page beside a visible tab control
  kPageBesideHiddenTab,   // the same with the tab control hidden
  kSubclassedPage,        // a page alone, subclassed by its program
  kToolbar, kTransparentToolbar, kCustomEraseToolbar,
  kListBox, kBorderedListBox,
  kListView, kNoScrollListView, kProcessesListView,  // the last with the text "Processes"
  kTreeView,
  kMDIClient,             // an MDICLIENT without children
  kMDIChild,              // an MDI child of one; it is what is captured
};

inline constexpr LPARAM kScrollFirst = 0x10000;
inline constexpr LRESULT kStillMapped = 0x1000000;

// Picture kind (0 window, 1 MDI, 2 TV, as in PatternPixel) and size.
inline WPARAM PictureSpec(int kind, int width, int height) {
  return static_cast<WPARAM>(kind | width << 2 | height << 14);
}
inline LRESULT LibraryObjects(int live, int made, int allocations) {
  const auto byte = [](int n) { return static_cast<LRESULT>(n > 255 ? 255 : n); };
  return byte(live) | byte(made) << 8 | byte(allocations) << 16;
}

}  // namespace vornal::test
