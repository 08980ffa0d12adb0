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

// Whether a program whose last reload was for lastTaken reloads for a
// broadcast of generation.
constexpr bool ReloadDue(std::uint32_t lastTaken, std::uint32_t generation) noexcept {
  return generation == kReloadAlways || generation != lastTaken;
}

}  // namespace vornal
