#include "reliability_support.h"

#include <cstdlib>

#include "vornal_settings_key.h"

namespace vornal::test {

DWORD SoakSeconds() {
  char text[32] = {};
  const DWORD n = GetEnvironmentVariableA("VORNAL_SOAK_SECONDS", text, sizeof text);
  return n > 0 && n < sizeof text ? static_cast<DWORD>(std::strtoul(text, nullptr, 10)) : 0;
}

RunFor::RunFor(int rounds, double soakShare)
    : rounds_(rounds),
      soakMs_(static_cast<DWORD>(SoakSeconds() * 1000.0 * soakShare)),
      start_(GetTickCount64()) {}

bool RunFor::More(int done) const {
  return done < rounds_ || GetTickCount64() - start_ < soakMs_;
}

std::uint32_t Dice::Next() {
  std::uint32_t z = state_ += 0x9E3779B9u;
  z = (z ^ (z >> 16)) * 0x85EBCA6Bu;
  z = (z ^ (z >> 13)) * 0xC2B2AE35u;
  return z ^ (z >> 16);
}

std::string TempPath(const char* name) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

void EveryEffectOn(WORD durationMs, const std::string& windowPicture, const std::string& mdiPicture,
                   const std::string& tvPicture) {
  ResetSettingsKey();
  // Every check the library reads, up to the list-view wallpaper, but the
  // repeat restriction, which would let most animations go.
  for (Check c : kAllChecks) {
    if (NumberOf(c) > NumberOf(Check::ListViewWallpaper)) break;
    SetSettingsDword(ValueNameOf(c), c == Check::RepeatLimited ? 0 : 1);
  }
  SetSettingsDword(ValueNameOf(Spin::OpenDuration), durationMs);
  SetSettingsDword(ValueNameOf(Spin::CloseDuration), durationMs);
  SetSettingsDword(ValueNameOf(Radio::ShadowDialogsOnly), 0);  // shadows on every class
  SetSettingsDword(ValueNameOf(Radio::PatchOn), 1);  // the patch
  SetSettingsText("WindowWallpaper", windowPicture.c_str());
  SetSettingsText("MDIWallpaper", mdiPicture.c_str());
  SetSettingsText("TVWallpaper", tvPicture.c_str());
}

WineProgram::WineProgram(const char* exe) : exe_(exe) {
  char folder[MAX_PATH] = {};
  GetWindowsDirectoryA(folder, MAX_PATH);
  // regedit and notepad live in the Windows folder, the rest in system32.
  for (const char* sub : {"\\", "\\system32\\"}) {
    std::string path = std::string(folder) + sub + exe;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
    std::string command = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &started)) {
      process_ = ProcessHandles(started);
      WaitForInputIdle(process_.process.Get(), 20000);
    }
    return;
  }
}

WineProgram::~WineProgram() {
  if (!process_.process) return;
  TerminateProcess(process_.process.Get(), 0);
  WaitForSingleObject(process_.process.Get(), 10000);
}

bool WineProgram::Running() const {
  return process_.process && WaitForSingleObject(process_.process.Get(), 0) == WAIT_TIMEOUT;
}

namespace {

struct FirstWindow {
  DWORD process;
  HWND found;
};

BOOL CALLBACK FindFirst(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<FirstWindow*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != s->process || !IsWindowVisible(window)) return TRUE;
  s->found = window;
  return FALSE;
}

}  // namespace

long WineProgram::AnswerMs(DWORD limitMs) const {
  FirstWindow s{process_.id, nullptr};
  EnumWindows(FindFirst, reinterpret_cast<LPARAM>(&s));
  if (s.found == nullptr) return -1;
  const ULONGLONG start = GetTickCount64();
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(s.found, WM_NULL, 0, 0, SMTO_NORMAL, limitMs, &result)) return -1;
  return static_cast<long>(GetTickCount64() - start);
}

}  // namespace vornal::test
