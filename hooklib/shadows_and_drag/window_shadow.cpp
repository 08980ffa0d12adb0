#include "shadows_and_drag/window_shadow.h"

#include "core/window_facts.h"
#include "shadows_and_drag/shadow_rule.h"

namespace vornal::hooklib {

void AddShadowStyle(HWND window, const ShadowOptions& options, std::uint32_t style,
                    bool opening) noexcept {
  if (!ShadowDue(options, opening, style)) return;
  ULONG_PTR classStyle = 0;
  if (!ReadClassStyle(window, classStyle)) return;
  ClassName className{};
  if (options.shadowDialogsOnly && !ReadClassName(window, className)) return;
  if (!ClassTakesShadow(options, static_cast<std::uint32_t>(classStyle), className)) return;
  SetClassLongPtrA(window, GCL_STYLE, static_cast<LONG_PTR>(classStyle | kDropShadowClassStyle));
}

}  // namespace vornal::hooklib
