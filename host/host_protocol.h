// What passes between the 64-bit control program and the hook host, the
// small 32-bit program that installs the 32-bit library's hook for the
// 32-bit programs of the desktop. The host has no window and no tray icon,
// and of the settings it reads the exclusions only: its command line
// carries four inherited handles, and its
// exit code says how it ended.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vornal {

// The files, in the control program's folder. Windows requires different
// names for the 32-bit and the 64-bit hook library.
inline constexpr char kHostFileName[] = "VornalHost32.exe";
inline constexpr char kHostLibraryFileName[] = "VornalLib32.dll";

// Handles the host inherits, as their values. Between the bitnesses only
// the low 32 bits of a handle are significant, so each travels as an
// unsigned 32-bit number.
struct HostHandles {
  std::uint32_t controlProcess = 0;  // the control program: its end ends the host
  std::uint32_t stopEvent = 0;       // set by the control program: remove the hook
  std::uint32_t readyEvent = 0;      // set by the host once its hook is installed
  // Set by the control program at each apply: read the exclusions and find
  // the threads to hook again. Auto-reset.
  std::uint32_t rescanEvent = 0;
};

inline constexpr std::size_t kHostHandleCount = 4;
// Room for four 32-bit numbers in decimal, three blanks and the terminator.
inline constexpr std::size_t kHostArgumentsSize = kHostHandleCount * 10 + (kHostHandleCount - 1) + 1;
// Writes the arguments as a terminated text into out.
void FormatHostArguments(const HostHandles& handles, char (&out)[kHostArgumentsSize]);
// Four decimal numbers, each non-zero and within 32 bits, separated by
// blanks; anything else is refused.
std::optional<HostHandles> ParseHostArguments(std::string_view arguments);

// How the host ended.
enum HostExitCode : unsigned long {
  kHostHookRemoved = 0,     // ran, then removed its hook as told or when the control program ended
  kHostBadArguments = 2,    // not started by the control program
  kHostLibraryFailed = 3,   // the library is missing, damaged, or refused by SetWindowsHookEx
  kHostAlreadyRunning = 4,  // another host kept running
  kHostUnhookFailed = 5,    // the hook could not be removed (it ends with the host's thread)
};

}  // namespace vornal
