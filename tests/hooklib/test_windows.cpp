#include "test_windows.h"

#include <gtest/gtest.h>

namespace vornal::test {
namespace {

constexpr char kClassName[] = "VornalHookTestWindow";

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_STYLECHANGING && static_cast<int>(wParam) == GWL_EXSTYLE) {
    const auto* change = reinterpret_cast<const STYLESTRUCT*>(lParam);
    if ((change->styleOld & WS_EX_LAYERED) != 0 && (change->styleNew & WS_EX_LAYERED) == 0) {
      // Stored plus one, so that zero means "not told".
      SetWindowLongPtrA(window, GWLP_USERDATA, AlphaOf(window) + 1);
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterTestClass() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = TestWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    return RegisterClassA(&wc) != 0;
  }();
  EXPECT_TRUE(registered);
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

}  // namespace

int AlphaOf(HWND window) {
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!GetLayeredWindowAttributes(window, &key, &alpha, &flags)) return -1;
  if ((flags & LWA_ALPHA) == 0) return -1;
  return alpha;
}

TestWindow TestWindow::TopLevel(int width, int height, DWORD exStyle) {
  RegisterTestClass();
  const HWND window =
      CreateWindowExA(exStyle, kClassName, "Vornal hook test", WS_OVERLAPPEDWINDOW, 20, 20, width,
                      height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(window, nullptr);
  return TestWindow(window);
}

TestWindow TestWindow::OfClassStyle(UINT classStyle, int width, int height) {
  char name[64];
  wsprintfA(name, "VornalHookTestWindow-%08X", classStyle);
  WNDCLASSA wc{};
  wc.style = classStyle;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = name;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  if (RegisterClassA(&wc) == 0) {
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS)) << name;
  }
  const HWND window = CreateWindowExA(0, name, "Vornal hook test", WS_OVERLAPPEDWINDOW, 20, 20,
                                      width, height, nullptr, nullptr, GetModuleHandleA(nullptr),
                                      nullptr);
  EXPECT_NE(window, nullptr);
  return TestWindow(window);
}

TestWindow TestWindow::Popup(const RECT& rect) {
  RegisterTestClass();
  const HWND window = CreateWindowExA(0, kClassName, "Vornal hook test", WS_POPUP, rect.left,
                                      rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  EXPECT_NE(window, nullptr);
  return TestWindow(window);
}

TestWindow TestWindow::Dialog(int width, int height) {
  // An in-memory template without controls: style, extended style, item
  // count, position and size in dialog units, then no menu, default class
  // and an empty title.
  struct alignas(4) {
    DLGTEMPLATE head;
    WORD menu, windowClass, title;
  } tmpl{};
  tmpl.head.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  tmpl.head.cx = 100;
  tmpl.head.cy = 50;
  const HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &tmpl.head, nullptr,
                                                 QuietDialogProc, 0);
  EXPECT_NE(dialog, nullptr);
  if (dialog != nullptr) {
    SetWindowPos(dialog, nullptr, 30, 30, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return TestWindow(dialog);
}

void TestWindow::Destroy() {
  if (window_ != nullptr) DestroyWindow(window_);
  window_ = nullptr;
}

int TestWindow::Width() const {
  RECT r{};
  GetWindowRect(window_, &r);
  return r.right - r.left;
}

int TestWindow::Height() const {
  RECT r{};
  GetWindowRect(window_, &r);
  return r.bottom - r.top;
}

bool TestWindow::IsLayered() const {
  return (GetWindowLongPtrA(window_, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

int TestWindow::Alpha() const { return AlphaOf(window_); }

int TestWindow::AlphaWhenLayeredStyleWent() const {
  return static_cast<int>(GetWindowLongPtrA(window_, GWLP_USERDATA)) - 1;
}

}  // namespace vornal::test
