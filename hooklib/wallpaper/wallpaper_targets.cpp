#include "wallpaper/wallpaper_targets.h"

#include "core/library_state.h"
#include "core/upper_case.h"
#include "core/window_facts.h"
#include "wallpaper/wallpaper_rules.h"
#include "wallpaper/wallpaper_state.h"

namespace vornal::hooklib {
namespace {

WindowBox BoxOf(const RECT& r) noexcept { return {r.left, r.top, r.right, r.bottom}; }

// A window procedure that is not the class's: someone has subclassed the
// page and paints it in a way of its own. A window that cannot be read
// counts as subclassed, so that the page item does not hold for it.
bool IsSubclassed(HWND window) noexcept {
  LONG_PTR own = 0;
  if (!ReadWindowLong(window, GWLP_WNDPROC, own)) return true;
  SetLastError(ERROR_SUCCESS);
  const ULONG_PTR classProc = GetClassLongPtrA(window, GCLP_WNDPROC);
  if (classProc == 0 && GetLastError() != ERROR_SUCCESS) return true;
  return static_cast<ULONG_PTR>(own) != classProc;
}

// Asked only on the control's own thread, where the send is a plain call
// of its window procedure; elsewhere it counts as painting in the usual
// way, since the erase handler, which runs on that thread, asks again.
bool PaintsDoubleBuffered(HWND window, const char* upperClass) noexcept {
  const DoubleBufferQuery query = DoubleBufferMessage(upperClass);
  if (query.message == 0 || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return false;
  return (static_cast<std::uint32_t>(SendMessageA(window, query.message, 0, 0)) & query.bit) != 0;
}

}  // namespace

bool HasVisibleTabSibling(HWND window) noexcept {
  const HWND parent = GetParent(window);
  if (parent == nullptr) return false;
  const HWND tab = FindWindowExA(parent, nullptr, "SysTabControl32", nullptr);
  if (tab == nullptr) return false;
  LONG_PTR style = 0;
  return ReadWindowLong(tab, GWL_STYLE, style) && (style & WS_VISIBLE) != 0;
}

bool IsTaskbarWindow(HWND window, HWND taskbar) noexcept {
  return taskbar != nullptr && (window == taskbar || IsChild(taskbar, window));
}

bool IsWindowWallpaperTarget(HWND window, const char* upperClass, DWORD style,
                             const RECT& windowRect, const RECT& clientRect) noexcept {
  const OptionsSnapshot snapshot = CurrentOptions();
  const WallpaperOptions& options = snapshot.options.wallpaper;
  SurfaceFacts facts;
  facts.upperClass = upperClass;
  facts.style = style;
  facts.window = BoxOf(windowRect);
  facts.client = BoxOf(clientRect);
  if (NeedsPageFacts(upperClass, style)) {
    facts.subclassed = IsSubclassed(window);
    facts.visibleTabSibling = !facts.subclassed && !options.tabbedPages && HasVisibleTabSibling(window);
  }
  facts.taskbar = options.beforeXP && IsTaskbarWindow(window, snapshot.taskbarWindow);
  return WindowWallpaperRule(facts, options);
}

bool IsTVWallpaperTarget(HWND window, const char* upperClass) noexcept {
  if (!Loaded(Wallpaper::TV)) return false;
  LONG_PTR style = 0;
  if (!ReadWindowLong(window, GWL_STYLE, style)) return false;
  const OptionsSnapshot snapshot = CurrentOptions();
  ListFacts facts;
  facts.upperClass = upperClass;
  facts.style = static_cast<std::uint32_t>(style);
  facts.desktopIconView = window == snapshot.desktopIconView;
  char text[kClassNameChars] = "";
  if (NeedsWindowText(upperClass)) {
    // No text, or none to be had, is an empty text.
    if (GetWindowTextA(window, text, kClassNameChars) <= 0) text[0] = '\0';
    UpperCaseAscii(text);
    facts.upperText = text;
  }
  // The extended style costs a message: read only for a window the rule
  // would otherwise tile.
  if (!TVWallpaperRule(facts, snapshot.options.wallpaper)) return false;
  facts.doubleBuffered = PaintsDoubleBuffered(window, upperClass);
  return TVWallpaperRule(facts, snapshot.options.wallpaper);
}

bool IsTVWallpaperTarget(HWND window) noexcept {
  if (!Loaded(Wallpaper::TV)) return false;
  ClassName className;
  if (!ReadUpperClassName(window, className)) return false;
  return IsTVWallpaperTarget(window, className);
}

}  // namespace vornal::hooklib
