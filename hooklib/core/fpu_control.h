// Runs the library's own start-up and reload work with the x87 control word
// it was written for (all exceptions masked, 64-bit precision, round to
// nearest), and gives the host thread back its environment afterwards.
// Changing the host's control word for good would alter the host program's
// own arithmetic (and could unmask exceptions it does not expect).
#pragma once

#include <cstdint>

namespace vornal::hooklib {

inline constexpr std::uint16_t kLibraryControlWord = 0x133F;

class FpuControlScope {
 public:
  FpuControlScope() noexcept {
    // The whole environment, not only the control word: restoring it also
    // drops any exception flags that the library's own work raised, which an
    // unmasked host control word would otherwise turn into a fault at the
    // host's next floating-point instruction.
    asm volatile("fnstenv %0" : "=m"(saved_));
    const std::uint16_t word = kLibraryControlWord;
    asm volatile("fldcw %0" : : "m"(word));
  }
  ~FpuControlScope() noexcept { asm volatile("fldenv %0" : : "m"(saved_)); }

  FpuControlScope(const FpuControlScope&) = delete;
  FpuControlScope& operator=(const FpuControlScope&) = delete;

 private:
  // The 28-byte protected-mode environment of fnstenv; same in 64-bit mode.
  struct Environment {
    std::uint32_t words[7];
  } saved_;
};

}  // namespace vornal::hooklib
