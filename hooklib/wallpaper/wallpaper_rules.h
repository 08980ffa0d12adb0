// Which windows get a wallpaper: the window wallpaper on dialog-like
// surfaces, the TV wallpaper on tree views, list views and list boxes.
// Pure functions of the facts the handlers read, so that every class and
// style case is tested natively; each fact that costs a system call of its
// own is read only when the rule can get to it (NeedsPageFacts,
// NeedsWindowText).
#pragma once

#include <cstdint>

#include "core/window_box.h"
#include "core/window_styles.h"
#include "options/wallpaper_options.h"

namespace vornal::hooklib {

// Control style bits as the system defines them (commctrl.h).
namespace wallpaper_bits {
inline constexpr std::uint32_t kTransparent = 0x8000;  // TBSTYLE_TRANSPARENT
inline constexpr std::uint32_t kCustomErase = 0x2000;  // TBSTYLE_CUSTOMERASE
inline constexpr std::uint32_t kNoScroll = 0x2000;     // LVS_NOSCROLL
// The double-buffer extended styles, and the messages that read them.
inline constexpr unsigned kGetTreeExtendedStyle = 0x112D;      // TVM_GETEXTENDEDSTYLE
inline constexpr std::uint32_t kTreeDoubleBuffer = 0x0004;       // TVS_EX_DOUBLEBUFFER
inline constexpr unsigned kGetListExtendedStyle = 0x1037;      // LVM_GETEXTENDEDLISTVIEWSTYLE
inline constexpr std::uint32_t kListDoubleBuffer = 0x00010000;   // LVS_EX_DOUBLEBUFFER
}  // namespace wallpaper_bits

// What the window wallpaper rule looks at.
struct SurfaceFacts {
  const char* upperClass = "";
  std::uint32_t style = 0;
  WindowBox window{};
  WindowBox client{};
  // Needed only for a dialog page (NeedsPageFacts): its window procedure
  // is not its class's, and the first tab control among its siblings is
  // visible.
  bool subclassed = false;
  bool visibleTabSibling = false;
  // Needed only before XP: the taskbar or one of its descendants.
  bool taskbar = false;
};

// A dialog page: class "#32770" without WS_POPUP.
bool NeedsPageFacts(const char* upperClass, std::uint32_t style) noexcept;

// The window wallpaper rule (a framed window with caption, a dialog page,
// the taskbar before XP, tab controls, plain toolbars and the container
// classes of several class libraries).
bool WindowWallpaperRule(const SurfaceFacts& facts, const WallpaperOptions& options) noexcept;

// What the TV wallpaper rule looks at.
struct ListFacts {
  const char* upperClass = "";
  const char* upperText = "";  // needed only for list views (NeedsWindowText)
  std::uint32_t style = 0;
  bool desktopIconView = false;
  // A tree view or list view that paints its whole background in WM_PAINT
  // (needed only where DoubleBufferMessage names a message).
  bool doubleBuffered = false;
};

bool NeedsWindowText(const char* upperClass) noexcept;

// The message that reads the control's extended style, and the bit of it
// that says it paints double-buffered; message 0 for classes without one.
struct DoubleBufferQuery {
  unsigned message = 0;
  std::uint32_t bit = 0;
};
DoubleBufferQuery DoubleBufferMessage(const char* upperClass) noexcept;

// The TV wallpaper rule: tree views with Check::TreeViewWallpaper; list
// views, list boxes without a border and the class libraries' list boxes
// with Check::ListViewWallpaper. Double-buffered tree and list views get
// none: they paint their whole background during WM_PAINT, over a tile
// drawn at the erase, which would only flash. Whether the TV wallpaper is loaded is the caller's to test.
bool TVWallpaperRule(const ListFacts& facts, const WallpaperOptions& options) noexcept;

}  // namespace vornal::hooklib
