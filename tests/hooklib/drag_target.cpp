// vornal_drag_target.exe: a small GUI program in which the global hook
// test looks for the library's effect from outside. See
// drag_target_protocol.h, animation_target_protocol.h,
// wallpaper_target_protocol.h and churn_protocol.h for the messages it
// answers.
#include <windows.h>

#include <cstring>

#include "drag_target_protocol.h"

namespace vornal::test {
// animation_target.cpp: its window classes, backdrop and second thread, and
// its commands.
void StartAnimationTarget(HINSTANCE instance);
bool AnimationCommand(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
// wallpaper_target.cpp: its windows and their pixels.
bool WallpaperCommand(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
void ShowFirstDialogIfAsked(const char* commandLine);
// tests/reliability/churn_target.cpp: windows made and unmade by worker
// threads, the library's GDI objects, faults during an animation.
bool ChurnCommand(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
}  // namespace vornal::test

namespace {

using namespace vornal::test;

constexpr char kDraggedClass[] = "VornalDragTargetWindow";
HWND g_dragged = nullptr;

LRESULT DragState(HWND window) {
  if (window == nullptr || !IsWindow(window)) return kNoWindow;
  const bool layered = (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  const bool hasAlpha = GetLayeredWindowAttributes(window, &key, &alpha, &flags) &&
                        (flags & LWA_ALPHA) != 0;
  return EncodeDragState(layered, hasAlpha ? alpha : -1);
}

LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kBeginDrag: {
      if (g_dragged != nullptr) DestroyWindow(g_dragged);
      const bool dialog = (wParam & kAsDialog) != 0;
      const bool ownLayered = (wParam & kOwnLayered) != 0;
      g_dragged = CreateWindowExA(ownLayered ? WS_EX_LAYERED : 0,
                                  dialog ? "#32770" : kDraggedClass, "dragged",
                                  dialog ? WS_POPUP | WS_CAPTION | WS_SYSMENU : WS_OVERLAPPEDWINDOW,
                                  40, 40, LOWORD(wParam), static_cast<int>(lParam), nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
      if (g_dragged == nullptr) return kNoWindow;
      if (ownLayered) SetLayeredWindowAttributes(g_dragged, 0, kOwnAlpha, LWA_ALPHA);
      RECT rect{};
      GetWindowRect(g_dragged, &rect);
      SendMessageA(g_dragged, WM_MOVING, 0, reinterpret_cast<LPARAM>(&rect));
      return DragState(g_dragged);
    }
    case kEndDrag: {
      if (g_dragged == nullptr) return kNoWindow;
      SendMessageA(g_dragged, WM_EXITSIZEMOVE, 0, 0);
      const LRESULT state = DragState(g_dragged);
      DestroyWindow(g_dragged);
      g_dragged = nullptr;
      return state;
    }
    case kLibraryMapped:
      return GetModuleHandleA(wParam == kSecondLibrary ? "VornalLib32.dll" : "VornalLib.dll") != nullptr;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default: {
      LRESULT result = 0;
      if (AnimationCommand(message, wParam, lParam, result)) return result;
      if (WallpaperCommand(message, wParam, lParam, result)) return result;
      if (ChurnCommand(message, wParam, lParam, result)) return result;
      return DefWindowProcA(window, message, wParam, lParam);
    }
  }
}

// Nothing else is made first, not even the control window: the hook has
// to reach the thread by this window's creation alone.
int ShowFirstWindowBriefly(HINSTANCE instance) {
  WNDCLASSA first{};
  first.lpfnWndProc = DefWindowProcA;
  first.hInstance = instance;
  first.lpszClassName = "VornalFirstWindow";
  if (RegisterClassA(&first) == 0) return 1;
  const HWND window = CreateWindowExA(0, first.lpszClassName, "Vornal first window", WS_OVERLAPPEDWINDOW,
                                      kFirstWindowLeft, kFirstWindowTop, kFirstWindowWidth,
                                      kFirstWindowHeight, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  const DWORD start = GetTickCount();
  for (DWORD spent = 0; spent < kFirstWindowMs; spent = GetTickCount() - start) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kFirstWindowMs - spent, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  DestroyWindow(window);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
  if (arguments != nullptr && std::strstr(arguments, kFirstWindowArgument) != nullptr) {
    return ShowFirstWindowBriefly(instance);
  }
  ShowFirstDialogIfAsked(arguments);
  WNDCLASSA control{};
  control.lpfnWndProc = ControlProc;
  control.hInstance = instance;
  control.lpszClassName = kDragTargetClass;
  WNDCLASSA dragged{};
  dragged.lpfnWndProc = DefWindowProcA;
  dragged.hInstance = instance;
  dragged.lpszClassName = kDraggedClass;
  if (RegisterClassA(&control) == 0 || RegisterClassA(&dragged) == 0) return 1;
  StartAnimationTarget(instance);
  // A top-level window, so that broadcasts reach it as they reach any
  // program's windows; it is never shown.
  if (CreateWindowExA(0, kDragTargetClass, "Vornal drag target", WS_OVERLAPPED, 0, 0, 100, 100,
                      nullptr, nullptr, instance, nullptr) == nullptr) {
    return 1;
  }
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
