// Switches the calling thread to per-monitor DPI awareness for as long as
// it lives, so that window rectangles read meanwhile are physical pixels
// even in a program that is not DPI aware, and puts the thread's own
// awareness back on every path. Where the system cannot switch (before
// Windows 10 1607) it does nothing, and the rectangles stay as the
// program sees them.
#pragma once

#include <windows.h>

namespace vornal::hooklib {

class DpiAwarenessScope {
 public:
  DpiAwarenessScope() noexcept;
  ~DpiAwarenessScope();
  DpiAwarenessScope(const DpiAwarenessScope&) = delete;
  DpiAwarenessScope& operator=(const DpiAwarenessScope&) = delete;

  // The thread runs per-monitor aware (version 2 or, before 1703, 1).
  bool Switched() const noexcept { return previous_ != nullptr; }

 private:
  HANDLE previous_ = nullptr;
};

}  // namespace vornal::hooklib
