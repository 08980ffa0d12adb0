// The outcome of one registry call. Kept apart from the registry wrapper so
// that the read rules, which only pass these outcomes on, build and are
// tested where there is no registry.
#pragma once

#include <cstdint>

namespace vornal {

enum class RegResult : std::uint8_t {
  Ok,
  Missing,    // no such value or key
  WrongType,  // the value exists with another registry type or size
  TooLarge,   // the value does not fit the caller's buffer
  Failed,     // access denied or any other registry error
};

}  // namespace vornal
