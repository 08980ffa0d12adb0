// The process's busy flag, which keeps the show and hide handlers from
// re-entering: an animation sends messages of its own (AnimateWindow and
// SetWindowPos do), and those must pass without a second animation.
#pragma once

#include "core/library_state.h"

namespace vornal::hooklib {

// Takes the flag if it is free and gives it back when the scope ends, on
// every path out of the handler. Taking it is one atomic exchange, so two
// threads of the process never both hold it.
class BusyScope {
 public:
  BusyScope() noexcept : held_(!g_library.busy.exchange(true)) {}
  ~BusyScope() {
    if (held_) g_library.busy.store(false);
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

  bool Held() const noexcept { return held_; }

 private:
  bool held_;
};

}  // namespace vornal::hooklib
