// The Start button's caption: the day of the week, the free memory or a
// text of the user's, refreshed by TimerStart, or the saved caption back.
#include <windows.h>

#include "shell/shell_adjuster.h"
#include "shell/start_caption.h"

namespace vornal {
namespace {

char UserDecimalSeparator() {
  char separator[4] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) > 0 &&
      separator[0] != '\0') {
    return separator[0];
  }
  return '.';
}

}  // namespace

std::uint64_t ShellAdjuster::FreePhysicalMemory() const {
  // The extended call reports memory beyond 4 GB; the old one saturates or
  // wraps there, and is kept for systems that lack the new one.
  if (globalMemoryStatusEx_ != nullptr) {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (globalMemoryStatusEx_(&status)) return status.ullAvailPhys;
  }
  MEMORYSTATUS status{};
  status.dwLength = sizeof status;
  GlobalMemoryStatus(&status);
  return status.dwAvailPhys;
}

void ShellAdjuster::ApplyStartCaption() {
  if (!options_.startCaptionDrawn) {
    // Nobody would see it; the window (where there is one) keeps its text.
    timers_.Stop(kTimerStart);
    return;
  }
  if (options_.startCaptionMode == StartCaptionMode::Unchanged) {
    SetStartCaption(saved_.startCaption);
    return;
  }
  TimerStartTimer();
  timers_.Start(kTimerStart, options_.startCaptionInterval);
}

void ShellAdjuster::TimerStartTimer() {
  switch (options_.startCaptionMode) {
    case StartCaptionMode::DayOfWeek: {
      char day[16] = {};
      if (GetDateFormatA(LOCALE_USER_DEFAULT, 0, nullptr, "ddd", day, sizeof day) == 0) return;
      startCaption_ = day;
      break;
    }
    case StartCaptionMode::FreeMemory: {
      bool useSaved = false;
      const std::string caption =
          FreeMemoryCaption(FreePhysicalMemory(), UserDecimalSeparator(), useSaved);
      startCaption_ = useSaved ? saved_.startCaption : caption;
      break;
    }
    default:
      startCaption_ = options_.startText;
      break;
  }
  SetStartCaption(startCaption_);
}

void ShellAdjuster::SetStartCaption(const std::string& text) {
  const ShellMessenger::Operation operation(link_);
  if (shell_.startButton == nullptr) return;
  char shown[10] = {};
  GetWindowTextA(shell_.startButton, shown, sizeof shown);  // sends nothing to another program
  if (text == shown) return;
  // SetWindowText on another program's window sends it WM_SETTEXT and
  // waits; the bounded send carries the same text.
  if (!link_.Send(shell_.startButton, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()))) {
    return;
  }
  RedrawWindow(shell_.startButton, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

}  // namespace vornal
