// The box overlay in the test's process, driven the way a hooked program
// drives it: a post to the window found by its class. What the tests look
// at is what the user would see: the overlay's windows, where they stand
// and what shape they have, while the box plays and after it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "box_overlay_protocol.h"
#include "cross_process_names.h"
#include "gdi_owners.h"
#include "overlay/box_overlay.h"
#include "overlay/box_schedule.h"

namespace vornal::test {
namespace {

struct Seen {
  RECT rect;
};

// The overlay's windows, each once (the overlay raises its windows on
// every frame, so a walk in z-order can meet one twice).
std::vector<HWND> OverlayWindows() {
  std::vector<HWND> windows;
  for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, kBoxOverlayClassName, nullptr)) != nullptr;) {
    if (std::find(windows.begin(), windows.end(), w) == windows.end()) windows.push_back(w);
  }
  return windows;
}

// The boxes on the screen: the overlay's visible windows, those of one
// box (which share its slot, their window data) taken together.
std::vector<Seen> VisibleBoxes() {
  std::vector<std::pair<LONG_PTR, Seen>> boxes;
  for (HWND w : OverlayWindows()) {
    RECT r;
    if (!IsWindowVisible(w) || !GetWindowRect(w, &r)) continue;
    const LONG_PTR slot = GetWindowLongPtrA(w, GWLP_USERDATA);
    const auto same = std::find_if(boxes.begin(), boxes.end(), [&](const auto& b) { return b.first == slot; });
    if (same == boxes.end()) {
      boxes.push_back({slot, {r}});
    } else {
      UnionRect(&same->second.rect, &same->second.rect, &r);
    }
  }
  std::vector<Seen> seen;
  for (const auto& b : boxes) seen.push_back(b.second);
  return seen;
}

bool Post(const BoxRequest& box, bool closing) {
  HWND overlay = FindWindowA(kBoxOverlayClassName, nullptr);
  const PackedBox packed = PackBox(box);
  return overlay != nullptr &&
         PostMessageA(overlay, RegisterWindowMessageA(closing ? kBoxClosingMessage : kBoxOpeningMessage),
                      packed.wParam, static_cast<LPARAM>(static_cast<std::int32_t>(packed.lParam))) != FALSE;
}

// Twice the centre, so that odd sides compare in whole numbers.
POINT DoubleCentre(const RECT& r) { return {r.left + r.right, r.top + r.bottom}; }
POINT DoubleCentre(const BoxRequest& b) { return {2 * b.left + b.width, 2 * b.top + b.height}; }

bool CentredOn(const RECT& r, const BoxRequest& b) {
  const POINT a = DoubleCentre(r);
  const POINT e = DoubleCentre(b);
  return std::abs(a.x - e.x) <= 3 && std::abs(a.y - e.y) <= 3;
}

bool Inside(const RECT& r, const BoxRequest& b) {
  return r.left >= b.left && r.top >= b.top && r.right <= b.left + b.width && r.bottom <= b.top + b.height;
}

void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(2);
  } while (GetTickCount() - start < ms);
}

class BoxOverlayTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(FindWindowA(kBoxOverlayClassName, nullptr), nullptr) << "an overlay left by another test";
    ASSERT_TRUE(overlay_.Start());
  }
  BoxOverlay overlay_;
};

TEST_F(BoxOverlayTest, SeveralBoxesAtOnceEachPlayCentredOnTheirWindowAndGoAfter) {
  // Slow boxes: a reading that holds bars of two frames stands off the
  // centre by a pixel or so only.
  overlay_.SetOptions(4, 2000, 2000, true);
  const struct { const char* name; BoxRequest box; bool closing; } cases[] = {
      {"opening", {20, 20, 300, 200, BoxWindowKind::Titled}, false},
      {"closing", {400, 40, 200, 300, BoxWindowKind::Titled}, true},
      {"a popup left of and above the primary monitor", {-300, -200, 400, 300, BoxWindowKind::Popup}, false}};
  const auto before = overlay_.Drawn();
  for (const auto& c : cases) ASSERT_TRUE(Post(c.box, c.closing)) << c.name;
  size_t most = 0;
  bool seen[3] = {};
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < 500) {
    const std::vector<Seen> shown = VisibleBoxes();
    most = std::max(most, shown.size());
    // A reading between the updates of one box's bars can hold bars of two
    // frames: every reading lies within its window, and each box is seen
    // centred in some.
    for (const Seen& s : shown) {
      bool inside = false;
      for (int i = 0; i < 3; ++i) {
        inside = inside || Inside(s.rect, cases[i].box);
        seen[i] = seen[i] || (CentredOn(s.rect, cases[i].box) && Inside(s.rect, cases[i].box));
      }
      EXPECT_TRUE(inside) << "a box at " << s.rect.left << "," << s.rect.top << " to " << s.rect.right << ","
                          << s.rect.bottom << " outside every window";
    }
    Sleep(3);
  }
  EXPECT_EQ(most, 3u) << "boxes shown at the same time";
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(seen[i]) << cases[i].name << ": never seen centred";
  Sleep(1800);
  EXPECT_TRUE(VisibleBoxes().empty()) << "still shown after the boxes' time";
  EXPECT_EQ(overlay_.Drawn().boxes - before.boxes, 3u);
}

