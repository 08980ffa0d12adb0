#include "animation/repeat_restriction.h"

#include <windows.h>
#include <mmsystem.h>

#include "animation/repeat_rule.h"
#include "core/library_state.h"

namespace vornal::hooklib {

bool AnimationAllowedNow() noexcept {
  const Settings& settings = g_library.settings;
  return RepeatAllows(settings.CheckFlag(6), settings.SpinValue(8),
                      g_library.lastAnimationTime.load(std::memory_order_relaxed), timeGetTime());
}

void NoteAnimationTime() noexcept {
  if (g_library.settings.CheckFlag(6)) {
    g_library.lastAnimationTime.store(timeGetTime(), std::memory_order_relaxed);
  }
}

}  // namespace vornal::hooklib
