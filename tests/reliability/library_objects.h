// The GDI objects the hook library holds in this process, counted at its
// own imports: what it makes (CreateCompatibleDC, CreateDIBSection,
// LoadImageA, GetDC) goes into a set, what it gives back (DeleteDC,
// DeleteObject, ReleaseDC) leaves it. Objects made before the counting
// began are not in the set, and their release is ignored.
#pragma once

namespace vornal::test {

// Starts counting the first time (the library must be mapped); the number
// of objects in the set, or -1 without the library.
long LibraryObjects();

}  // namespace vornal::test
