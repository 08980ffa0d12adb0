// What the reliability tests share: how long a run lasts (longer in a
// soak), a seeded generator, the settings with every effect on, and Wine's
// own programs as hooked programs that nobody here wrote.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "unique_handle.h"

namespace vornal::test {

// How long a part of the suite goes on. The test command runs each part a
// fixed number of rounds; a soak (scripts/test --soak, through the
// environment variable VORNAL_SOAK_SECONDS) runs each for its share of the
// soak's seconds instead, and at least those rounds.
DWORD SoakSeconds();
class RunFor {
 public:
  RunFor(int rounds, double soakShare);
  bool More(int done) const;
  DWORD Milliseconds() const { return soakMs_; }  // 0 outside a soak

 private:
  int rounds_;
  DWORD soakMs_;
  ULONGLONG start_;
};

// A small generator of our own, so that a seed gives the same case on
// every machine and a failure can be replayed from the seed it prints.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : state_(seed * 0x9E3779B9u + 0x6A09E667u) {}
  std::uint32_t Next();
  std::uint32_t Below(std::uint32_t n) { return n == 0 ? 0 : Next() % n; }
  bool OneIn(std::uint32_t n) { return Below(n) == 0; }

 private:
  std::uint32_t state_;
};

// A file in the temporary folder, by name.
std::string TempPath(const char* name);

// The settings key with every effect on: opening and closing animated
// (titled windows and popups, the box, durationMs each), shadows,
// transparent dragging, the three wallpapers on these pictures, the patch
// switch on.
void EveryEffectOn(WORD durationMs, const std::string& windowPicture, const std::string& mdiPicture,
                   const std::string& tvPicture);

// One of Wine's own programs, started from its system folder; ended when
// this goes.
class WineProgram {
 public:
  explicit WineProgram(const char* exe);
  ~WineProgram();
  WineProgram(const WineProgram&) = delete;
  WineProgram& operator=(const WineProgram&) = delete;

  const char* Name() const { return exe_; }
  bool Running() const;
  // Milliseconds its first top-level window took to answer a sent
  // message, or -1 when it has none or none answered within limitMs.
  long AnswerMs(DWORD limitMs) const;

 private:
  const char* exe_;
  ProcessHandles process_;
};

}  // namespace vornal::test
