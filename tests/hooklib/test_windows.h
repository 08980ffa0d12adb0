// Windows of the test's own thread to drag. They are never shown: the
// library's handlers look at styles and rectangles only.
#pragma once

#include <windows.h>

namespace vornal::test {

class TestWindow {
 public:
  // A top-level window of the test's own class, exactly width x height.
  static TestWindow TopLevel(int width, int height, DWORD exStyle = 0);
  // A standard dialog box (class "#32770") of width x height.
  static TestWindow Dialog(int width, int height);
  // A top-level window of a class of its own registered with classStyle
  // (one class per style), width x height.
  static TestWindow OfClassStyle(UINT classStyle, int width, int height);
  // A popup without a frame exactly on rect, as a full-screen game makes
  // its window.
  static TestWindow Popup(const RECT& rect);

  TestWindow() = default;
  ~TestWindow() { Destroy(); }
  TestWindow(TestWindow&& other) noexcept : window_(other.window_) { other.window_ = nullptr; }
  TestWindow& operator=(TestWindow&&) = delete;
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND Handle() const { return window_; }
  void Destroy();

  int Width() const;
  int Height() const;
  bool IsLayered() const;
  // The constant alpha of a layered window (GetLayeredWindowAttributes), or
  // -1 when the window has none.
  int Alpha() const;
  // The alpha the window had when it was told that WS_EX_LAYERED is being
  // removed (WM_STYLECHANGING), or -1 when it has not been told. Top-level
  // windows of the test's class only.
  int AlphaWhenLayeredStyleWent() const;

 private:
  explicit TestWindow(HWND window) : window_(window) {}
  HWND window_ = nullptr;
};

int AlphaOf(HWND window);

}  // namespace vornal::test
