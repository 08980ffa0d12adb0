// Which programs the patch reaches. A hook library reaches only programs
// of its own bitness: on 64-bit Windows the 64-bit program installs its own
// library's hook and a host installs the 32-bit one. The dialog says under
// the patch state which of them run, once, instead of an error at every
// Apply for what the system cannot do.
#pragma once

#include <string>

namespace vornal {

// The programs of the other bitness than the control program's own.
enum class OtherBitness {
  None,         // 32-bit Windows: every program has the program's bitness
  Unserved,     // a 32-bit control program on 64-bit Windows
  Running,      // the host's hook reaches the 32-bit programs
  Failed,       // the host did not start, or its library failed
  Unsupported,  // 64-bit Windows that runs no 32-bit programs
};

// How a host that could not even be created counts: where the system runs
// no 32-bit programs, or refuses the file for its machine type, there is
// nothing to reach; anything else (the file missing, say) is a failure.
OtherBitness UncreatedHost(unsigned long createError, bool systemRuns32Bit);

// How a host that was created but ended before it was ready counts. A host
// that ran says why with an exit code of its own (its library failed,
// another host runs): a failure. Any other end is Windows ending a program
// it could not run (a 64-bit Wine without 32-bit support ends it at once
// with code 0): nothing to reach where the system runs no 32-bit programs,
// a failure where it does.
OtherBitness EndedHost(unsigned long exitCode, bool systemRuns32Bit);

// The status line under "Patch is running.": empty while nothing runs or
// when the one hook reaches every program.
std::string ReachText(bool ownRunning, OtherBitness other);

}  // namespace vornal
