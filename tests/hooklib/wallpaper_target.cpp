// The wallpaper side of vornal_drag_target.exe (wallpaper_target_protocol.h):
// drag_target.cpp hands it the messages it does not know.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstring>

#include "cross_process_names.h"
#include "gdi_owners.h"
#include "import_slot.h"
#include "picture_set.h"
#include "test_bitmap.h"
#include "unique_handle.h"
#include "unique_view.h"
#include "wallpaper_target_protocol.h"

namespace vornal::test {
namespace {

constexpr char kHolderClass[] = "VornalWallpaperHolder";
constexpr int kWidth = 200, kHeight = 150;
HWND g_backdrop = nullptr, g_holder = nullptr, g_first = nullptr;
LRESULT g_hiddenWindows = 0;
WNDPROC g_pageProc = nullptr;

LRESULT CALLBACK ForwardingProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return CallWindowProcA(g_pageProc, w, m, wp, lp);
}
LRESULT CALLBACK MDIChildProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  return DefMDIChildProcA(w, m, wp, lp);
}

HWND Child(const char* cls, DWORD style, const char* text = "", int x = 0, int width = kWidth,
           void* param = nullptr) {
  return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, 0, width, kHeight,
                         g_holder, nullptr, GetModuleHandleA(nullptr), param);
}

HWND Make(WPARAM kind) {
  constexpr DWORD kBar = CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
  switch (kind) {
    case kDialog: return Child("#32770", WS_CAPTION);
    case kPageBesideTab:
    case kPageBesideHiddenTab: {
      const HWND tab = Child(WC_TABCONTROLA, 0, "", kWidth + 10, 100);
      if (kind == kPageBesideHiddenTab) ShowWindow(tab, SW_HIDE);
      return Child("#32770", 0);
    }
    case kSubclassedPage: {
      const HWND page = Child("#32770", 0);
      g_pageProc = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(page, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ForwardingProc)));
      return page;
    }
    case kToolbar: return Child(TOOLBARCLASSNAMEA, kBar);
    case kTransparentToolbar: return Child(TOOLBARCLASSNAMEA, kBar | TBSTYLE_TRANSPARENT);
    case kCustomEraseToolbar: return Child(TOOLBARCLASSNAMEA, kBar | TBSTYLE_CUSTOMERASE);
    case kListBox: return Child("LISTBOX", LBS_NOINTEGRALHEIGHT);
    case kBorderedListBox: return Child("LISTBOX", LBS_NOINTEGRALHEIGHT | WS_BORDER);
    case kListView: return Child(WC_LISTVIEWA, LVS_LIST);
    case kNoScrollListView: return Child(WC_LISTVIEWA, LVS_LIST | LVS_NOSCROLL);
    case kProcessesListView: return Child(WC_LISTVIEWA, LVS_LIST, "Processes");
    case kTreeView: return Child(WC_TREEVIEWA, 0);
    case kDoubleBufferedListView: {
      const HWND view = Child(WC_LISTVIEWA, LVS_LIST);
      SendMessageA(view, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_DOUBLEBUFFER, LVS_EX_DOUBLEBUFFER);
      UpdateWindow(view);
      PatBlt(WindowDC(view).Get(), 0, 0, kWidth, kHeight, BLACKNESS);
      return view;
    }
    case kMDIClient:
    case kMDIChild: {
      CLIENTCREATESTRUCT mdi{nullptr, 50000};
      const HWND client = Child("MDICLIENT", WS_CLIPCHILDREN, "", 0, kWidth, &mdi);
      if (kind == kMDIClient) return client;
      MDICREATESTRUCTA child{"VornalWallpaperMDIChild", "child", GetModuleHandleA(nullptr),
                             10, 10, kWidth - 40, kHeight - 40, WS_VISIBLE, 0};
      return reinterpret_cast<HWND>(
          SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&child)));
    }
    default: return nullptr;
  }
}

void Start() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSA wc{0, DefWindowProcA, 0, 0, GetModuleHandleA(nullptr), nullptr, nullptr,
               GetSysColorBrush(COLOR_WINDOW), nullptr, kHolderClass};
  RegisterClassA(&wc);
  wc.lpfnWndProc = MDIChildProc;
  wc.lpszClassName = "VornalWallpaperMDIChild";
  RegisterClassA(&wc);
  // Right of the animation's backdrop, so that neither covers the other.
  g_backdrop = CreateWindowExA(WS_EX_TOOLWINDOW, kHolderClass, "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                               660, 0, 400, 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Client pixels of window that show the picture that pattern describes,
// tiled from (0, 0).
LRESULT ReadBack(HWND window, LPARAM pattern) {
  RECT client;
  GetClientRect(window, &client);
  const int width = client.right, height = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const WindowDC dc(window);
  const UniqueMemoryDC memory(CreateCompatibleDC(dc.Get()));
  const UniqueBitmap pixels(CreateDIBSection(memory.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const SelectedObject copiedInto(memory.Get(), pixels.Get());
  BitBlt(memory.Get(), 0, 0, width, height, dc.Get(), 0, 0, SRCCOPY);
  GdiFlush();
  const int kind = pattern & 3, w = pattern >> 2 & 0x3FF, h = pattern >> 12 & 0x3FF;
  int matching = 0;
  const auto* p = static_cast<const std::uint32_t*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) matching += (*p++ & 0xFFFFFF) == PatternPixel(kind, x % w, y % h);
  }
  return MAKELONG(matching, width * height);
}

using SystemParametersInfoProc = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);
SystemParametersInfoProc g_systemParametersInfo = nullptr;
bool g_highContrast = false;

