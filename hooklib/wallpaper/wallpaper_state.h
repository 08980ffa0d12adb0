// The wallpaper state of this process: the three pictures, and the guard
// that keeps a settings reload on one thread from taking a picture away
// from a handler that paints with it on another.
//
// How the guard works. One word holds the number of painters that are
// copying tiles (bits 0-30) and a reload bit (bit 31). A painter adds one
// and looks at the bit in the same atomic step; with the bit set it takes
// its one back and leaves the background as the window procedure erased
// it, without waiting. A reload sets the bit (one reload at a time), waits
// until the painters inside have left, swaps and releases the pictures,
// and clears the bit. Painters never wait and hold the guard only while
// they copy tiles, which sends no message, so a reload waits briefly and
// no thread can wait for another in a circle. The loaded flags stay plain
// atomic flags that the handlers test first, without the guard: every
// message that paints nothing (no wallpaper loaded, not a target) costs no
// more than that test.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "picture_render.h"

namespace vornal::hooklib {

enum class Wallpaper : std::uint8_t { Window = 0, MDI = 1, TV = 2 };
inline constexpr int kWallpaperCount = 3;

// A picture ready for tiling: a top-down DIB of the tile size, read by
// StretchDIBits straight from bits. Its pixels lie either in a set the
// control program has published (view is the base of this process's
// read-only view of it) or in a DIB of the library's own (own), made when
// no published set had the picture.
struct Picture {
  const void* bits = nullptr;
  PictureBitmapInfo info{};
  std::uint16_t width = 0;
  std::uint16_t height = 0;
  const void* view = nullptr;
  HBITMAP own = nullptr;

  bool Empty() const noexcept { return bits == nullptr || width == 0 || height == 0; }
};

struct WallpaperSlot {
  std::atomic<bool> loaded{false};
  Picture picture;  // read and written only under the guard
};

struct WallpaperState {
  WallpaperSlot slots[kWallpaperCount];
  std::atomic<std::uint32_t> use{0};

  WallpaperSlot& operator[](Wallpaper w) noexcept { return slots[static_cast<int>(w)]; }
};

extern WallpaperState g_wallpapers;

inline bool Loaded(Wallpaper w) noexcept {
  return g_wallpapers[w].loaded.load(std::memory_order_relaxed);
}

// A painter's hold on the pictures. Not held while a reload has them.
class PaintScope {
 public:
  PaintScope() noexcept;
  ~PaintScope();
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  bool Held() const noexcept { return held_; }

 private:
  bool held_;
};

// A reload's hold on the pictures: waits for another reload and for the
// painters inside, each for a bounded time. Not held when that time ran
// out, or at once (wait false) when the pictures are in use.
class ReloadScope {
 public:
  explicit ReloadScope(bool wait = true) noexcept;
  ~ReloadScope();
  ReloadScope(const ReloadScope&) = delete;
  ReloadScope& operator=(const ReloadScope&) = delete;
  bool Held() const noexcept { return held_; }

 private:
  bool held_ = false;
};

}  // namespace vornal::hooklib
