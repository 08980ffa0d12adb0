// One real Vornal.exe in its own process, driven as a user would, with the
// Wine session's real HKEY_CURRENT_USER (the tests hold the registry lock).
#pragma once

#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "cross_process_names.h"
#include "option_catalogue.h"
#include "program_under_test.h"
#include "registry_key.h"
#include "registry_layout.h"
#include "resources/resource_ids.h"
#include "unique_handle.h"

namespace vornal::test {

inline void ForgetEverythingVornalStored() {
  RegistryKey::DeleteTree(HKEY_CURRENT_USER, kSettingsKeyPath);
  RegistryKey::OpenOrCreate(HKEY_CURRENT_USER, kRunKeyPath).DeleteValue(kRunValueName);
  RegistryKey toolbar = RegistryKey::OpenOrCreate(HKEY_CURRENT_USER, kToolbarKeyPath);
  toolbar.DeleteValue(kShellToolbarValueName);
  toolbar.DeleteValue(kBrowserToolbarValueName);
}

inline bool HasSettingsKey() { return RegistryKey::KeyExists(HKEY_CURRENT_USER, kSettingsKeyPath); }

inline std::uint32_t StoredDword(const char* name) {
  std::uint32_t v = 0xFFFFFFFFu;
  RegistryKey::OpenForRead(HKEY_CURRENT_USER, kSettingsKeyPath).ReadDword(name, v);
  return v;
}
inline std::uint32_t StoredDword(const ValueName& name) { return StoredDword(name.c_str()); }

// Calls visit with the id of every running process of that executable.
template <typename Visit>
void ForEachProcess(const char* exeName, Visit visit) {
  const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.Get(), &entry); more;
       more = Process32Next(snapshot.Get(), &entry)) {
    if (lstrcmpiA(entry.szExeFile, exeName) == 0) visit(entry.th32ProcessID);
  }
}

inline int CountProcesses(const char* exeName) {
  int count = 0;
  ForEachProcess(exeName, [&](DWORD) { ++count; });
  return count;
}

// Ends every process of that executable; for clearing up after a failure,
// since a Wine process left behind holds the test's output open.
inline void KillProcesses(const char* exeName) {
  ForEachProcess(exeName, [](DWORD id) {
    if (const UniqueHandle process{OpenProcess(PROCESS_TERMINATE, FALSE, id)}) {
      TerminateProcess(process.Get(), 1);
    }
  });
}

// One running Vornal.exe and its form.
class VornalProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    ForgetEverythingVornalStored();
    ASSERT_EQ(CountProcesses("Vornal.exe"), 0) << "an earlier Vornal.exe is still running";
  }

  void TearDown() override {
    if (form != nullptr && !app.HasExited()) {
      PostMessageA(form, WM_COMMAND, IDM_Exit1, 0);
      EXPECT_TRUE(app.HasExited(20000)) << "Exit ends the program";
      EXPECT_EQ(app.ExitCode(), 0u);
    }
    app.Kill();
    ForgetEverythingVornalStored();
  }

  void Launch(const std::string& path = BesideThisProgram("Vornal.exe")) {
    const ULONGLONG start = GetTickCount64();
    ASSERT_TRUE(app.Start(path));
    ASSERT_TRUE(WaitFor([&] { return (form = app.FindTopLevel(kFormClassName, "Vornal")) != nullptr; }));
    ASSERT_TRUE(WaitFor([&] { return StartedUp(); }));
    startMs = GetTickCount64() - start;
  }

  // Start-up has finished once the status has been written and the form
  // takes input again.
  bool StartedUp() const {
    return WindowText(Control(IDC_LabelStatus)).rfind("Patch", 0) == 0 && IsWindowEnabled(form);
  }

  HWND Control(int id) const { return ProgramUnderTest::FindControl(form, id); }

  // Runs a tray menu item as the menu would.
  void MenuCommand(int id) {
    SendMessageTimeoutA(form, WM_COMMAND, MAKEWPARAM(id, 0), 0, SMTO_ABORTIFHUNG, 60000, nullptr);
  }

  HWND ErrorBox() const { return app.FindTopLevel("#32770", "Error"); }

  // Presses Apply where the library fails to start: waits for the error
  // box, hands back its text, closes it and waits until the form takes
  // input again.
  void ApplyThroughTheStartError(std::string* text = nullptr) {
    ClickLater(Control(IDC_ButtonApply));
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = ErrorBox()) != nullptr; }));
    if (text != nullptr) *text = WindowText(ProgramUnderTest::FindControl(box, 0xFFFF));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return ErrorBox() == nullptr && IsWindowEnabled(form); }));
  }

  ProgramUnderTest app;
  HWND form = nullptr;
  ULONGLONG startMs = 0;  // from the process start to the idle status
};

}  // namespace vornal::test
