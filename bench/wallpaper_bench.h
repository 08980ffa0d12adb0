// The wallpaper handlers and the erase of a full-HD client area, timed in
// this program.
#pragma once

namespace vornal::bench {

void RunWallpaperBench();

}  // namespace vornal::bench
