// The settings reads of the hook library in this process, counted at its
// own import of RegOpenKeyExA: a reload opens the settings key once, and
// nothing else the library does opens it, so each open of that key is one
// reload.
#pragma once

namespace vornal::test {

// Starts counting the first time (the library must be mapped); the reads
// since then, or -1 without the library.
long LibraryReloads();

}  // namespace vornal::test
