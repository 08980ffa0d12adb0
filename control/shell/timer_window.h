// A message-only window of the adjuster's own that receives its timers, so
// that the shell adjustments keep time without a window of the dialog's.
// Message-only windows get no broadcasts and are not listed by
// EnumWindows: nothing sent to every window reaches or waits on it.
#pragma once

#include <windows.h>

#include <functional>

namespace vornal {

class TimerWindow {
 public:
  TimerWindow() = default;
  ~TimerWindow();
  TimerWindow(const TimerWindow&) = delete;
  TimerWindow& operator=(const TimerWindow&) = delete;

  // Timer id ticks every ms milliseconds on the calling thread's message
  // loop, replacing an earlier timer of that id; the window is made the
  // first time. False when no window could be made.
  bool Start(UINT_PTR id, UINT ms);
  void Stop(UINT_PTR id);

  // Runs for every tick, with the timer's id.
  std::function<void(UINT_PTR id)> onTick;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  bool MakeWindow();

  HWND window_ = nullptr;
};

}  // namespace vornal
