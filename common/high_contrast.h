// Whether the system's high contrast is on, as the hook library and the
// control program both ask it. One question in one place: tests that need
// it on (Wine does not keep SPI_SETHIGHCONTRAST) answer it where the
// question is put to the system, by standing in for SystemParametersInfoA
// in the module that asks (see tests/hooklib/wallpaper_target.cpp), or,
// for the dialog hosted in a test, through its environment's highContrast.
#pragma once

namespace vornal {

// SPI_GETHIGHCONTRAST and HCF_HIGHCONTRASTON; false where the system
// cannot say (the call fails), as on a system without the feature.
bool HighContrastOn() noexcept;

}  // namespace vornal
