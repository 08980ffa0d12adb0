// The options of the drop shadows, taken from the library's part of the
// settings.
#pragma once

#include "settings_record.h"

namespace vornal::hooklib {

struct ShadowOptions {
  bool dropShadows = false;        // Check::WindowShadows
  bool shadowDialogsOnly = true;   // Radio::ShadowDialogsOnly
};

ShadowOptions ShadowOptionsFrom(const Settings& settings) noexcept;

}  // namespace vornal::hooklib
