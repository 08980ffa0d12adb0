// The values of a family of options as numbers (flags as 0 or 1), so that a
// test compares whole families at once and a failure lists both.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "settings_record.h"

namespace vornal::test {

template <typename Option, std::size_t N>
std::vector<std::uint32_t> ValuesOf(const Settings& settings, const std::array<Option, N>& options) {
  std::vector<std::uint32_t> values;
  for (Option option : options) values.push_back(settings.Get(option));
  return values;
}

}  // namespace vornal::test
