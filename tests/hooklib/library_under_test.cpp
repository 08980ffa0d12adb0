#include "library_under_test.h"

#include <gtest/gtest.h>

#include "cross_process_names.h"
#include "program_folder.h"
#include "vornal_settings_key.h"

namespace vornal::test {
namespace {

constexpr unsigned short kHostControlWord = 0x027F;

LoadedLibrary g_library;
unsigned short g_controlWordAfterFirstCall = 0;

// The first hook call of the process runs the library's start-up, so it is
// made exactly once, before any test, with a host control word that differs
// from the one the library uses for itself.
class LibraryEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    ResetSettingsKey();
    const std::string path = BesideThisProgram("VornalLib.dll");
    g_library.module = LoadLibraryA(path.c_str());
    ASSERT_NE(g_library.module, nullptr) << path;
    g_library.hook = reinterpret_cast<HookProc>(
        reinterpret_cast<void (*)()>(GetProcAddress(g_library.module, kHookProcedureName)));
    g_library.setup = reinterpret_cast<SetupProc>(
        reinterpret_cast<void (*)()>(GetProcAddress(g_library.module, kSetupProcedureName)));
    ASSERT_NE(g_library.hook, nullptr);
    ASSERT_NE(g_library.setup, nullptr);

    const unsigned short before = ReadControlWord();
    WriteControlWord(kHostControlWord);
    CWPRETSTRUCT record{};
    record.message = WM_NULL;
    g_library.hook(HC_ACTION, 0, reinterpret_cast<LPARAM>(&record));
    g_controlWordAfterFirstCall = ReadControlWord();
    WriteControlWord(before);
  }

  void TearDown() override {
    DeleteSettingsKey();
    // The library stays loaded: Windows would not unload a hook library
    // under a running hook call either, and the process ends next.
  }
};

const auto* const g_environment =
    ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);

}  // namespace

const LoadedLibrary& Library() {
  EXPECT_NE(g_library.hook, nullptr) << "VornalLib.dll is not loaded";
  return g_library;
}

unsigned short ControlWordAfterFirstCall() { return g_controlWordAfterFirstCall; }

unsigned short ReadControlWord() {
  unsigned short word = 0;
  asm volatile("fnstcw %0" : "=m"(word));
  return word;
}

void WriteControlWord(unsigned short word) { asm volatile("fldcw %0" : : "m"(word)); }

LRESULT Deliver(UINT message, HWND window, int nCode, WPARAM wParam, LPARAM lParam) {
  CWPRETSTRUCT record{};
  record.message = message;
  record.hwnd = window;
  record.wParam = wParam;
  record.lParam = lParam;
  const HookProc hook = Library().hook;
  return hook == nullptr ? -1 : hook(nCode, 0, reinterpret_cast<LPARAM>(&record));
}

UINT SettingsUpdatedMessage() { return RegisterWindowMessageA(kSettingsUpdatedMessage); }

void Reload() { Deliver(SettingsUpdatedMessage(), nullptr); }

}  // namespace vornal::test
