#include "library_objects.h"

#include <windows.h>

#include <algorithm>
#include <mutex>
#include <vector>

#include "import_slot.h"

namespace vornal::test {
namespace {

std::mutex g_lock;
std::vector<void*> g_live;
bool g_counting = false;

decltype(&CreateCompatibleDC) g_createDC;
decltype(&CreateDIBSection) g_createDIB;
decltype(&LoadImageA) g_loadImage;
decltype(&GetDC) g_getDC;
decltype(&DeleteDC) g_deleteDC;
decltype(&DeleteObject) g_deleteObject;
decltype(&ReleaseDC) g_releaseDC;

template <typename Object>
Object Made(Object object) {
  if (object != nullptr) {
    const std::lock_guard<std::mutex> hold(g_lock);
    g_live.push_back(object);
  }
  return object;
}

template <typename Result>
Result Gone(void* object, Result result) {
  if (result) {
    const std::lock_guard<std::mutex> hold(g_lock);
    const auto at = std::find(g_live.begin(), g_live.end(), object);
    if (at != g_live.end()) g_live.erase(at);
  }
  return result;
}

HDC WINAPI CountedCreateDC(HDC dc) { return Made(g_createDC(dc)); }
HBITMAP WINAPI CountedCreateDIB(HDC dc, const BITMAPINFO* i, UINT u, void** b, HANDLE s, DWORD o) {
  return Made(g_createDIB(dc, i, u, b, s, o));
}
HANDLE WINAPI CountedLoadImage(HINSTANCE i, LPCSTR n, UINT t, int w, int h, UINT f) {
  return Made(g_loadImage(i, n, t, w, h, f));
}
HDC WINAPI CountedGetDC(HWND window) { return Made(g_getDC(window)); }
BOOL WINAPI CountedDeleteDC(HDC dc) { return Gone(dc, g_deleteDC(dc)); }
BOOL WINAPI CountedDeleteObject(HGDIOBJ o) { return Gone(o, g_deleteObject(o)); }
int WINAPI CountedReleaseDC(HWND window, HDC dc) { return Gone(dc, g_releaseDC(window, dc)); }

template <typename Proc>
bool Replace(HMODULE library, const char* dll, const char* name, Proc counted, Proc& system) {
  system = reinterpret_cast<Proc>(ReplaceImport(library, dll, name, reinterpret_cast<void*>(counted)));
  return system != nullptr;
}

}  // namespace

long LibraryObjects() {
  const HMODULE library = GetModuleHandleA("VornalLib.dll");
  if (library == nullptr) return -1;
  if (!g_counting) {
    // Deletions first, so that nothing made from now on is missed going.
    g_counting = Replace(library, "gdi32.dll", "DeleteDC", CountedDeleteDC, g_deleteDC) &&
                 Replace(library, "gdi32.dll", "DeleteObject", CountedDeleteObject, g_deleteObject) &&
                 Replace(library, "user32.dll", "ReleaseDC", CountedReleaseDC, g_releaseDC) &&
                 Replace(library, "gdi32.dll", "CreateCompatibleDC", CountedCreateDC, g_createDC) &&
                 Replace(library, "gdi32.dll", "CreateDIBSection", CountedCreateDIB, g_createDIB) &&
                 Replace(library, "user32.dll", "LoadImageA", CountedLoadImage, g_loadImage) &&
                 Replace(library, "user32.dll", "GetDC", CountedGetDC, g_getDC);
    if (!g_counting) return -1;
  }
  const std::lock_guard<std::mutex> hold(g_lock);
  return static_cast<long>(g_live.size());
}

}  // namespace vornal::test
