// The library's options as its handlers read them. They are worked out
// once per settings load from the stored record, the decision whether this
// process is excluded and the running system's version flags: a handler
// tests a named switch (animation.animateOpening, wallpaper.windowWallpaper,
// drag.dragOpacity) rather than an option number, and in an excluded
// process every effect is simply switched off. Pure, so that it is tested
// natively.
#pragma once

#include <cstdint>

#include "animation/animation_options.h"
#include "core/message_routes.h"
#include "core/version_flags.h"
#include "settings_record.h"
#include "shadows_and_drag/drag_rule.h"
#include "shadows_and_drag/shadow_rule.h"
#include "wallpaper/wallpaper_rules.h"

namespace vornal::hooklib {

struct LibraryOptions {
  bool processEnabled = true;  // the executable is not on the exclusion list
  AnimationOptions animation;
  ShadowOptions shadows;
  DragOptions drag;
  WallpaperOptions wallpaper;
};

LibraryOptions OptionsFor(const Settings& settings, bool processEnabled,
                          const VersionFlags& flags) noexcept;

// The bit of a route in a set of routes.
constexpr std::uint32_t RouteBit(Route route) noexcept {
  return std::uint32_t{1} << static_cast<unsigned>(route);
}

// The routes whose handlers can do anything under these options. The hook
// procedure tests its message's bit before it calls a handler, so that a
// message of a switched-off effect costs one test. The end of a move stays
// routed whatever the options say: a window made transparent before a
// reload switched dragging off (or excluded the program) must still become
// opaque again.
std::uint32_t ActiveRoutes(const LibraryOptions& options) noexcept;

}  // namespace vornal::hooklib
