#include "hook/hook_reach.h"

#include "host_protocol.h"

namespace vornal {
namespace {

constexpr unsigned long kBadExeFormat = 193;             // ERROR_BAD_EXE_FORMAT
constexpr unsigned long kExeMachineTypeMismatch = 216;   // ERROR_EXE_MACHINE_TYPE_MISMATCH

}  // namespace

OtherBitness UncreatedHost(unsigned long createError, bool systemRuns32Bit) {
  if (!systemRuns32Bit || createError == kBadExeFormat || createError == kExeMachineTypeMismatch) {
    return OtherBitness::Unsupported;
  }
  return OtherBitness::Failed;
}

OtherBitness EndedHost(unsigned long exitCode, bool systemRuns32Bit) {
  switch (exitCode) {
    case kHostBadArguments:
    case kHostLibraryFailed:
    case kHostAlreadyRunning:
    case kHostUnhookFailed:
      return OtherBitness::Failed;
    default:
      // The host ends with kHostHookRemoved only after it was ready.
      return systemRuns32Bit ? OtherBitness::Failed : OtherBitness::Unsupported;
  }
}

std::string ReachText(bool ownRunning, OtherBitness other) {
  if (!ownRunning) {
    return other == OtherBitness::Running ? "Only for 32-bit programs: VornalLib.dll failed." : "";
  }
  switch (other) {
    case OtherBitness::Unserved: return "Not for 64-bit programs: use the 64-bit edition.";
    case OtherBitness::Running: return "For 64-bit and 32-bit programs.";
    case OtherBitness::Failed: return "Not for 32-bit programs: VornalHost32.exe failed.";
    case OtherBitness::Unsupported: return "For 64-bit programs; this system runs no 32-bit ones.";
    case OtherBitness::None: break;
  }
  return "";
}

}  // namespace vornal
