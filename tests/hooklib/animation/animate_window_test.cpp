// The AnimateWindow path, run by the library's own code linked into this
// program and installed as a hook of this thread. Wine implements
// AnimateWindow only in part, so the library's entry-point slot holds a
// recorder instead; what the library does around the call is real.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "core/library_startup.h"
#include "core/library_state.h"

extern "C" LRESULT CALLBACK VornalHook(int nCode, WPARAM wParam, LPARAM lParam) noexcept;

namespace vornal::hooklib {
namespace {

struct AnimateCall {
  HWND window;
  DWORD time;
  DWORD flags;
};
std::vector<AnimateCall> g_calls;
int g_parentPaints = 0;

BOOL WINAPI RecordAnimateWindow(HWND window, DWORD time, DWORD flags) {
  g_calls.push_back({window, time, flags});
  return TRUE;
}

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT && GetParent(window) == nullptr) ++g_parentPaints;
  return DefWindowProcA(window, message, wParam, lParam);
}

class AnimateWindowPath : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(EnsureStarted());
    g_library.animateWindow = RecordAnimateWindow;
    g_library.settings = DefaultSettings();  // opening and closing on, sliding on
    g_library.settings.spinValues[1] = 345;  // opening time
    g_library.settings.spinValues[2] = 0;    // closing time (also of the box)
    WNDCLASSA wc{};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VornalAnimateWindowTest";
    RegisterClassA(&wc);
    // Captionless: Wine takes seconds to hide a top-level window with one.
    parent_ = CreateWindowA(wc.lpszClassName, "parent", WS_POPUP, 50, 60, 500, 400, nullptr,
                            nullptr, wc.hInstance, nullptr);
    ShowWindow(parent_, SW_SHOWNA);
    child_ = CreateWindowA(wc.lpszClassName, "child", WS_CHILD | WS_CAPTION, 30, 40, 200, 150,
                           parent_, nullptr, wc.hInstance, nullptr);
    hook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, VornalHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook_, nullptr);
  }
  void TearDown() override {
    UnhookWindowsHookEx(hook_);
    DestroyWindow(parent_);
    g_calls.clear();
  }

  HWND parent_ = nullptr;
  HWND child_ = nullptr;
  HHOOK hook_ = nullptr;
};

TEST_F(AnimateWindowPath, ReceivesTheStylesFlagsAndClosingHidesAndRepaintsTheParent) {
  const struct { std::uint8_t style; bool closing, slide; DWORD flags; } cases[] = {
      {4, false, true, 0x00040008},  // top centre slides in
      {4, false, false, 0x00000008}, // and rolls without the slide option
      {7, false, true, 0x00000010},  // the centre never slides
      {2, false, true, 0x00080000},  // nor does the blend
      {10, true, true, 0x00050004},  // closing adds AW_HIDE
      {7, true, true, 0x00010010},
      {2, true, true, 0x00090000},
      {1, true, true, 0},            // the animated box: no AnimateWindow, no repaint
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << int{c.style} << (c.closing ? " closing" : ""));
    Settings& s = g_library.settings;
    s.multiRadio[c.closing ? 1 : 0] = c.style;
    s.checkFlags[c.closing ? 7 : 6] = c.slide;
    s.checkFlags[c.closing ? 0 : 1] = false;  // only the step under test animates
    s.checkFlags[c.closing ? 1 : 0] = true;
    ShowWindow(child_, c.closing ? SW_SHOWNA : SW_HIDE);
    UpdateWindow(parent_);
    g_calls.clear();
    g_parentPaints = 0;

    ShowWindow(child_, c.closing ? SW_HIDE : SW_SHOWNA);
    if (c.flags == 0) {
      EXPECT_TRUE(g_calls.empty());
    } else {
      ASSERT_EQ(g_calls.size(), 1u);
      EXPECT_EQ(g_calls[0].window, child_);
      EXPECT_EQ(g_calls[0].time, c.closing ? 0u : 345u);
      EXPECT_EQ(g_calls[0].flags, c.flags);
    }
    EXPECT_EQ(IsWindowVisible(child_) != FALSE, !c.closing);
    RECT r{};
    GetWindowRect(child_, &r);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 150);
    if (c.closing) {
      EXPECT_EQ(g_parentPaints, c.flags != 0 ? 1 : 0) << "painted before ShowWindow returned";
    }
  }
}

}  // namespace
}  // namespace vornal::hooklib
