// Owns a mapped view of a section and unmaps it on every path: the
// published pictures hold one view per set, replaced whole at every apply,
// and a hooked process maps the directory for a moment at every reload.
#pragma once

#include <windows.h>

#include "unique_resource.h"

namespace vornal {

inline void UnmapView(void* view) noexcept { UnmapViewOfFile(view); }

using UniqueView = UniqueResource<NullIsNothing<void*, UnmapView>>;

}  // namespace vornal
