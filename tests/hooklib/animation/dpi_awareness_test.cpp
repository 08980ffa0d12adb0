// The scope that reads window rectangles in physical pixels: the thread is
// per-monitor aware inside it and as it was before, outside.
#include <gtest/gtest.h>

#include <windows.h>

#include "core/dpi_awareness_scope.h"
#include "core/library_state.h"
#include "dispatch/library_startup.h"

namespace vornal::hooklib {
namespace {

using GetThreadContextProc = HANDLE(WINAPI*)();
using AwarenessOfProc = int(WINAPI*)(HANDLE);

template <typename Proc>
Proc User32(const char* name) {
  return reinterpret_cast<Proc>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
}

TEST(DpiAwarenessScope, SwitchesToPerMonitorAndRestoresTheThreadsOwnAwareness) {
  ASSERT_TRUE(EnsureStarted());
  const auto current = User32<GetThreadContextProc>("GetThreadDpiAwarenessContext");
  const auto awarenessOf = User32<AwarenessOfProc>("GetAwarenessFromDpiAwarenessContext");
  if (g_library.setThreadDpiAwarenessContext == nullptr || current == nullptr ||
      awarenessOf == nullptr) {
    GTEST_SKIP() << "this system cannot switch a thread's DPI awareness";
  }
  // DPI_AWARENESS: unaware 0, system aware 1, per-monitor aware 2.
  const struct { const char* name; INT_PTR context; int before; } cases[] = {
      {"unaware", -1, 0}, {"system aware", -2, 1}, {"per-monitor aware", -3, 2}};
  const HANDLE original = current();
  for (const auto& c : cases) {
    ASSERT_NE(g_library.setThreadDpiAwarenessContext(reinterpret_cast<HANDLE>(c.context)), nullptr)
        << c.name;
    {
      const DpiAwarenessScope scope;
      EXPECT_TRUE(scope.Switched()) << c.name;
      EXPECT_EQ(awarenessOf(current()), 2) << c.name << ", inside the scope";
    }
    EXPECT_EQ(awarenessOf(current()), c.before) << c.name << ", after the scope";
  }
  g_library.setThreadDpiAwarenessContext(original);
}

}  // namespace
}  // namespace vornal::hooklib
