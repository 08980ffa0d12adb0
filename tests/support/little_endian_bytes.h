// Writes little-endian fields into a byte buffer, as bitmap files hold
// them; tests build whole and damaged files with these.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vornal {

inline void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
inline void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  Put16(b, at, v & 0xFFFF);
  Put16(b, at + 2, v >> 16);
}

}  // namespace vornal
