#include "animation/repeat_rule.h"

namespace vornal::hooklib {

bool RepeatAllows(bool restricted, std::uint16_t windowMs, std::uint32_t last,
                  std::uint32_t now) noexcept {
  return !restricted || static_cast<std::uint32_t>(now - last) > windowMs;
}

}  // namespace vornal::hooklib
