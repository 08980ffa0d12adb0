// The wallpaper side of vornal_drag_target.exe (wallpaper_target_protocol.h):
// drag_target.cpp hands it the messages it does not know.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

#include "import_slot.h"
#include "test_bitmap.h"
#include "wallpaper_target_protocol.h"

namespace vornal::test {
namespace {

HWND g_backdrop = nullptr;
HWND g_holder = nullptr;
HWND g_target = nullptr;
WNDPROC g_pageProc = nullptr;
HMODULE g_ownLibrary = nullptr;

// The library's GDI objects alive, counted at its imports.
std::vector<HGDIOBJ> g_live;
int g_made = 0;
int g_allocations = 0;

template <typename Object>
Object Made(Object object) {
  if (object != nullptr) g_live.push_back(object), ++g_made;
  return object;
}
BOOL Gone(HGDIOBJ object, BOOL deleted) {
  for (std::size_t i = 0; deleted && i < g_live.size(); ++i) {
    if (g_live[i] == object) g_live[i] = g_live.back(), g_live.pop_back();
  }
  return deleted;
}
HDC WINAPI WatchedCreateDC(HDC dc) { return Made(CreateCompatibleDC(dc)); }
HBITMAP WINAPI WatchedCreateBitmap(HDC dc, int w, int h) { return Made(CreateCompatibleBitmap(dc, w, h)); }
HANDLE WINAPI WatchedLoadImage(HINSTANCE i, LPCSTR name, UINT type, int w, int h, UINT flags) {
  return Made(LoadImageA(i, name, type, w, h, flags));
}
BOOL WINAPI WatchedDeleteDC(HDC dc) { return Gone(dc, DeleteDC(dc)); }
BOOL WINAPI WatchedDeleteObject(HGDIOBJ o) { return Gone(o, DeleteObject(o)); }
LPVOID WINAPI WatchedHeapAlloc(HANDLE heap, DWORD flags, SIZE_T n) {
  ++g_allocations;
  return HeapAlloc(heap, flags, n);
}
LPVOID WINAPI WatchedHeapReAlloc(HANDLE heap, DWORD flags, LPVOID p, SIZE_T n) {
  ++g_allocations;
  return HeapReAlloc(heap, flags, p, n);
}
void* WatchedCalloc(size_t n, size_t size) { return ++g_allocations, calloc(n, size); }
void* WatchedRealloc(void* p, size_t size) { return ++g_allocations, realloc(p, size); }

void Watch(HMODULE library) {
  static HMODULE watched = nullptr;
  if (library == nullptr || library == watched) return;
  watched = library;
  const struct { const char* dll; const char* name; void* with; } imports[] = {
      {"gdi32.dll", "CreateCompatibleDC", reinterpret_cast<void*>(WatchedCreateDC)},
      {"gdi32.dll", "CreateCompatibleBitmap", reinterpret_cast<void*>(WatchedCreateBitmap)},
      {"user32.dll", "LoadImageA", reinterpret_cast<void*>(WatchedLoadImage)},
      {"gdi32.dll", "DeleteDC", reinterpret_cast<void*>(WatchedDeleteDC)},
      {"gdi32.dll", "DeleteObject", reinterpret_cast<void*>(WatchedDeleteObject)},
      {"kernel32.dll", "HeapAlloc", reinterpret_cast<void*>(WatchedHeapAlloc)},
      {"kernel32.dll", "HeapReAlloc", reinterpret_cast<void*>(WatchedHeapReAlloc)},
      {"msvcrt.dll", "calloc", reinterpret_cast<void*>(WatchedCalloc)},
      {"msvcrt.dll", "realloc", reinterpret_cast<void*>(WatchedRealloc)}};
  for (const auto& i : imports) ReplaceImport(library, i.dll, i.name, i.with);
}

LRESULT Objects(bool reset) {
  const LRESULT answer = LibraryObjects(static_cast<int>(g_live.size()), g_made, g_allocations);
  if (reset) g_made = g_allocations = 0;
  return answer;
}

LRESULT CALLBACK ForwardingPageProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return CallWindowProcA(g_pageProc, w, m, wp, lp);
}
INT_PTR CALLBACK QuietDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

HWND MakeDialog(DWORD style, int width, int height) {
  struct alignas(4) {
    DLGTEMPLATE head;
    WORD menu, windowClass, title;
  } tmpl{};
  tmpl.head.style = style | WS_CHILD | WS_VISIBLE;
  const HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &tmpl.head, g_holder,
                                                 QuietDialogProc, 0);
  SetWindowPos(dialog, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  return dialog;
}

HWND Make(WPARAM kind, int width, int height) {
  const auto control = [&](const char* cls, DWORD style, const char* text = "") {
    return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, width, height,
                           g_holder, nullptr, GetModuleHandleA(nullptr), nullptr);
  };
  constexpr DWORD kBar = CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
  switch (kind) {
    case kDialog: return MakeDialog(WS_CAPTION, width, height);
    case kPageBesideTab:
    case kPageBesideHiddenTab:
      CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | (kind == kPageBesideTab ? WS_VISIBLE : 0),
                      width + 10, 0, 100, 50, g_holder, nullptr, GetModuleHandleA(nullptr), nullptr);
      return MakeDialog(DS_CONTROL, width, height);
    case kSubclassedPage: {
      const HWND page = MakeDialog(DS_CONTROL, width, height);
      g_pageProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
          page, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ForwardingPageProc)));
      return page;
    }
    case kToolbar: return control(TOOLBARCLASSNAMEA, kBar);
    case kTransparentToolbar: return control(TOOLBARCLASSNAMEA, kBar | TBSTYLE_TRANSPARENT);
    case kCustomEraseToolbar: return control(TOOLBARCLASSNAMEA, kBar | TBSTYLE_CUSTOMERASE);
    case kListBox: return control("LISTBOX", LBS_NOINTEGRALHEIGHT);
    case kBorderedListBox: return control("LISTBOX", LBS_NOINTEGRALHEIGHT | WS_BORDER);
    case kListView: return control(WC_LISTVIEWA, LVS_LIST);
    case kNoScrollListView: return control(WC_LISTVIEWA, LVS_LIST | LVS_NOSCROLL);
    case kProcessesListView: return control(WC_LISTVIEWA, LVS_LIST, "Processes");
    case kTreeView: return control(WC_TREEVIEWA, 0);
    case kMDIClient:
    case kMDIChild: {
      CLIENTCREATESTRUCT mdi{nullptr, 50000};
      const HWND client = CreateWindowExA(0, "MDICLIENT", nullptr,
                                          WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width,
                                          height, g_holder, nullptr, GetModuleHandleA(nullptr), &mdi);
      if (kind == kMDIClient) return client;
      MDICREATESTRUCTA child{"VornalWallpaperMDIChild", "child", GetModuleHandleA(nullptr),
                             10, 10, width - 40, height - 40, WS_VISIBLE, 0};
      return reinterpret_cast<HWND>(
          SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&child)));
    }
    default: return nullptr;
  }
}

