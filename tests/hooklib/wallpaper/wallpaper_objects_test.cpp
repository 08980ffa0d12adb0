// The pictures' GDI objects and the guard between painters and a reload,
// in the library's code linked into the test: its calls go through this
// program's imports, where what it makes, deletes and allocates is counted.
#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "dispatch/library_startup.h"
#include "gdi_owners.h"
#include "import_slot.h"
#include "test_bitmap.h"
#include "wallpaper/wallpaper_handlers.h"
#include "wallpaper/wallpaper_load.h"
#include "wallpaper/wallpaper_state.h"

namespace vornal::hooklib {
namespace {

std::vector<HGDIOBJ> g_live;
int g_made = 0, g_images = 0, g_allocations = 0;
// The system's functions behind the imports.
decltype(&CreateCompatibleDC) g_dc;
decltype(&CreateDIBSection) g_dib;
decltype(&LoadImageA) g_image;
decltype(&DeleteDC) g_deleteDC;
decltype(&DeleteObject) g_delete;
decltype(&HeapAlloc) g_alloc;

template <typename Object>
Object Made(Object o) {
  if (o != nullptr) g_live.push_back(o), ++g_made;
  return o;
}
BOOL Gone(HGDIOBJ o, BOOL deleted) {
  for (std::size_t i = 0; deleted && i < g_live.size(); ++i) {
    if (g_live[i] == o) g_live[i] = g_live.back(), g_live.pop_back();
  }
  return deleted;
}
HDC WINAPI CountedDC(HDC dc) { return Made(g_dc(dc)); }
HBITMAP WINAPI CountedDIB(HDC dc, const BITMAPINFO* i, UINT u, void** b, HANDLE s, DWORD o) {
  return Made(g_dib(dc, i, u, b, s, o));
}
HANDLE WINAPI CountedImage(HINSTANCE i, LPCSTR n, UINT t, int w, int h, UINT f) {
  return ++g_images, Made(g_image(i, n, t, w, h, f));
}
BOOL WINAPI CountedDeleteDC(HDC dc) { return Gone(dc, g_deleteDC(dc)); }
BOOL WINAPI CountedDelete(HGDIOBJ o) { return Gone(o, g_delete(o)); }
LPVOID WINAPI CountedAlloc(HANDLE h, DWORD f, SIZE_T n) { return ++g_allocations, g_alloc(h, f, n); }

// What a settings load does with the pictures.
void Load(const Settings& settings, bool processEnabled) {
  LoadWallpapers(settings, processEnabled);
}

template <typename Proc>
bool Count(const char* dll, const char* name, Proc counted, Proc& system) {
  system = reinterpret_cast<Proc>(test::ReplaceImport(GetModuleHandleA(nullptr), dll, name,
                                                      reinterpret_cast<void*>(counted)));
  return system != nullptr;
}

TEST(WallpaperObjects, EveryObjectGoesBackAndPaintingMakesNone) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  const std::string picture = std::string(folder) + "vornal_objects.bmp",
                    broken = std::string(folder) + "vornal_objects_broken.bmp";
  ASSERT_TRUE(test::WriteTestBitmap(picture.c_str(), 37, 23, 0));
  ASSERT_TRUE(test::WriteTestBitmap(broken.c_str(), 37, 23, 0, 100));
  // Once per process; the counters stay in the imports and pass every call on.
  static const bool counting = Count("gdi32.dll", "CreateCompatibleDC", CountedDC, g_dc) &&
                               Count("gdi32.dll", "CreateDIBSection", CountedDIB, g_dib) &&
                               Count("user32.dll", "LoadImageA", CountedImage, g_image) &&
                               Count("gdi32.dll", "DeleteDC", CountedDeleteDC, g_deleteDC) &&
                               Count("gdi32.dll", "DeleteObject", CountedDelete, g_delete) &&
                               Count("kernel32.dll", "HeapAlloc", CountedAlloc, g_alloc);
  ASSERT_TRUE(counting);
  const DWORD gdiBefore = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  Settings on = DefaultSettings();
  for (Check flag : {Check::WindowWallpaper, Check::MdiWallpaper, Check::TreeViewWallpaper}) on.Set(flag, true);
  for (int f = 1; f <= 3; ++f) on.Text(static_cast<TextField>(f)).Assign(picture.c_str());
  Settings unreadable = on;
  unreadable.Text(TextField::WindowWallpaper).Assign(broken.c_str());

  Load(on, true);
  EXPECT_EQ(g_live.size(), 3u) << "three pictures of its own, without a published set";
  Load(DefaultSettings(), true);
  EXPECT_EQ(g_live.size(), 0u) << "switched off";
  for (int i = 0; i < 100; ++i) Load(on, true);
  EXPECT_EQ(g_live.size(), 3u) << "after a hundred reloads";
  g_images = 0;
  Load(unreadable, true);
  EXPECT_EQ(g_images, 2) << "the truncated file reaches no reader";
  EXPECT_EQ(g_live.size(), 3u) << "and its wallpaper is kept";
  Load(on, false);
  g_made = 0;
  Load(on, false);
  EXPECT_EQ(g_live.size() + g_made, 0u) << "an excluded process releases and loads nothing";

  Load(on, true);
  const HWND window = CreateWindowA("BUTTON", "", WS_POPUP | WS_CAPTION, 0, 0, 200, 150, nullptr,
                                    nullptr, nullptr, nullptr);  // a framed window with caption
  {
    // Gone again before the counts below, which would take it for the library's.
    const UniqueMemoryDC erased(CreateCompatibleDC(nullptr));
    const UniqueBitmap pixels(CreateBitmap(200, 150, 1, 32, nullptr));
    const SelectedObject erasedInto(erased.Get(), pixels.Get());
    g_made = g_allocations = 0;
    OnEraseBkgnd(window, reinterpret_cast<WPARAM>(erased.Get()));
    EXPECT_EQ(g_made + g_allocations, 0) << "while painting";
    const std::uint32_t c = test::PatternPixel(0, 40 % 37, 25 % 23);
    EXPECT_EQ(GetPixel(erased.Get(), 40, 25), RGB(c >> 16, c >> 8 & 0xFF, c & 0xFF)) << "painted";
  }
  DestroyWindow(window);

  ProcessDetachHandler(true);
  EXPECT_EQ(g_live.size(), 3u) << "a terminating process is left alone";
  ProcessDetachHandler(false);
  EXPECT_EQ(g_live.size(), 0u) << "after the library left";
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdiBefore);
}

TEST(PaintGuard, PaintersSkipDuringAReloadAndAReloadWaitsForThePaintersInside) {
  {
    const ReloadScope reload;
    ASSERT_TRUE(reload.Held());
    EXPECT_FALSE(PaintScope().Held()) << "a painter does not wait for a reload";
    EXPECT_FALSE(ReloadScope(false).Held()) << "one reload at a time";
  }
  std::optional<PaintScope> painter(std::in_place);  // copying tiles
  std::atomic<bool> reloaded{false};
  std::thread reload([&] { reloaded = ReloadScope().Held(); });
  Sleep(200);
  EXPECT_FALSE(reloaded) << "the reload went ahead of the painter";
  painter.reset();
  reload.join();
  EXPECT_TRUE(reloaded);
}

}  // namespace
}  // namespace vornal::hooklib
