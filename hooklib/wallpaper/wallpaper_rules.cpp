#include "wallpaper/wallpaper_rules.h"

#include <cstring>

namespace vornal::hooklib {
namespace {

using namespace wallpaper_bits;

bool Is(const char* upperClass, const char* name) noexcept {
  return std::strcmp(upperClass, name) == 0;
}

template <std::size_t N>
bool IsOneOf(const char* upperClass, const char* const (&names)[N]) noexcept {
  for (const char* name : names) {
    if (Is(upperClass, name)) return true;
  }
  return false;
}

// Containers of class libraries that paint a dialog-like surface.
constexpr const char* kLibraryContainers[] = {"FTSRCHFIND",   "TTABSHEET",    "TPAGECONTROL",
                                              "TGROUPBOX",    "TDOCKTOOLBAR", "THUNDERRTFRAME"};
constexpr const char* kTreeClasses[] = {"SYSTREEVIEW32", "THUNDERRTDIRLISTBOX",
                                        "THUNDERRT5DIRLISTBOX", "THUNDERRT6DIRLISTBOX"};
constexpr const char* kLibraryListBoxes[] = {"THUNDERRTFILELISTBOX", "THUNDERRT5FILELISTBOX",
                                             "THUNDERRT6FILELISTBOX", "THUNDERRTLISTBOX",
                                             "THUNDERRT5LISTBOX",     "THUNDERRT6LISTBOX"};
constexpr char kControlBarPrefix[] = "AFXCONTROLBAR";

// Strictly narrower and strictly lower: a frame surrounds the client area.
bool FramedWithCaption(const SurfaceFacts& f) noexcept {
  return ws::HasFullCaption(f.style) &&
         FullSideLength(f.client.left, f.client.right) < FullSideLength(f.window.left, f.window.right) &&
         FullSideLength(f.client.top, f.client.bottom) < FullSideLength(f.window.top, f.window.bottom);
}

}  // namespace

bool NeedsPageFacts(const char* upperClass, std::uint32_t style) noexcept {
  return (style & ws::kPopup) == 0 && Is(upperClass, "#32770");
}

bool WindowWallpaperRule(const SurfaceFacts& f, const WallpaperOptions& o) noexcept {
  if (FramedWithCaption(f)) return true;
  if (NeedsPageFacts(f.upperClass, f.style) && !f.subclassed &&
      (o.tabbedPages || !f.visibleTabSibling)) {
    return true;
  }
  if (o.beforeXP && f.taskbar) return true;
  if (Is(f.upperClass, "SYSTABCONTROL32")) return true;
  if (Is(f.upperClass, "TOOLBARWINDOW32")) return (f.style & (kTransparent | kCustomErase)) == 0;
  if (std::strncmp(f.upperClass, kControlBarPrefix, sizeof kControlBarPrefix - 1) == 0) return true;
  return IsOneOf(f.upperClass, kLibraryContainers);
}

bool NeedsWindowText(const char* upperClass) noexcept { return Is(upperClass, "SYSLISTVIEW32"); }

DoubleBufferQuery DoubleBufferMessage(const char* upperClass) noexcept {
  if (Is(upperClass, "SYSTREEVIEW32")) return {kGetTreeExtendedStyle, kTreeDoubleBuffer};
  if (Is(upperClass, "SYSLISTVIEW32")) return {kGetListExtendedStyle, kListDoubleBuffer};
  return {};
}

bool TVWallpaperRule(const ListFacts& f, const WallpaperOptions& o) noexcept {
  if (f.doubleBuffered) return false;
  if (o.treeViewWallpaper && IsOneOf(f.upperClass, kTreeClasses)) return true;
  if (!o.listViewWallpaper) return false;
  if (Is(f.upperClass, "SYSLISTVIEW32")) {
    // Explorer's folder view from XP on, the task manager's process list,
    // the browser's views and the desktop paint their own backgrounds.
    return (!Is(f.upperText, "FOLDERVIEW") || o.beforeXP) && !Is(f.upperText, "PROCESSES") &&
           !Is(f.upperText, "INTERNET EXPLORER") && !f.desktopIconView &&
           (f.style & kNoScroll) == 0;
  }
  if (Is(f.upperClass, "LISTBOX")) return (f.style & ws::kBorder) == 0;
  return IsOneOf(f.upperClass, kLibraryListBoxes);
}

}  // namespace vornal::hooklib
