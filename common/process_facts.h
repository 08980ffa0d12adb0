// What the choice of hooked threads needs to know of a process, read once
// per process: its full image path, its bitness, and a handle that tells
// when it has ended (a process id is reused soon after).
#pragma once

#include <windows.h>

#include <string>

#include "unique_handle.h"

namespace vornal {

struct ProcessFacts {
  UniqueHandle process;  // waitable; null where the process could not be opened
  // Of the calling program's bitness. A hook of the other bitness is the
  // other program's (or the host's) to set.
  bool sameBitness = false;
  // The full image path, at any length; empty where it could not be read
  // (a process of higher integrity, one that has just ended).
  std::string imagePath;
};

// Opens the process and reads its facts.
ProcessFacts ReadProcessFacts(DWORD processId);

// Whether the object behind a waitable handle (a process, a thread) has
// ended; a null handle counts as ended.
bool HasEnded(HANDLE waitable) noexcept;

}  // namespace vornal
