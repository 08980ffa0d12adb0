#include "wallpaper/redraw_rules.h"

#include <cstring>

namespace vornal::hooklib {
namespace {

std::uint32_t LowWord(std::uintptr_t v) noexcept { return static_cast<std::uint32_t>(v & 0xFFFF); }
std::uint32_t HighWord(std::uintptr_t v) noexcept {
  return static_cast<std::uint32_t>((v >> 16) & 0xFFFF);
}

}  // namespace

bool ScrollEnds(std::uintptr_t wParam) noexcept { return LowWord(wParam) == kEndScroll; }

bool ActivateRedraws(bool windowWallpaperLoaded, std::uintptr_t wParam,
                     std::intptr_t deactivated) noexcept {
  return windowWallpaperLoaded && LowWord(wParam) == kActive && HighWord(wParam) == 0 &&
         deactivated != 0;
}

bool SetCursorIsClick(std::intptr_t lParam) noexcept {
  return HighWord(static_cast<std::uintptr_t>(lParam)) != kMouseMove;
}

bool CaptureMayRedraw(bool tvWallpaperLoaded, bool listViews) noexcept {
  return tvWallpaperLoaded && listViews;
}

CaptureRedraw CaptureRedrawFor(const char* upperClass) noexcept {
  if (std::strcmp(upperClass, "LISTBOX") == 0) return CaptureRedraw::WindowIfTarget;
  if (std::strcmp(upperClass, "SYSHEADER32") == 0) return CaptureRedraw::ParentIfTarget;
  return CaptureRedraw::Nothing;
}

bool IsMDIClientClass(const char* upperClass) noexcept {
  return std::strcmp(upperClass, "MDICLIENT") == 0;
}

}  // namespace vornal::hooklib
