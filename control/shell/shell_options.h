// The options the shell adjustments follow, taken from the record at each
// apply, so that the adjuster never looks at the record or the dialog.
// Platform-free: colours are COLORREF values 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <string>

#include "settings_record.h"

namespace vornal {

struct ShellOptions {
  // The desktop icon captions: no shading behind them, in iconTextColour,
  // checked again every iconTextInterval milliseconds when recheck is on.
  bool iconTextClear = false;
  bool iconTextRecheck = false;
  unsigned iconTextInterval = 1000;
  std::uint32_t iconTextColour = 0;
  // The Start caption's mode as stored (a value without a button of its
  // own shows startText, as Custom does), refreshed every
  // startCaptionInterval milliseconds.
  StartCaptionMode startCaptionMode = StartCaptionMode::Unchanged;
  unsigned startCaptionInterval = 1000;
  std::string startText;
  // Where the system draws no caption on the Start button (Vista on), it is
  // never written, whatever the mode.
  bool startCaptionDrawn = true;
  // Override of COLOR_APPWORKSPACE and COLOR_BACKGROUND.
  bool systemColours = false;
  // The system's high contrast, at the apply: no system colour is written
  // while it is on (high_contrast_rule.h).
  bool highContrast = false;
  std::uint32_t mdiBackground = 0;
  std::uint32_t desktop = 0;
};

ShellOptions ShellOptionsFrom(const Settings& settings);

}  // namespace vornal
