// Which apply a "Vornal_SettingsUpdated" broadcast stands for. The
// broadcast reaches every top-level window, and a program may have a
// hundred of them (hidden ones count); the generation in its wParam lets a
// program read the settings once per apply. 0 asks for a reload whatever
// came before, as every older sender did.
#pragma once

#include <cstdint>

namespace vornal {

inline constexpr std::uint32_t kReloadAlways = 0;

// The generation of the next apply: one more, never 0.
constexpr std::uint32_t NextReloadGeneration(std::uint32_t previous) noexcept {
  return previous + 1 != kReloadAlways ? previous + 1 : previous + 2;
}

// The generations a program has reloaded for lately. Each of its threads
// hands the broadcasts to its windows when it next looks at its messages,
// so a busy thread may still meet a generation that others have left
// several behind: the last one alone cannot tell it was read. A thread as
// far behind as all of them reads the settings once more, which is
// harmless.
struct RecentReloads {
  static constexpr int kKept = 32;
  std::uint32_t taken[kKept] = {};  // kReloadAlways, never taken, where none yet
  int next = 0;
};

// Whether a program with those recent reloads reloads for a broadcast of
// generation; one that does counts it among them.
constexpr bool TakeReload(RecentReloads& recent, std::uint32_t generation) noexcept {
  if (generation == kReloadAlways) return true;
  for (const std::uint32_t taken : recent.taken) {
    if (taken == generation) return false;
  }
  recent.taken[recent.next] = generation;
  recent.next = (recent.next + 1) % RecentReloads::kKept;
  return true;
}

}  // namespace vornal
