#include "shell/timer_window.h"

#include "callback_guard.h"

namespace vornal {
namespace {

constexpr char kClassName[] = "VornalShellTimers";

}  // namespace

TimerWindow::~TimerWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool TimerWindow::MakeWindow() {
  if (window_ != nullptr) return true;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (!GetClassInfoExA(instance, kClassName, &wc)) {
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    if (RegisterClassExA(&wc) == 0) return false;
  }
  window_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                            nullptr);
  if (window_ == nullptr) return false;
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  return true;
}

bool TimerWindow::Start(UINT_PTR id, UINT ms) {
  return MakeWindow() && SetTimer(window_, id, ms, nullptr) != 0;
}

void TimerWindow::Stop(UINT_PTR id) {
  if (window_ != nullptr) KillTimer(window_, id);
}

LRESULT CALLBACK TimerWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) noexcept {
  if (message == WM_TIMER) {
    auto* self = reinterpret_cast<TimerWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    // A tick that fails is skipped; the next one tries again.
    Guarded([&] {
      if (self != nullptr && self->onTick) self->onTick(static_cast<UINT_PTR>(wParam));
    }, [] {});
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace vornal
