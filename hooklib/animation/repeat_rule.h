// The repeat restriction ("Do not animate for ... milliseconds after
// previous window opens"): no animation starts within the window of time
// after the last open or close that passed the size limits.
#pragma once

#include <cstdint>

namespace vornal::hooklib {

// now and last are timeGetTime milliseconds. The time since last is taken
// in unsigned 32-bit arithmetic, so that the restriction holds the same
// across the clock's wrap after 49.7 days as at any other moment.
bool RepeatAllows(bool restricted, std::uint16_t windowMs, std::uint32_t last,
                  std::uint32_t now) noexcept;

}  // namespace vornal::hooklib
