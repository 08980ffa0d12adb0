#include "animation/repeat_restriction.h"

#include <windows.h>
#include <mmsystem.h>

#include "animation/repeat_rule.h"
#include "core/library_state.h"

namespace vornal::hooklib {

bool AnimationAllowedNow(const AnimationOptions& options) noexcept {
  return RepeatAllows(options.repeatLimited, options.repeatWindow,
                      g_library.lastAnimationTime.load(std::memory_order_relaxed), timeGetTime());
}

void NoteAnimationTime(const AnimationOptions& options) noexcept {
  if (options.repeatLimited) {
    g_library.lastAnimationTime.store(timeGetTime(), std::memory_order_relaxed);
  }
}

}  // namespace vornal::hooklib
