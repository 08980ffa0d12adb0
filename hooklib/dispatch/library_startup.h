// The library's start-up in each process. It runs on the first call of the
// hook procedure rather than in DllMain: registry and window calls under the
// loader lock can deadlock the host.
#pragma once

namespace vornal::hooklib {

// True once start-up has completed in this process. The first caller runs
// it; a caller on another thread that finds it in progress gets false at
// once instead of waiting, and its message simply goes on unhandled.
bool EnsureStarted() noexcept;

// The library leaves the process. On FreeLibrary (processTerminating
// false) the wallpapers' GDI objects are given back. When the process is
// ending, its other threads are gone, perhaps in the middle of a handler,
// and the system reclaims everything: nothing is touched then.
void ProcessDetachHandler(bool processTerminating) noexcept;

}  // namespace vornal::hooklib