LRESULT CALLBACK MDIChildProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return DefMDIChildProcA(w, m, wp, lp);
}

void Start() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                                                     ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSA wc{};
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = "VornalWallpaperHolder";
  RegisterClassA(&wc);
  wc.lpfnWndProc = MDIChildProc;
  wc.lpszClassName = "VornalWallpaperMDIChild";
  RegisterClassA(&wc);
  // Right of the animation's backdrop, so that neither covers the other.
  g_backdrop = CreateWindowExA(WS_EX_TOOLWINDOW, "VornalWallpaperHolder", "",
                               WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 660, 0, 600, 500, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
}

LRESULT Capture(WPARAM spec, LPARAM how) {
  if (g_target == nullptr) return -1;
  if (how == 0) {
    RedrawWindow(g_target, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
  } else {
    const HDC dc = GetDC(g_target);
    RECT all;
    GetClientRect(g_target, &all);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(g_target, dc);
    ValidateRect(g_target, nullptr);
    SendMessageA(g_target, WM_VSCROLL, MAKEWPARAM(how & 0xFFFF, 0), 0);
  }
  GdiFlush();
  RECT client;
  GetClientRect(g_target, &client);
  const int width = client.right, height = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HDC window = GetDC(g_target);
  const HDC memory = CreateCompatibleDC(window);
  const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, window, 0, 0, SRCCOPY);
  GdiFlush();
  const int kind = static_cast<int>(spec & 3), w = static_cast<int>(spec >> 2 & 0xFFF),
            h = static_cast<int>(spec >> 14 & 0xFFF);
  int matching = 0;
  const auto* p = static_cast<const std::uint32_t*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) matching += (*p++ & 0xFFFFFF) == PatternPixel(kind, x % w, y % h);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(g_target, window);
  return MAKELONG(matching, width * height);
}

LRESULT CallLibrary(UINT message) {
  using Hook = LRESULT(CALLBACK*)(int, WPARAM, LPARAM);
  const auto hook = reinterpret_cast<Hook>(
      reinterpret_cast<void (*)()>(GetProcAddress(g_ownLibrary, "VornalHook")));
  CWPRETSTRUCT record{};
  record.message = message;
  return hook != nullptr ? hook(HC_ACTION, 0, reinterpret_cast<LPARAM>(&record)) : -1;
}

}  // namespace

bool WallpaperCommand(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case kMakeWallpaperWindow:
      if (g_backdrop == nullptr) Start();
      Watch(GetModuleHandleA("VornalLib.dll"));
      if (g_holder != nullptr) DestroyWindow(g_holder);
      g_holder = CreateWindowExA(0, "VornalWallpaperHolder", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                 0, 0, 600, 500, g_backdrop, nullptr, GetModuleHandleA(nullptr), nullptr);
      g_target = Make(wParam, LOWORD(lParam), HIWORD(lParam));
      result = g_target != nullptr ? 1 : 0;
      return true;
    case kCaptureWallpaper: result = Capture(wParam, lParam); return true;
    case kLibraryObjects: result = Objects(wParam == 1); return true;
    case kLoadLibraryHere: {
      char path[MAX_PATH];
      const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
      std::string folder(path, n);
      folder.erase(folder.find_last_of('\\') + 1);
      g_ownLibrary = LoadLibraryA((folder + "VornalLib.dll").c_str());
      Watch(g_ownLibrary);
      CallLibrary(WM_NULL);
      result = Objects(false);
      return true;
    }
    case kReloadHere:
      for (WPARAM i = 0; i < wParam; ++i) CallLibrary(RegisterWindowMessageA("Vornal_SettingsUpdated"));
      result = Objects(false);
      return true;
    case kFreeLibraryHere:
      FreeLibrary(g_ownLibrary);
      result = Objects(false) | (GetModuleHandleA("VornalLib.dll") != nullptr ? kStillMapped : 0);
      return true;
    default: return false;
  }
}

}  // namespace vornal::test
