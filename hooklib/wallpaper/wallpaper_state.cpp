#include "wallpaper/wallpaper_state.h"

namespace vornal::hooklib {
namespace {

constexpr std::uint32_t kReloading = 0x80000000u;
constexpr std::uint32_t kPainters = ~kReloading;

// Far longer than copying the tiles of any erase takes: a reload that has
// waited this long leaves the pictures as they are rather than hang.
constexpr DWORD kReloadWaitMs = 5000;

}  // namespace

WallpaperState g_wallpapers;

PaintScope::PaintScope() noexcept
    : held_((g_wallpapers.use.fetch_add(1, std::memory_order_acquire) & kReloading) == 0) {
  if (!held_) g_wallpapers.use.fetch_sub(1, std::memory_order_release);
}

PaintScope::~PaintScope() {
  if (held_) g_wallpapers.use.fetch_sub(1, std::memory_order_release);
}

ReloadScope::ReloadScope(bool wait) noexcept {
  std::atomic<std::uint32_t>& use = g_wallpapers.use;
  const DWORD start = GetTickCount();
  const auto timeLeft = [&] { return wait && GetTickCount() - start < kReloadWaitMs; };
  for (;;) {
    std::uint32_t now = use.load(std::memory_order_relaxed);
    if ((now & kReloading) == 0 &&
        use.compare_exchange_weak(now, now | kReloading, std::memory_order_acquire)) {
      break;
    }
    if (!timeLeft()) return;
    Sleep(1);
  }
  while ((use.load(std::memory_order_acquire) & kPainters) != 0) {
    if (!timeLeft()) {
      use.fetch_and(kPainters, std::memory_order_release);
      return;
    }
    Sleep(1);
  }
  held_ = true;
}

ReloadScope::~ReloadScope() {
  // An and rather than a store: painters that find the bit take their
  // count back afterwards.
  if (held_) g_wallpapers.use.fetch_and(kPainters, std::memory_order_release);
}

}  // namespace vornal::hooklib