// A window under the box, which counts the clicks it gets.
struct ClickTarget {
  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) noexcept {
    if (m == WM_LBUTTONDOWN) ++downs;
    return DefWindowProcA(w, m, wp, lp);
  }
  static inline int downs = 0;
};

TEST_F(BoxOverlayTest, NeverTakesTheFocusOrAClick) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = ClickTarget::Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "VornalOverlayClickTarget";
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  RegisterClassA(&wc);
  const BoxRequest box{200, 150, 400, 300, BoxWindowKind::Titled};
  HWND target = CreateWindowExA(0, wc.lpszClassName, "under the box", WS_POPUP | WS_VISIBLE, box.left, box.top,
                                box.width, box.height, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(target, nullptr);
  SetForegroundWindow(target);
  PumpFor(100);
  HWND foreground = GetForegroundWindow();

  // A slow closing box with a wide frame: it starts on the window's own
  // rectangle and its band moves about 25 pixels a second.
  const std::uint16_t thickness = 40;
  overlay_.SetOptions(thickness, 8000, 8000, true);
  ASSERT_TRUE(Post(box, true));
  std::vector<Seen> seen;
  for (int i = 0; i < 200 && seen.empty(); ++i) {
    PumpFor(5);
    seen = VisibleBoxes();
  }
  ASSERT_EQ(seen.size(), 1u);
  const POINT onBand{seen[0].rect.left + thickness / 2, (seen[0].rect.top + seen[0].rect.bottom) / 2};
  EXPECT_EQ(WindowFromPoint(onBand), target) << "the frame lets the point through to the window below";
  {
    // What the screen shows: the frame in the highlight colour, and the
    // window below (white) through the hole the region leaves. The screen may take a moment
    // to show a window's first paint, so the pixels are read until they
    // settle (the band moves far less than its width meanwhile).
    const ScreenDC screen;
    COLORREF band = CLR_INVALID;
    COLORREF middle = CLR_INVALID;
    for (int i = 0; i < 50; ++i) {
      band = GetPixel(screen.Get(), onBand.x, onBand.y);
      middle = GetPixel(screen.Get(), box.left + box.width / 2, box.top + box.height / 2);
      if (band == GetSysColor(COLOR_HIGHLIGHT) && middle == RGB(255, 255, 255)) break;
      PumpFor(5);
    }
    EXPECT_EQ(band, GetSysColor(COLOR_HIGHLIGHT)) << std::hex << "band 0x" << band;
    EXPECT_EQ(middle, RGB(255, 255, 255)) << std::hex << "middle 0x" << middle;
  }
  ClickTarget::downs = 0;
  SetCursorPos(onBand.x, onBand.y);
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  EXPECT_EQ(SendInput(2, clicks, sizeof(INPUT)), 2u);
  for (int i = 0; i < 100 && ClickTarget::downs == 0; ++i) PumpFor(5);
  EXPECT_EQ(ClickTarget::downs, 1) << "the click on the frame reached the window below";

  PumpFor(300);
  EXPECT_EQ(GetForegroundWindow(), foreground) << "the overlay never takes the focus";
  EXPECT_EQ(VisibleBoxes().size(), 1u) << "the box still plays";
  DestroyWindow(target);
  UnregisterClassA(wc.lpszClassName, wc.hInstance);
}

TEST_F(BoxOverlayTest, AtMostOneFramePerRefreshFigures) {
  const ScreenDC screen;
  const int hertz = GetDeviceCaps(screen.Get(), VREFRESH);
  const std::uint32_t interval = RefreshIntervalUs(hertz);
  overlay_.SetOptions(6, 200, 200, true);
  const int boxes = 5;
  std::uint64_t most = 0;
  std::uint64_t total = 0;
  const std::uint64_t cpuBefore = overlay_.ThreadCpuUs();
  for (int i = 0; i < boxes; ++i) {
    const auto before = overlay_.Drawn();
    ASSERT_TRUE(Post({100, 100, 480, 360, BoxWindowKind::Titled}, i % 2 != 0));
    Sleep(350);
    const std::uint64_t frames = overlay_.Drawn().frames - before.frames;
    total += frames;
    if (frames > most) most = frames;
  }
  const std::uint64_t cpu = overlay_.ThreadCpuUs() - cpuBefore;
  const std::uint64_t refreshes = (200000 + interval - 1) / interval;
  std::printf("[ figures  ] 200 ms box at %d Hz (VREFRESH, %u us): %.1f frames per box (most %llu, "
              "refreshes %llu); overlay thread CPU %.2f ms per box\n",
              hertz, interval, static_cast<double>(total) / boxes, static_cast<unsigned long long>(most),
              static_cast<unsigned long long>(refreshes), cpu / 1000.0 / boxes);
  EXPECT_LE(most, refreshes);
  EXPECT_GE(most, 1u);
}

}  // namespace
}  // namespace vornal::test
