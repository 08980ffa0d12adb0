// The wallpaper command of vornal_drag_target.exe.
#pragma once

#include <windows.h>

namespace vornal::test {

// wParam: a kind below, made 200x150 inside a visible backdrop (the one
// before is destroyed); lParam: PictureRequest. Erases the window (or paints
// it black, validates it and sends it WM_VSCROLL with the scroll request)
// and answers MAKELONG(client pixels showing the picture tiled from the
// top-left corner, client pixels), read from the window's own DC.
inline constexpr UINT kShowWallpaperWindow = WM_APP + 40;

enum : WPARAM {
  kDialog,  // "#32770" with a caption
  kPageBesideTab, kPageBesideHiddenTab, kSubclassedPage,  // "#32770" pages, the last alone
  kToolbar, kTransparentToolbar, kCustomEraseToolbar, kListBox, kBorderedListBox,
  kListView, kNoScrollListView, kProcessesListView /* text "Processes" */, kTreeView,
  kMDIClient, kMDIChild,  // an MDI client alone, and a child in one (the child is read back)
  // With LVS_EX_DOUBLEBUFFER, painted black before the erase, since its own
  // erase may leave the background to WM_PAINT. (Wine's tree view ignores
  // TVS_EX_DOUBLEBUFFER: that kind is left to the rule's own test.)
  kDoubleBufferedListView,
};

// Tries what a hooked program might to change the pictures the control
// program publishes for every process; answers the bits below.
inline constexpr UINT kTryWritingPictures = WM_APP + 41;
inline constexpr LRESULT kSetFound = 1;          // the current set opens for reading
inline constexpr LRESULT kSetWritable = 2;       // it opens for writing
inline constexpr LRESULT kViewWritable = 4;      // a read-only view of it can be made writable
inline constexpr LRESULT kDirectoryWritable = 8; // the directory opens for writing

// Started with this argument, the helper shows a top-level dialog-class
// window (200x150 client area at most) as its very first window, before it
// makes any other.
inline constexpr char kFirstDialogArgument[] = "--first-dialog";
// lParam: PictureRequest. Answers as kShowWallpaperWindow does for that
// first window, as it is painted now; 0 without one.
inline constexpr UINT kReadFirstWindow = WM_APP + 42;

// wParam 1 or 0: from now on the hook library in this process hears from
// SystemParametersInfoA that the system's high contrast is on or off (Wine
// does not keep SPI_SETHIGHCONTRAST); every other question goes to the
// system. Nothing is announced. Answers 1, or 0 while the library is not
// mapped here.
inline constexpr UINT kSetHighContrast = WM_APP + 43;
// Makes wParam more top-level windows on the helper's main thread, never
// shown, as a program with many windows has (a broadcast reaches every
// one); answers how many it has made in all.
inline constexpr UINT kMakeHiddenWindows = WM_APP + 44;

// Picture kind (0 window, 1 MDI, 2 TV, as in PatternPixel), size up to
// 1023 a side, scroll request (none: -1).
inline LPARAM PictureRequest(int kind, int width, int height, int scrollRequest = -1) {
  return static_cast<LPARAM>(kind | width << 2 | height << 12 | (scrollRequest + 1) << 22);
}

}  // namespace vornal::test
