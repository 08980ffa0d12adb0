#include "shadows_and_drag/shadow_rule.h"

#include <cstring>

#include "core/window_styles.h"

namespace vornal::hooklib {

bool ShadowDue(const ShadowOptions& options, bool opening, std::uint32_t style) noexcept {
  return options.dropShadows && opening && ws::HasFullCaption(style);
}

bool ClassTakesShadow(const ShadowOptions& options, std::uint32_t classStyle,
                      const char* className) noexcept {
  if ((classStyle & kDropShadowClassStyle) != 0) return false;
  if (!options.shadowDialogsOnly) return true;
  return className != nullptr && std::strcmp(className, "#32770") == 0;
}

}  // namespace vornal::hooklib
