#include "animation/box_overlay.h"

#include "animation/animated_box.h"
#include "animation/box_route.h"
#include "core/dpi_awareness_scope.h"
#include "core/library_state.h"
#include "core/window_box.h"
#include "cross_process_names.h"

namespace vornal::hooklib {
namespace {

// DWMWA_EXTENDED_FRAME_BOUNDS (dwmapi.h); the result is in physical
// pixels whatever the thread's awareness.
constexpr DWORD kExtendedFrameBounds = 9;

WindowBox BoxOf(const RECT& r) noexcept { return {r.left, r.top, r.right, r.bottom}; }

// From the system folder by its full path: the host program's own folder,
// which a bare name searches first, may hold a DLL of the same name.
// (LOAD_LIBRARY_SEARCH_SYSTEM32 needs an update Windows 7 may lack.)
HMODULE LoadSystemLibrary(const char* name) noexcept {
  char path[MAX_PATH];
  const UINT length = GetSystemDirectoryA(path, MAX_PATH);
  if (length == 0 || length + 1 + lstrlenA(name) >= MAX_PATH) return nullptr;
  path[length] = '\\';
  lstrcpyA(path + length + 1, name);
  return LoadLibraryA(path);
}

// DwmGetWindowAttribute, looked up once per process. Two threads that meet
// here first both look it up, which only counts the library's load twice.
// The reference is kept for the life of the process: the library cannot
// give it back from DllMain, where FreeLibrary is not allowed.
DwmGetWindowAttributeProc DwmAttribute() noexcept {
  if (!g_library.dwmLookedUp.load(std::memory_order_acquire)) {
    const HMODULE dwm = LoadSystemLibrary("dwmapi.dll");
    const FARPROC found = dwm != nullptr ? GetProcAddress(dwm, "DwmGetWindowAttribute") : nullptr;
    g_library.dwmGetWindowAttribute.store(
        reinterpret_cast<DwmGetWindowAttributeProc>(reinterpret_cast<void (*)()>(found)),
        std::memory_order_relaxed);
    g_library.dwmLookedUp.store(true, std::memory_order_release);
  }
  return g_library.dwmGetWindowAttribute.load(std::memory_order_relaxed);
}

}  // namespace

bool PostBoxToOverlay(HWND window, bool closing, BoxWindowKind kind) noexcept {
  const UINT message = closing ? g_library.msgBoxClosing : g_library.msgBoxOpening;
  if (message == kNoMessage) return false;
  // Looked up on every box rather than kept: a kept handle would go stale
  // when the control program restarts, and the lookup sends nothing to
  // the control program, so it cannot make this thread wait on it.
  const HWND overlay = FindWindowA(kBoxOverlayClassName, nullptr);
  if (overlay == nullptr) return false;

  RECT rect;
  RECT frame{};
  bool haveFrame = false;
  const DwmGetWindowAttributeProc attribute = DwmAttribute();
  {
    const DpiAwarenessScope physical;
    if (!GetWindowRect(window, &rect)) return false;
    // Fails where DWM does not compose (Windows 7's basic themes) or has
    // no frame for the window yet; the window rectangle stands then.
    haveFrame = attribute != nullptr &&
                SUCCEEDED(attribute(window, kExtendedFrameBounds, &frame, sizeof frame));
  }
  const WindowBox visible = BoxOf(frame);
  const PackedBox packed = PackBox(OverlayFrame(BoxOf(rect), haveFrame ? &visible : nullptr, kind));
  return PostMessageA(overlay, message, packed.wParam, packed.lParam) != FALSE;
}

void PlayBox(HWND window, const RECT& rect, bool closing, BoxWindowKind kind,
             const AnimationOptions& options) noexcept {
  if (PostBoxToOverlay(window, closing, kind)) return;
  AnimateBox(rect.left, rect.top, SideLength(rect.left, rect.right),
             SideLength(rect.top, rect.bottom), closing, options);
}

}  // namespace vornal::hooklib
