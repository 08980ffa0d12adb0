// WM_ERASEBKGND: after the window procedure has erased the background,
// the wallpaper of the window's kind is tiled over it on the same device
// context. Painting creates nothing: the tiles are copied straight from the
// picture's pixels, in the published set or the library's own DIB.
#include "core/window_facts.h"
#include "wallpaper/redraw_rules.h"
#include "wallpaper/tiling.h"
#include "wallpaper/wallpaper_handlers.h"
#include "wallpaper/wallpaper_rules.h"
#include "wallpaper/wallpaper_state.h"
#include "wallpaper/wallpaper_targets.h"

namespace vornal::hooklib {
namespace {

// Tiles the wallpaper over the client area. False when there was nothing
// to tile: the picture is empty, a reload has it right now, or the device
// context is not one to draw on.
bool TileWallpaper(Wallpaper which, HDC target, const RECT& client) noexcept {
  const PaintScope paint;
  if (!paint.Held()) return false;
  const Picture& picture = g_wallpapers[which].picture;
  if (picture.Empty()) return false;
  RECT drawn;
  const int region = GetClipBox(target, &drawn);
  if (region == ERROR) return false;
  if (region == NULLREGION) return true;
  const auto* info = reinterpret_cast<const BITMAPINFO*>(&picture.info);
  ForEachTile(ClientSide(client.left, client.right), ClientSide(client.top, client.bottom),
              {picture.width, picture.height},
              {drawn.left, drawn.top, drawn.right, drawn.bottom}, [&](const Tile& t) {
                // The picture is top-down: its source rectangle starts at
                // the top-left corner, as every tile does.
                StretchDIBits(target, t.x, t.y, t.width, t.height, 0, 0, t.width, t.height,
                              picture.bits, info, DIB_RGB_COLORS, SRCCOPY);
              });
  return true;
}

}  // namespace

void OnEraseBkgnd(HWND window, WPARAM erasedDC) noexcept {
  const bool windowLoaded = Loaded(Wallpaper::Window);
  const bool mdiLoaded = Loaded(Wallpaper::MDI);
  if (!windowLoaded && !mdiLoaded && !Loaded(Wallpaper::TV)) return;

  const auto target = reinterpret_cast<HDC>(erasedDC);
  ClassName className;
  LONG_PTR exStyle = 0;
  if (!ReadUpperClassName(window, className) || !ReadWindowLong(window, GWL_EXSTYLE, exStyle)) return;
  RECT client;
  bool clientRead = false;

  if (windowLoaded) {
    LONG_PTR style = 0;
    RECT frame;
    clientRead = GetClientRect(window, &client) != 0;
    // An MDI child has a caption, but sits on the MDI client's wallpaper.
    if (clientRead && ReadWindowLong(window, GWL_STYLE, style) && GetWindowRect(window, &frame) &&
        (exStyle & WS_EX_MDICHILD) == 0 &&
        IsWindowWallpaperTarget(window, className, static_cast<DWORD>(style), frame, client) &&
        !IsRectEmpty(&client) && TileWallpaper(Wallpaper::Window, target, client)) {
      return;
    }
  }
  if (IsTVWallpaperTarget(window, className)) {
    if (!clientRead) clientRead = GetClientRect(window, &client) != 0;
    if (clientRead && !IsRectEmpty(&client) && TileWallpaper(Wallpaper::TV, target, client)) return;
  }
  if (mdiLoaded && IsMDIClientClass(className)) {
    if (!clientRead) clientRead = GetClientRect(window, &client) != 0;
    if (clientRead && !IsRectEmpty(&client)) TileWallpaper(Wallpaper::MDI, target, client);
  }
}

}  // namespace vornal::hooklib
