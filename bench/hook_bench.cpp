// Times VornalHook per call on the paths every hooked thread takes for
// almost every message, and prints the library's file size. The library is
// loaded from this program's folder and called directly; it reads whatever
// settings the current user has and changes none of them.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

using HookProc = LRESULT(CALLBACK*)(int, WPARAM, LPARAM);

std::string BesideThisProgram(const char* fileName) {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n < MAX_PATH ? n : 0);
  folder.erase(folder.find_last_of("\\/") + 1);
  return folder + fileName;
}

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Nanoseconds per call of call(), best of a few rounds.
template <typename Call>
double NanosecondsPerCall(int calls, Call&& call) {
  double best = 1e300;
  for (int round = 0; round < 5; ++round) {
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < calls; ++i) call();
    QueryPerformanceCounter(&end);
    const double ns = Seconds(start, end) * 1e9 / calls;
    if (ns < best) best = ns;
  }
  return best;
}

HWND MakeWindow(DWORD exStyle, int width, int height) {
  return CreateWindowExA(exStyle, "STATIC", "bench", WS_POPUP, 0, 0, width, height, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Points the library's import of user32's CallNextHookEx at a stub, so that
// the library's own share of a call can be timed apart from the system's
// (under Wine, CallNextHookEx is a round trip to the Wine server).
LRESULT WINAPI NextHookStub(HHOOK, int, WPARAM, LPARAM) { return 0; }

bool ReplaceCallNextHookEx(HMODULE module) {
  auto* base = reinterpret_cast<BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (dir.VirtualAddress == 0) return false;
  for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
       imp->Name != 0; ++imp) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + imp->Name), "user32.dll") != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), "CallNextHookEx") != 0) continue;
      DWORD old = 0;
      if (!VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &old)) {
        return false;
      }
      slots->u1.Function = reinterpret_cast<ULONG_PTR>(&NextHookStub);
      VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
      return true;
    }
  }
  return false;
}

// Whether the stored settings switch transparent dragging on; only then does
// WM_MOVING get past the first test of a window's extended style.
bool DraggingSwitchedOn() {
  DWORD value = 0;
  DWORD size = sizeof value;
  return RegGetValueA(HKEY_CURRENT_USER, "Software\\Vornal", "CheckBoxChecked9", RRF_RT_REG_DWORD,
                      nullptr, &value, &size) == ERROR_SUCCESS &&
         value != 0;
}

bool IsLayered(HWND window) {
  return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

}  // namespace

int main() {
  const std::string path = BesideThisProgram("VornalLib.dll");
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &attributes)) {
    std::printf("cannot find %s\n", path.c_str());
    return 1;
  }
  const HMODULE module = LoadLibraryA(path.c_str());
  const auto hook = module == nullptr
                        ? nullptr
                        : reinterpret_cast<HookProc>(reinterpret_cast<void (*)()>(
                              GetProcAddress(module, "VornalHook")));
  if (hook == nullptr) {
    std::printf("cannot load VornalHook from %s\n", path.c_str());
    return 1;
  }
  std::printf("VornalLib.dll: %lu bytes\n", static_cast<unsigned long>(attributes.nFileSizeLow));

  // A window the library never makes transparent whatever the settings:
  // layered by its own program, as a dragged window is for every WM_MOVING
  // after the first. And one too large for the default size limits.
  const HWND ownLayered = MakeWindow(WS_EX_LAYERED, 300, 200);
  SetLayeredWindowAttributes(ownLayered, 0, 128, LWA_ALPHA);
  const HWND large = MakeWindow(0, 2000, 1600);

  CWPRETSTRUCT unlisted{};
  unlisted.message = WM_SIZE;
  unlisted.hwnd = ownLayered;
  CWPRETSTRUCT movingLayered{};
  movingLayered.message = WM_MOVING;
  movingLayered.hwnd = ownLayered;
  CWPRETSTRUCT movingLarge{};
  movingLarge.message = WM_MOVING;
  movingLarge.hwnd = large;
  CWPRETSTRUCT reload{};
  reload.message = RegisterWindowMessageA("Vornal_SettingsUpdated");

  LARGE_INTEGER start;
  LARGE_INTEGER end;
  QueryPerformanceCounter(&start);
  hook(HC_ACTION, 0, reinterpret_cast<LPARAM>(&unlisted));
  QueryPerformanceCounter(&end);
  std::printf("first call (start-up in this process): %.0f us\n", Seconds(start, end) * 1e6);

  const auto timeAll = [&](const char* heading, int calls) {
    const auto per = [&](const CWPRETSTRUCT& record, int n) {
      return NanosecondsPerCall(n, [&] { hook(HC_ACTION, 0, reinterpret_cast<LPARAM>(&record)); });
    };
    std::printf("%s\n", heading);
    std::printf("  unlisted message (WM_SIZE):             %10.1f ns per call\n", per(unlisted, calls));
    std::printf("  WM_MOVING, window already layered:      %10.1f ns per call\n",
                per(movingLayered, calls));
    std::printf("  WM_MOVING, 2000x1600 window:            %10.1f ns per call%s\n",
                per(movingLarge, calls),
                IsLayered(large) ? " (it qualified under the current settings)" : "");
    std::printf("  settings reload:                        %10.1f ns per call\n", per(reload, 200));
  };

  std::printf("transparent dragging in the stored settings: %s\n",
              DraggingSwitchedOn() ? "on" : "off (WM_MOVING stops at the extended style)");
  std::printf("CallNextHookEx alone, outside a hook chain: %10.1f ns per call\n",
              NanosecondsPerCall(20000, [] { CallNextHookEx(nullptr, HC_ACTION, 0, 0); }));
  timeAll("VornalHook as loaded:", 20000);
  if (ReplaceCallNextHookEx(module)) {
    timeAll("VornalHook with CallNextHookEx replaced by an empty stub (the library's own share):",
            2000000);
  } else {
    std::printf("could not replace CallNextHookEx in the library's imports\n");
  }

  if (IsLayered(large)) {
    CWPRETSTRUCT exit{};
    exit.message = WM_EXITSIZEMOVE;
    exit.hwnd = large;
    hook(HC_ACTION, 0, reinterpret_cast<LPARAM>(&exit));
  }
  DestroyWindow(large);
  DestroyWindow(ownLayered);
  return 0;
}
