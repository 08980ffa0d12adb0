#include "options/shadow_options.h"

namespace vornal::hooklib {

ShadowOptions ShadowOptionsFrom(const Settings& settings) noexcept {
  return {settings.Get(Check::WindowShadows), settings.Get(Radio::ShadowDialogsOnly)};
}

}  // namespace vornal::hooklib