BOOL WINAPI StandInSystemParametersInfo(UINT action, UINT size, PVOID value, UINT flags) {
  if (action != SPI_GETHIGHCONTRAST) return g_systemParametersInfo(action, size, value, flags);
  static_cast<HIGHCONTRASTA*>(value)->dwFlags = HCF_AVAILABLE | (g_highContrast ? HCF_HIGHCONTRASTON : 0);
  return TRUE;
}

LRESULT SetHighContrast(bool on) {
  const HMODULE library = GetModuleHandleA("VornalLib.dll");
  if (g_systemParametersInfo == nullptr && library != nullptr) {
    g_systemParametersInfo = reinterpret_cast<SystemParametersInfoProc>(ReplaceImport(
        library, "user32.dll", "SystemParametersInfoA", reinterpret_cast<void*>(StandInSystemParametersInfo)));
  }
  g_highContrast = on;
  return g_systemParametersInfo != nullptr;
}

LRESULT TryWritingPictures() {
  LRESULT found = 0;
  if (UniqueHandle(OpenFileMappingA(FILE_MAP_WRITE, FALSE, kPictureDirectoryName))) {
    found |= kDirectoryWritable;
  }
  PictureSetName name;
  {
    const UniqueHandle directory(OpenFileMappingA(FILE_MAP_READ, FALSE, kPictureDirectoryName));
    if (!directory) return found;
    const UniqueView d(MapViewOfFile(directory.Get(), FILE_MAP_READ, 0, 0, sizeof(PictureDirectory)));
    if (!d) return found;
    PictureSetNameOf(static_cast<const PictureDirectory*>(d.Get())->generation, name);
  }
  if (UniqueHandle(OpenFileMappingA(FILE_MAP_WRITE, FALSE, name))) found |= kSetWritable;
  const UniqueHandle set(OpenFileMappingA(FILE_MAP_READ, FALSE, name));
  if (!set) return found;
  found |= kSetFound;
  const UniqueView view(MapViewOfFile(set.Get(), FILE_MAP_READ, 0, 0, 0));
  DWORD old = 0;
  if (view && VirtualProtect(view.Get(), 4096, PAGE_READWRITE, &old)) found |= kViewWritable;
  return found;
}

}  // namespace

void ShowFirstDialogIfAsked(const char* commandLine) {
  if (commandLine == nullptr || std::strstr(commandLine, kFirstDialogArgument) == nullptr) return;
  g_first = CreateWindowExA(0, "#32770", "First", WS_POPUP | WS_CAPTION | WS_VISIBLE, 660, 220, kWidth, kHeight,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

bool WallpaperCommand(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == kReadFirstWindow) {
    result = g_first != nullptr ? ReadBack(g_first, lParam) : 0;
    return true;
  }
  if (message == kSetHighContrast) {
    result = SetHighContrast(wParam != 0);
    return true;
  }
  if (message == kTryWritingPictures) {
    result = TryWritingPictures();
    return true;
  }
  if (message == kMakeHiddenWindows) {
    if (g_backdrop == nullptr) Start();
    for (WPARAM i = 0; i < wParam; ++i) {
      g_hiddenWindows += CreateWindowExA(0, kHolderClass, "hidden", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr) != nullptr;
    }
    result = g_hiddenWindows;
    return true;
  }
  if (message != kShowWallpaperWindow) return false;
  if (g_backdrop == nullptr) Start();
  if (g_holder != nullptr) DestroyWindow(g_holder);
  g_holder = CreateWindowExA(0, kHolderClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                             400, 200, g_backdrop, nullptr, GetModuleHandleA(nullptr), nullptr);
  const HWND window = Make(wParam);
  result = 0;
  if (window == nullptr) return true;
  const int scroll = static_cast<int>(lParam >> 22 & 0x1F) - 1;
  if (scroll < 0) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
  } else {
    PatBlt(WindowDC(window).Get(), 0, 0, kWidth, kHeight, BLACKNESS);
    ValidateRect(window, nullptr);
    SendMessageA(window, WM_VSCROLL, MAKEWPARAM(scroll, 0), 0);
  }
  GdiFlush();
  result = ReadBack(window, lParam);
  return true;
}

}  // namespace vornal::test
