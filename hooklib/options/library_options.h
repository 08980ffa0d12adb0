// The library's options as its handlers read them. They are worked out
// once per settings load from the stored record, the decision whether this
// process is excluded, the running system's version flags and whether the
// session is a remote one: a handler
// tests a named switch (animation.animateOpening, wallpaper.windowWallpaper,
// drag.dragOpacity) rather than an option number, and in an excluded
// process every effect is simply switched off. Pure, so that it is tested
// natively.
#pragma once

#include "options/animation_options.h"
#include "options/drag_options.h"
#include "options/shadow_options.h"
#include "options/version_flags.h"
#include "options/wallpaper_options.h"
#include "settings_record.h"

namespace vornal::hooklib {

struct LibraryOptions {
  bool processEnabled = true;  // the executable is not on the exclusion list
  AnimationOptions animation;
  ShadowOptions shadows;
  DragOptions drag;
  WallpaperOptions wallpaper;
};

// In a remote session (SM_REMOTESESSION) transparent dragging is off: a
// layered window may not be shown there at all, and every frame of the
// move would cross the connection again. While the system's high contrast
// is on, every wallpaper switch is off (high_contrast_rule.h).
LibraryOptions OptionsFor(const Settings& settings, bool processEnabled,
                          const VersionFlags& flags, bool remoteSession,
                          bool highContrast = false) noexcept;

}  // namespace vornal::hooklib
