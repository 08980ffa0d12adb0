// The box handed to the control program's overlay, run by the library's
// own code linked into this program and installed as a hook of this
// thread. A window of the overlay's class, owned by this test, stands in
// for the control program's and records the posts; the library's screen
// drawing is counted through this program's import of GetDC, which the
// linked-in code shares.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <ostream>
#include <vector>

#include "box_overlay_protocol.h"
#include "core/library_state.h"
#include "cross_process_names.h"
#include "dispatch/library_settings.h"
#include "dispatch/library_startup.h"
#include "import_slot.h"

extern "C" LRESULT CALLBACK VornalHook(int nCode, WPARAM wParam, LPARAM lParam) noexcept;

namespace vornal {

std::ostream& operator<<(std::ostream& out, const BoxRequest& b);  // box_route_test.cpp

namespace hooklib {
namespace {

struct Post {
  bool closing;
  BoxRequest box;
  bool operator==(const Post&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Post& p) {
  return out << (p.closing ? "closing " : "opening ") << p.box;
}

std::vector<Post> g_posts;
int g_screenDCs = 0;
decltype(&GetDC) g_getDC = nullptr;
int g_animateWindowCalls = 0;

HDC WINAPI CountingGetDC(HWND window) {
  if (window == nullptr) ++g_screenDCs;
  return g_getDC(window);
}

BOOL WINAPI CountAnimateWindow(HWND, DWORD, DWORD) {
  ++g_animateWindowCalls;
  return TRUE;
}

LRESULT CALLBACK OverlayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static const UINT opening = RegisterWindowMessageA(kBoxOpeningMessage);
  static const UINT closing = RegisterWindowMessageA(kBoxClosingMessage);
  if (message == opening || message == closing) {
    g_posts.push_back({message == closing, UnpackBox(static_cast<std::uint32_t>(wParam),
                                                     static_cast<std::uint32_t>(lParam))});
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

class BoxOverlay : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(EnsureStarted());
    const HINSTANCE self = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = OverlayProc;
    wc.hInstance = self;
    wc.lpszClassName = kBoxOverlayClassName;
    RegisterClassA(&wc);
    wc.lpfnWndProc = DefWindowProcA;
    wc.lpszClassName = "VornalBoxOverlayTestWindow";
    RegisterClassA(&wc);
    overlay_ = CreateWindowA(kBoxOverlayClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                             self, nullptr);  // never shown: found by its class alone
    ASSERT_NE(overlay_, nullptr);
    // A backdrop left of and above the screen's origin, so that its
    // children have negative screen coordinates. Captioned children:
    // Wine takes seconds to hide a captioned top-level window.
    backdrop_ = CreateWindowA(wc.lpszClassName, "", WS_POPUP, -400, -100, 900, 700, nullptr,
                              nullptr, self, nullptr);
    titled_ = CreateWindowA(wc.lpszClassName, "", WS_CHILD | WS_CAPTION, 30, 40, 200, 150,
                            backdrop_, nullptr, self, nullptr);
    popup_ = CreateWindowA(wc.lpszClassName, "", WS_POPUP | WS_BORDER, -250, 20, 180, 120,
                           nullptr, nullptr, self, nullptr);
    ShowWindow(backdrop_, SW_SHOWNA);
    savedAnimateWindow_ = g_library.animateWindow;
    g_library.animateWindow = CountAnimateWindow;
    g_getDC = reinterpret_cast<decltype(g_getDC)>(test::ReplaceImport(
        self, "user32.dll", "GetDC", reinterpret_cast<void*>(CountingGetDC)));
    ASSERT_NE(g_getDC, nullptr);
    hook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, VornalHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook_, nullptr);
    settings_.Set(Spin::OpenDuration, 200);
    settings_.Set(Spin::CloseDuration, 200);
    settings_.Set(Check::WindowsClosing, true);
    settings_.Set(Check::Popups, true);
    ApplyLibrarySettings(settings_, true);
  }

  void TearDown() override {
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
    if (g_getDC != nullptr) {
      test::ReplaceImport(GetModuleHandleA(nullptr), "user32.dll", "GetDC",
                          reinterpret_cast<void*>(g_getDC));
    }
    g_library.animateWindow = savedAnimateWindow_;
    DestroyWindow(popup_);
    DestroyWindow(backdrop_);
    if (overlay_ != nullptr) DestroyWindow(overlay_);
    ApplyLibrarySettings(DefaultSettings(), true);
  }

  // Runs what with the counters cleared, then hands the overlay what was
  // posted to it meanwhile.
  template <typename What>
  void Run(What&& what) {
    g_posts.clear();
    g_screenDCs = 0;
    g_animateWindowCalls = 0;
    what();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }

  // ShowWindow's milliseconds.
  DWORD TimedShow(HWND window, int how) {
    const DWORD start = timeGetTime();
    ShowWindow(window, how);
    return timeGetTime() - start;
  }

  static BoxRequest FrameOf(HWND window, BoxWindowKind kind) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top, kind};
  }

  Settings settings_ = DefaultSettings();  // the box both ways
  HWND overlay_ = nullptr;
  HWND backdrop_ = nullptr;
  HWND titled_ = nullptr;
  HWND popup_ = nullptr;
  HHOOK hook_ = nullptr;
  AnimateWindowProc savedAnimateWindow_ = nullptr;
};

