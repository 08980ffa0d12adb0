// Owners of the GDI handles the programs make and give back. Objects
// (bitmaps, DIB sections and brushes) and memory DCs are instances of the
// one owner in unique_resource.h; the DCs that GetDC and BeginPaint hand
// out are given back to their window, so their owners hold the window too
// and live for one scope. A selection puts the DC's previous object back
// on every path, since neither a DC nor an object may be deleted while
// the object is selected.
#pragma once

#include <windows.h>

#include "unique_resource.h"

namespace vornal {

template <typename T>
struct GdiObjectTraits {
  using Value = T;
  static bool Owns(T object) noexcept { return object != nullptr; }
  static void Free(T object) noexcept { DeleteObject(object); }
};

// A bitmap: a DIB section (CreateDIBSection, LoadImage with
// LR_CREATEDIBSECTION) or a device bitmap (CreateCompatibleBitmap).
using UniqueBitmap = UniqueResource<GdiObjectTraits<HBITMAP>>;
using UniqueBrush = UniqueResource<GdiObjectTraits<HBRUSH>>;
using UniqueFont = UniqueResource<GdiObjectTraits<HFONT>>;

struct MemoryDcTraits {
  using Value = HDC;
  static bool Owns(HDC dc) noexcept { return dc != nullptr; }
  static void Free(HDC dc) noexcept { DeleteDC(dc); }
};

// A DC of CreateCompatibleDC.
using UniqueMemoryDC = UniqueResource<MemoryDcTraits>;

// The DC of a window's client area, or of the whole screen for a null
// window, from GetDC until the end of the scope.
class WindowDC {
 public:
  explicit WindowDC(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
  ~WindowDC() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;

  HDC Get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

class ScreenDC : public WindowDC {
 public:
  ScreenDC() noexcept : WindowDC(nullptr) {}
};

// A WM_PAINT's DC, from BeginPaint until the end of the scope. EndPaint
// follows every BeginPaint, as the system asks, even one that gave no DC.
class PaintDC {
 public:
  explicit PaintDC(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDC() { EndPaint(window_, &paint_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;

  HDC Get() const noexcept { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// An object selected into a DC for one scope (not a region, whose
// selection answers differently). False when the selection failed; then
// nothing is put back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (previous_ != nullptr) SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

  explicit operator bool() const noexcept { return previous_ != nullptr; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace vornal
