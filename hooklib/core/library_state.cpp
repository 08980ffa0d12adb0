#include "core/library_state.h"

namespace vornal::hooklib {

LibraryState g_library;

}  // namespace vornal::hooklib