TEST_F(BoxOverlay, ShowAndHideEachPostOneFrameWithItsSignedCoordinatesAndKindAndDrawNothing) {
  const struct { const char* name; HWND window; BoxWindowKind kind; } cases[] = {
      {"titled child at negative x and y", titled_, BoxWindowKind::Titled},
      {"captionless popup at negative x", popup_, BoxWindowKind::Popup}};
  for (const auto& c : cases) {
    const HWND window = c.window;
    const BoxRequest frame = FrameOf(window, c.kind);
    ASSERT_LT(frame.left, 0) << c.name << ": the window is meant to lie left of the origin";
    DWORD showMs = 0, hideMs = 0;
    Run([&] { showMs = TimedShow(window, SW_SHOWNA); });
    EXPECT_EQ(g_posts, (std::vector<Post>{{false, frame}})) << c.name << ", shown";
    EXPECT_EQ(g_screenDCs, 0) << c.name << ", shown: nothing drawn in-process";
    Run([&] { hideMs = TimedShow(window, SW_HIDE); });
    EXPECT_EQ(g_posts, (std::vector<Post>{{true, frame}})) << c.name << ", hidden";
    EXPECT_EQ(g_screenDCs, 0) << c.name << ", hidden: nothing drawn in-process";
    std::printf("[ figure   ] %s, 200 ms boxes by the overlay: ShowWindow %lu ms, hide %lu ms\n",
                c.name, static_cast<unsigned long>(showMs), static_cast<unsigned long>(hideMs));
  }
}

TEST_F(BoxOverlay, WithoutAnOverlayWindowTheBoxPlaysInProcessAsBefore) {
  DestroyWindow(overlay_);
  overlay_ = nullptr;
  settings_.Set(Spin::OpenDuration, 0);  // one box, drawn and erased at once
  settings_.Set(Spin::CloseDuration, 0);
  ApplyLibrarySettings(settings_, true);
  const struct { const char* name; HWND window; } cases[] = {
      {"titled", titled_}, {"popup", popup_}};
  for (const auto& c : cases) {
    Run([&] { ShowWindow(c.window, SW_SHOWNA); });
    EXPECT_EQ(g_posts.size(), 0u) << c.name;
    EXPECT_EQ(g_screenDCs, 2) << c.name << ", shown: one box drawn and erased";
    Run([&] { ShowWindow(c.window, SW_HIDE); });
    EXPECT_EQ(g_screenDCs, 2) << c.name << ", hidden: one box drawn and erased";
  }
}

// Restores the system's animation switch as the test found it.
class SystemAnimationsOff {
 public:
  SystemAnimationsOff() {
    SystemParametersInfoA(SPI_GETCLIENTAREAANIMATION, 0, &saved_, 0);
    set_ = SystemParametersInfoA(SPI_SETCLIENTAREAANIMATION, 0, reinterpret_cast<void*>(FALSE), 0);
    BOOL now = TRUE;
    set_ = set_ && SystemParametersInfoA(SPI_GETCLIENTAREAANIMATION, 0, &now, 0) && !now;
  }
  ~SystemAnimationsOff() {
    SystemParametersInfoA(SPI_SETCLIENTAREAANIMATION, 0,
                          reinterpret_cast<void*>(static_cast<INT_PTR>(saved_)), 0);
  }
  bool Set() const { return set_; }

 private:
  BOOL saved_ = TRUE;
  bool set_ = false;
};

TEST_F(BoxOverlay, TheSystemsAnimationSwitchOffPostsDrawsAndAnimatesNothing) {
  const SystemAnimationsOff off;
  if (!off.Set()) GTEST_SKIP() << "this system keeps SPI_SETCLIENTAREAANIMATION to itself";
  settings_.Set(Spin::OpenDuration, 0);
  settings_.Set(Spin::CloseDuration, 0);
  // The first case learns of the switch only from the system's
  // WM_SETTINGCHANGE to a top-level window; the others from a load.
  const struct { const char* name; bool withOverlay; std::uint8_t style; bool load; } cases[] = {
      {"box, overlay present, WM_SETTINGCHANGE", true, 1, false},
      {"box, overlay present", true, 1, true}, {"box, no overlay", false, 1, true},
      {"AnimateWindow style", false, 7, true}};
  for (const auto& c : cases) {
    if (!c.withOverlay && overlay_ != nullptr) {
      DestroyWindow(overlay_);
      overlay_ = nullptr;
    }
    settings_.Set(Choice::OpenStyle, c.style);
    settings_.Set(Choice::CloseStyle, c.style);
    if (c.load) {
      ApplyLibrarySettings(settings_, true);
    } else {
      SendMessageA(backdrop_, WM_SETTINGCHANGE, SPI_SETCLIENTAREAANIMATION, 0);
    }
    for (const bool show : {true, false}) {
      for (const HWND window : {titled_, popup_}) {
        Run([&] { ShowWindow(window, show ? SW_SHOWNA : SW_HIDE); });
        EXPECT_EQ(g_posts.size(), 0u) << c.name << (show ? ", shown" : ", hidden");
        EXPECT_EQ(g_screenDCs, 0) << c.name << (show ? ", shown" : ", hidden");
        EXPECT_EQ(g_animateWindowCalls, 0) << c.name << (show ? ", shown" : ", hidden");
      }
    }
  }
}

}  // namespace
}  // namespace hooklib
}  // namespace vornal
