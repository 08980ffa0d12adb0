// The spin edits of the dialog: an edit with an up-down control, holding a
// whole number within bounds. Platform-free, so the value rule is tested
// natively.
#pragma once

#include <cstdint>
#include <string>

namespace vornal {

struct SpinEditBounds {
  int id;
  long long minValue;
  long long maxValue;  // minValue == maxValue: no bounds and no digit limit
  int digits;          // most digits that can be typed; 0 for no limit

  bool Bounded() const { return minValue != maxValue; }
};

// Spin edit N (1 to 16) as the dialog has it.
const SpinEditBounds& SpinEditFor(int n);

// The value a spin edit's text stands for: text that is not a whole number
// gives the minimum, and a bounded spin edit keeps its value in bounds.
long long SpinEditValue(const std::string& text, const SpinEditBounds& bounds);

}  // namespace vornal
