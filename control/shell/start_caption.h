// The Start button caption for each mode, as a pure function of the inputs.
#pragma once

#include <cstdint>
#include <string>

namespace vornal {

// Free physical memory in the caption's short form: whole megabytes up to
// 999, then gigabytes with two decimals (4 digits of megabytes) or one
// decimal (5 digits). For 6 or more digits useSaved is set and the result
// is empty: the saved caption is shown instead. decimalSeparator is the
// user's.
std::string FreeMemoryCaption(std::uint64_t freeBytes, char decimalSeparator, bool& useSaved);

}  // namespace vornal
