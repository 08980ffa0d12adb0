#include "form/spin_edits.h"

#include <cerrno>
#include <cstdlib>

#include "resources/resource_ids.h"

namespace vornal {
namespace {

constexpr SpinEditBounds Bounded16(int id) { return {id, 1, 65535, 5}; }
constexpr SpinEditBounds Byte(int id) { return {id, 0, 255, 3}; }

constexpr SpinEditBounds kSpinEdits[16] = {
    Bounded16(IDC_SpinEdit1),  Bounded16(IDC_SpinEdit2),  Bounded16(IDC_SpinEdit3),
    Bounded16(IDC_SpinEdit4),  Bounded16(IDC_SpinEdit5),  Bounded16(IDC_SpinEdit6),
    Bounded16(IDC_SpinEdit7),  Bounded16(IDC_SpinEdit8),  Bounded16(IDC_SpinEdit9),
    Bounded16(IDC_SpinEdit10), Bounded16(IDC_SpinEdit11), Bounded16(IDC_SpinEdit12),
    Byte(IDC_SpinEdit13),      Byte(IDC_SpinEdit14),      {IDC_SpinEdit15, 0, 0, 0},
    Bounded16(IDC_SpinEdit16),
};

}  // namespace

const SpinEditBounds& SpinEditFor(int n) { return kSpinEdits[n - 1]; }

long long SpinEditValue(const std::string& text, const SpinEditBounds& bounds) {
  const char* begin = text.c_str();
  char* end = nullptr;
  errno = 0;
  long long value = std::strtoll(begin, &end, 10);
  // Only a whole number with nothing around it; a huge number typed into
  // the unbounded edit saturates rather than wrapping.
  const bool valid = end != begin && *end == '\0' && (begin[0] == '-' || (begin[0] >= '0' && begin[0] <= '9'));
  if (!valid) return bounds.minValue;
  if (bounds.Bounded()) {
    if (value < bounds.minValue) value = bounds.minValue;
    if (value > bounds.maxValue) value = bounds.maxValue;
  }
  return value;
}

}  // namespace vornal
