// Which routes have anything to do under a set of options. Pure, so that
// it is tested natively.
#pragma once

#include <cstdint>

#include "dispatch/message_routes.h"
#include "options/library_options.h"

namespace vornal::hooklib {

// The bit of a route in a set of routes.
constexpr std::uint32_t RouteBit(Route route) noexcept {
  return std::uint32_t{1} << static_cast<unsigned>(route);
}

// The routes whose handlers can do anything under these options. The hook
// procedure tests its message's bit before it calls a handler, so that a
// message of a switched-off effect costs one test. The end of a move stays
// routed whatever the options say: a window made transparent before a
// reload switched dragging off (or excluded the program) must still become
// opaque again.
std::uint32_t ActiveRoutes(const LibraryOptions& options) noexcept;

}  // namespace vornal::hooklib
