#include "animation/system_animations.h"

#include "core/library_state.h"

namespace vornal::hooklib {

void ReadSystemAnimations() noexcept {
  BOOL on = TRUE;
  // A system that does not know the setting keeps animating.
  if (!SystemParametersInfoA(SPI_GETCLIENTAREAANIMATION, 0, &on, 0)) on = TRUE;
  g_library.systemAnimations.store(on != FALSE, std::memory_order_relaxed);
}

void OnSettingChange(WPARAM action) noexcept {
  if (action == SPI_SETCLIENTAREAANIMATION) ReadSystemAnimations();
}

}  // namespace vornal::hooklib
