// The AnimateWindow path, run by the library's own code linked into this
// program and installed as a hook of this thread. Wine implements
// AnimateWindow only in part, so the library's entry-point slot holds a
// recorder; what the library does around the call is real.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "core/library_state.h"
#include "dispatch/library_settings.h"
#include "dispatch/library_startup.h"

extern "C" LRESULT CALLBACK VornalHook(int nCode, WPARAM wParam, LPARAM lParam) noexcept;

namespace vornal::hooklib {
namespace {

std::vector<std::pair<DWORD, DWORD>> g_calls;  // time and flags
int g_parentPaints = 0;

BOOL WINAPI RecordAnimateWindow(HWND, DWORD time, DWORD flags) {
  g_calls.emplace_back(time, flags);
  return TRUE;
}

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT && GetParent(window) == nullptr) ++g_parentPaints;
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(AnimateWindowPath, GetsTheStylesFlagsAndClosingLeavesTheWindowHiddenAndRepaintsTheParent) {
  ASSERT_TRUE(EnsureStarted());
  g_library.animateWindow = RecordAnimateWindow;
  Settings s = DefaultSettings();
  s.Set(Spin::OpenDuration, 345);
  s.Set(Spin::CloseDuration, 0);  // of the box too
  WNDCLASSA wc{};
  wc.lpfnWndProc = CountingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VornalAnimateWindowTest";
  RegisterClassA(&wc);
  // Captionless: Wine takes seconds to hide a captioned top-level window.
  const HWND parent = CreateWindowA(wc.lpszClassName, "", WS_POPUP, 50, 60, 500, 400, nullptr,
                                    nullptr, wc.hInstance, nullptr);
  const HWND child = CreateWindowA(wc.lpszClassName, "", WS_CHILD | WS_CAPTION, 30, 40, 200, 150,
                                   parent, nullptr, wc.hInstance, nullptr);
  ShowWindow(parent, SW_SHOWNA);
  const HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROCRET, VornalHook, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);

  const struct { std::uint8_t style; bool closing, slide; DWORD flags; } cases[] = {
      {4, false, true, 0x00040008},   {4, false, false, 0x00000008},  // slides, or rolls
      {7, false, true, 0x00000010},   {2, false, true, 0x00080000},   // never slide
      {10, true, true, 0x00050004},   {7, true, true, 0x00010010},    // closing adds AW_HIDE
      {2, true, true, 0x00090000},    {1, true, true, 0}};  // the box: no call, no repaint
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << int{c.style} << (c.closing ? " closing" : ""));
    // Only the step under test is on.
    s.Set(c.closing ? Choice::CloseStyle : Choice::OpenStyle, c.style);
    s.Set(c.closing ? Check::SlideOut : Check::SlideIn, c.slide);
    s.Set(c.closing ? Check::WindowsOpening : Check::WindowsClosing, false);
    s.Set(c.closing ? Check::WindowsClosing : Check::WindowsOpening, true);
    ApplyLibrarySettings(s, true);
    ShowWindow(child, c.closing ? SW_SHOWNA : SW_HIDE);
    UpdateWindow(parent);
    g_calls.clear();
    g_parentPaints = 0;

    ShowWindow(child, c.closing ? SW_HIDE : SW_SHOWNA);
    const std::vector<std::pair<DWORD, DWORD>> expected{{c.closing ? 0 : 345, c.flags}};
    EXPECT_EQ(g_calls, c.flags != 0 ? expected : decltype(g_calls){});
    EXPECT_EQ(IsWindowVisible(child) != FALSE, !c.closing);
    RECT r{};
    GetWindowRect(child, &r);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 150);
    if (c.closing) {
      EXPECT_EQ(g_parentPaints, c.flags != 0 ? 1 : 0) << "before ShowWindow returned";
    }
  }
  UnhookWindowsHookEx(hook);
  DestroyWindow(parent);
}

}  // namespace
}  // namespace vornal::hooklib
