#include "overlay/box_overlay.h"

#include <array>
#include <utility>

#include "box_overlay_protocol.h"
#include "cross_process_names.h"
#include "gdi_owners.h"
#include "box_frame.h"
#include "overlay/box_schedule.h"
#include "unique_resource.h"

namespace vornal {

struct BoxOverlay::Shared {
  std::atomic<std::uint16_t> thickness{6};
  std::atomic<std::uint16_t> openMs{200};
  std::atomic<std::uint16_t> closeMs{200};
  std::atomic<bool> enabled{true};
  std::atomic<std::uint64_t> boxes{0};
  std::atomic<std::uint64_t> frames{0};
};

namespace {

// Far beyond what making eight windows or destroying them takes; a thread
// that needs longer is stuck and left behind.
constexpr DWORD kThreadLimitMs = 5000;

constexpr DWORD kWindowStyle = WS_POPUP;
// Topmost over every window; a tool window, so never on the taskbar or in
// Alt+Tab; never activated, not even by a click; and click-through, which
// Windows grants a window that is both layered and transparent.
constexpr DWORD kWindowExStyle =
    WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT | WS_EX_LAYERED;

// The frame's outer and inner lines: black reads on light windows, white
// on dark ones, the highlight colour between them says "Vornal's box".
constexpr COLORREF kDarkLine = RGB(0, 0, 0);
constexpr COLORREF kLightLine = RGB(255, 255, 255);

struct LibraryTraits {
  using Value = HMODULE;
  static bool Owns(HMODULE module) noexcept { return module != nullptr; }
  static void Free(HMODULE module) noexcept { FreeLibrary(module); }
};
using UniqueLibrary = UniqueResource<LibraryTraits>;

// The four bars of a frame (box_frame.h), each in a window of its own.
constexpr int kBarsPerBox = 4;

std::uint64_t NowUs() noexcept {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER f;
    return QueryPerformanceFrequency(&f) && f.QuadPart > 0 ? f.QuadPart : 1000;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<std::uint64_t>(now.QuadPart / frequency * 1000000 +
                                    now.QuadPart % frequency * 1000000 / frequency);
}

// The boxes are posted in physical pixels; the thread's windows are placed
// in them too, whatever awareness the program's manifest declares. The
// call came with Windows 10 1607; older systems place windows in physical
// pixels for a program that is not scaled anyway.
void UsePhysicalPixels() noexcept {
  using SetContext = void*(WINAPI*)(void*);
  HMODULE user32 = GetModuleHandleA("user32.dll");
  if (user32 == nullptr) return;
  const auto set = reinterpret_cast<SetContext>(
      reinterpret_cast<void*>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
  if (set == nullptr) return;
  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, or the first per-monitor
  // awareness where V2 is not known.
  if (set(reinterpret_cast<void*>(static_cast<INT_PTR>(-4))) == nullptr) {
    set(reinterpret_cast<void*>(static_cast<INT_PTR>(-3)));
  }
}

// Lets the two posts through UIPI's filter, so that programs of lower
// integrity than the control program reach the window. The call came with
// Windows 7; before it there is no such filter per window.
void AllowPosts(HWND window, UINT opening, UINT closing) noexcept {
  using Filter = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
  static const Filter filter = [] {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 == nullptr ? nullptr
                             : reinterpret_cast<Filter>(reinterpret_cast<void*>(
                                   GetProcAddress(user32, "ChangeWindowMessageFilterEx")));
  }();
  if (filter == nullptr) return;
  constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
  filter(window, opening, kAllow, nullptr);
  filter(window, closing, kAllow, nullptr);
}

// Waits for the display: DwmFlush where the desktop is composed (the
// frame then goes up with the next composition), else a timer of one
// refresh. Either way a wait ends early when a message comes in, or when
// the next frame's time has come.
class Pacer {
 public:
  Pacer() noexcept {
    dwm_ = UniqueLibrary(LoadLibraryA("dwmapi.dll"));
    if (dwm_) {
      flush_ = reinterpret_cast<Flush>(reinterpret_cast<void*>(GetProcAddress(dwm_.Get(), "DwmFlush")));
      composed_ = reinterpret_cast<Composition>(
          reinterpret_cast<void*>(GetProcAddress(dwm_.Get(), "DwmIsCompositionEnabled")));
    }
    // A high-resolution timer (Windows 10 1803) wakes on time; the plain
    // one wakes at the system's tick, which the schedule's slack absorbs.
    constexpr DWORD kHighResolution = 0x2;  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
    timer_ = UniqueHandle(CreateWaitableTimerExW(nullptr, nullptr, kHighResolution, TIMER_ALL_ACCESS));
    if (!timer_) timer_ = UniqueHandle(CreateWaitableTimerW(nullptr, FALSE, nullptr));
  }

  // The display's refresh, read again for every box that starts while
  // none is in flight (the user may have changed it).
  void ReadRefresh() noexcept {
    const ScreenDC screen;
    intervalUs_ = RefreshIntervalUs(screen ? GetDeviceCaps(screen.Get(), VREFRESH) : 0);
  }
  std::uint32_t IntervalUs() const noexcept { return intervalUs_; }

  // Until dueUs (the clock of NowUs) or a message.
  void WaitUntil(std::uint64_t dueUs) noexcept {
    const std::uint64_t slack = intervalUs_ / 8;
    if (Composed() && flush_() == S_OK && NowUs() + slack >= dueUs) return;
    const std::uint64_t now = NowUs();
    if (now + slack >= dueUs) return;
    const std::uint64_t waitUs = dueUs - now;
    if (timer_) {
      LARGE_INTEGER due;
      due.QuadPart = -static_cast<LONGLONG>(waitUs * 10);  // relative, in 100 ns
      if (SetWaitableTimer(timer_.Get(), &due, 0, nullptr, nullptr, FALSE)) {
        const HANDLE timer = timer_.Get();
        MsgWaitForMultipleObjectsEx(1, &timer, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        return;
      }
    }
    MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>((waitUs + 999) / 1000), QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
  }

 private:
  using Flush = HRESULT(WINAPI*)();
  using Composition = HRESULT(WINAPI*)(BOOL*);

  bool Composed() const noexcept {
    BOOL on = FALSE;
    return flush_ != nullptr && composed_ != nullptr && composed_(&on) == S_OK && on;
  }

  UniqueLibrary dwm_;
  Flush flush_ = nullptr;
  Composition composed_ = nullptr;
  UniqueHandle timer_;
  std::uint32_t intervalUs_ = RefreshIntervalUs(0);
};

// A 32-bit top-down DIB that one bar of a frame is drawn into before it
// goes to its window; kept between frames and grown as bars need.
class FrameCanvas {
 public:
  // Pixels for a bar of width by height, rows `Stride()` apart; null when
  // no bitmap of that size can be had.
  std::uint32_t* Reserve(std::int32_t width, std::int32_t height) noexcept {
    if (width <= width_ && height <= height_ && bits_ != nullptr) return bits_;
    const std::int32_t w = width > width_ ? width : width_;
    const std::int32_t h = height > height_ ? height : height_;
    if (!dc_) dc_ = UniqueMemoryDC(CreateCompatibleDC(nullptr));
    if (!dc_) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) return nullptr;
    bitmap_ = std::move(bitmap);
    bits_ = static_cast<std::uint32_t*>(bits);
    width_ = w;
    height_ = h;
    return bits_;
  }
  std::int32_t Stride() const noexcept { return width_; }
  HDC Dc() const noexcept { return dc_.Get(); }
  HBITMAP Bitmap() const noexcept { return bitmap_.Get(); }

 private:
  UniqueMemoryDC dc_;
  UniqueBitmap bitmap_;
  std::uint32_t* bits_ = nullptr;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
};

// A DIB pixel, premultiplied and opaque: blue in the low byte.
constexpr std::uint32_t OpaquePixel(COLORREF colour) noexcept {
  return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
         (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

class OverlayThread;

// The windows of one box in flight, one per bar of its frame, and the box
// it plays.
struct Slot {
  OverlayThread* owner = nullptr;
  std::array<HWND, kBarsPerBox> bars{};
  std::array<bool, kBarsPerBox> shown{};
  bool busy = false;
  bool closing = false;
  ScreenBox target;  // the window the box opens into or closes from
  std::uint16_t thickness = 0;
  COLORREF highlight = 0;
  std::uint64_t startUs = 0;
  std::uint64_t durationUs = 0;
  std::int64_t lastFrame = -1;
};

class OverlayThread {
 public:
  explicit OverlayThread(BoxOverlay::Shared& shared) noexcept
      : shared_(shared),
        opening_(RegisterWindowMessageA(kBoxOpeningMessage)),
        closing_(RegisterWindowMessageA(kBoxClosingMessage)) {}
  ~OverlayThread() {
    for (Slot& slot : slots_) {
      for (HWND bar : slot.bars) {
        if (bar != nullptr) DestroyWindow(bar);
      }
    }
    UnregisterClassA(kBoxOverlayClassName, GetModuleHandleA(nullptr));
  }
  OverlayThread(const OverlayThread&) = delete;
  OverlayThread& operator=(const OverlayThread&) = delete;

  bool MakeWindows() noexcept {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kBoxOverlayClassName;
    if (RegisterClassExA(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    for (Slot& slot : slots_) {
      slot.owner = this;
      for (HWND& bar : slot.bars) {
        // No title: Wine's taskbar lists a tool window that has one.
        bar = CreateWindowExA(kWindowExStyle, kBoxOverlayClassName, "", kWindowStyle, 0, 0, 0, 0, nullptr,
                              nullptr, instance, &slot);
        if (bar == nullptr) return false;
        AllowPosts(bar, opening_, closing_);
      }
    }
    return true;
  }

  // Until WM_QUIT: the posts start boxes, and each box in flight moves
  // once per refresh.
  void Run() noexcept {
    for (;;) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) return;
        DispatchMessageA(&msg);
      }
      const std::uint64_t due = Step();
      if (due == 0) {
        WaitMessage();  // nothing in flight
      } else {
        pacer_.WaitUntil(due);
      }
    }
  }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* slot = reinterpret_cast<Slot*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (slot != nullptr && slot->owner != nullptr) {
      OverlayThread& self = *slot->owner;
      if (message == self.opening_ || message == self.closing_) {
        // Any of the pool's windows takes the post: the hooked program
        // finds whichever comes first.
        self.Begin(UnpackBox(static_cast<std::uint32_t>(wParam), static_cast<std::uint32_t>(lParam)),
                   message == self.closing_);
        return 0;
      }
    }
    switch (message) {
      case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
      case WM_NCHITTEST: return HTTRANSPARENT;
      default: return DefWindowProcA(window, message, wParam, lParam);
    }
  }

  void Begin(const BoxRequest& request, bool closing) noexcept {
    if (!shared_.enabled.load()) return;
    const std::uint16_t ms = closing ? shared_.closeMs.load() : shared_.openMs.load();
    if (ms == 0 || request.width <= 0 || request.height <= 0) return;
    std::array<SlotState, kOverlayBoxCount> states;
    bool anyBusy = false;
    const std::uint64_t now = NowUs();
    for (int i = 0; i < kOverlayBoxCount; ++i) {
      const Slot& s = slots_[i];
      const std::uint64_t end = s.startUs + s.durationUs;
      states[i] = {s.busy, s.busy && end > now ? end - now : 0};
      anyBusy = anyBusy || s.busy;
    }
    if (!anyBusy) pacer_.ReadRefresh();
    const int index = SlotForNewBox(states.data(), kOverlayBoxCount);
    if (index < 0) return;
    Slot& slot = slots_[index];
    slot.busy = true;
    slot.closing = closing;
    // The protocol carries sides of at most 15 bits.
    slot.target = {request.left, request.top, static_cast<std::uint16_t>(request.width),
                   static_cast<std::uint16_t>(request.height)};
    slot.thickness = shared_.thickness.load();
    // Read for each box: the user may change the colour at any time.
    slot.highlight = GetSysColor(COLOR_HIGHLIGHT);
    slot.startUs = now;
    slot.durationUs = static_cast<std::uint64_t>(ms) * 1000;
    slot.lastFrame = -1;
    shared_.boxes.fetch_add(1);
  }

  // Moves every box in flight that has reached its next refresh; returns
  // when the next one is due, or 0 for none in flight.
  std::uint64_t Step() noexcept {
    std::uint64_t due = 0;
    for (Slot& slot : slots_) {
      if (!slot.busy) continue;
      const std::uint64_t now = NowUs();
      const FrameStep step = NextFrame(slot.durationUs, now - slot.startUs, pacer_.IntervalUs(), slot.lastFrame);
      if (step.finished) {
        slot.busy = false;
        for (int i = 0; i < kBarsPerBox; ++i) Hide(slot, i);
        continue;
      }
      if (step.draw) {
        Show(slot, BoxAt(slot.target, step.fraction, slot.closing));
        slot.lastFrame = step.frame;
        shared_.frames.fetch_add(1);
      }
      const std::uint64_t at = slot.startUs + step.nextDueUs;
      if (due == 0 || at < due) due = at;
    }
    return due;
  }

  // Each bar of the frame to its window; the windows of bars the frame
  // does not have (a box too small for a hole is one solid bar) hidden.
  void Show(Slot& slot, const ScreenBox& box) noexcept {
    const BoxFrame frame = box.width == 0 || box.height == 0 ? BoxFrame{} : BoxFrameBars(box, slot.thickness);
    for (int i = 0; i < kBarsPerBox; ++i) {
      if (i >= frame.count || !ShowBar(slot, i, box, frame.bars[i])) Hide(slot, i);
    }
  }

  // Draws the bar's part of the frame and hands the window its picture,
  // place and size in one UpdateLayeredWindow, so that no frame is ever
  // seen at its new size with its old picture, or none.
  bool ShowBar(Slot& slot, int index, const ScreenBox& box, const Bar& bar) noexcept {
    if (bar.width <= 0 || bar.height <= 0) return false;
    std::uint32_t* pixels = canvas_.Reserve(bar.width, bar.height);
    if (pixels == nullptr) return false;
    const FrameBands bands = FrameBandsOf(slot.thickness);
    const std::uint32_t shades[] = {0, OpaquePixel(kDarkLine), OpaquePixel(slot.highlight),
                                    OpaquePixel(kLightLine)};
    const std::int64_t offsetX = std::int64_t{bar.left} - box.left;
    const std::int64_t offsetY = std::int64_t{bar.top} - box.top;
    for (std::int32_t y = 0; y < bar.height; ++y) {
      std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * canvas_.Stride();
      for (std::int32_t x = 0; x < bar.width; ++x) {
        const FrameShade shade = ShadeAt(static_cast<std::int32_t>(offsetX + x),
                                         static_cast<std::int32_t>(offsetY + y), box.width, box.height, bands);
        row[x] = shades[static_cast<int>(shade)];
      }
    }
    GdiFlush();  // the DIB is read by the system next
    POINT place{bar.left, bar.top};
    SIZE size{bar.width, bar.height};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    const HWND window = slot.bars[index];
    {
      const SelectedObject selected(canvas_.Dc(), canvas_.Bitmap());
      if (!selected || !UpdateLayeredWindow(window, nullptr, &place, &size, canvas_.Dc(), &source, 0, &blend,
                                             ULW_ALPHA)) {
        return false;
      }
    }
    bool& shown = slot.shown[static_cast<std::size_t>(index)];
    if (!shown) {
      // Raised as the bar comes up, over every window that is topmost by
      // then; raising it on every frame as well would cost each frame a
      // change of the z-order.
      SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_SHOWWINDOW);
      shown = true;
    }
    return true;
  }

  static void Hide(Slot& slot, int index) noexcept {
    bool& shown = slot.shown[static_cast<std::size_t>(index)];
    if (!shown) return;
    ShowWindow(slot.bars[static_cast<std::size_t>(index)], SW_HIDE);
    shown = false;
  }

  BoxOverlay::Shared& shared_;
  const UINT opening_;
  const UINT closing_;
  Pacer pacer_;
  FrameCanvas canvas_;
  std::array<Slot, kOverlayBoxCount> slots_{};
};

struct ThreadStart {
  std::shared_ptr<BoxOverlay::Shared> shared;
  UniqueHandle ready{CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  bool made = false;
};

DWORD WINAPI OverlayMain(void* parameter) noexcept {
  // The thread takes over the starter's copy, so that a starter who gave
  // up waiting leaves nothing dangling.
  const std::unique_ptr<std::shared_ptr<ThreadStart>> carried(
      static_cast<std::shared_ptr<ThreadStart>*>(parameter));
  const std::shared_ptr<ThreadStart> start = *carried;
  const std::shared_ptr<BoxOverlay::Shared> shared = start->shared;
  UsePhysicalPixels();
  MSG msg;
  PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // the queue, for WM_QUIT
  OverlayThread overlay(*shared);
  start->made = overlay.MakeWindows();
  SetEvent(start->ready.Get());
  if (start->made) overlay.Run();
  return 0;
}

}  // namespace

BoxOverlay::BoxOverlay() : shared_(std::make_shared<Shared>()) {}

BoxOverlay::~BoxOverlay() { Stop(); }

bool BoxOverlay::Start() {
  if (thread_) return true;
  auto start = std::make_shared<ThreadStart>();
  if (!start->ready) return false;
  start->shared = shared_;
  auto* carried = new std::shared_ptr<ThreadStart>(start);
  UniqueHandle thread(CreateThread(nullptr, 0, OverlayMain, carried, 0, &threadId_));
  if (!thread) {
    delete carried;
    return false;
  }
  const HANDLE waits[] = {start->ready.Get(), thread.Get()};
  const DWORD woke = WaitForMultipleObjects(2, waits, FALSE, kThreadLimitMs);
  if (woke != WAIT_OBJECT_0 || !start->made) {
    if (woke == WAIT_OBJECT_0) WaitForSingleObject(thread.Get(), kThreadLimitMs);
    threadId_ = 0;
    return false;
  }
  thread_ = std::move(thread);
  return true;
}

void BoxOverlay::Stop() {
  if (!thread_) return;
  PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
  WaitForSingleObject(thread_.Get(), kThreadLimitMs);
  thread_.Reset();
  threadId_ = 0;
}

void BoxOverlay::SetOptions(std::uint16_t thickness, std::uint16_t openMs, std::uint16_t closeMs,
                            bool enabled) {
  shared_->thickness.store(thickness);
  shared_->openMs.store(openMs);
  shared_->closeMs.store(closeMs);
  shared_->enabled.store(enabled);
}

BoxOverlay::Counts BoxOverlay::Drawn() const { return {shared_->boxes.load(), shared_->frames.load()}; }

std::uint64_t BoxOverlay::ThreadCpuUs() const {
  FILETIME created, exited, kernel, user;
  if (!thread_ || !GetThreadTimes(thread_.Get(), &created, &exited, &kernel, &user)) return 0;
  const auto ticks = [](const FILETIME& t) {
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  return (ticks(kernel) + ticks(user)) / 10;
}

}  // namespace vornal
