#include "exclusion_list.h"

#include <algorithm>
#include <string_view>

namespace vornal {
namespace {

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameFolded(const std::string& a, const char* b) {
  return std::ranges::equal(a, std::string_view(b), {}, Folded, Folded);
}

bool FoldedLess(const std::string& a, const std::string& b) {
  return std::ranges::lexicographical_compare(a, b, {}, Folded, Folded);
}

}  // namespace

ExclusionList WithDefaultExclusions(const ExclusionList& stored,
                                    std::span<const DefaultExclusion> defaults) {
  ExclusionList merged = stored;
  for (const DefaultExclusion& row : defaults) {
    if (row.entry == nullptr) continue;
    const bool present = std::ranges::any_of(
        merged, [&row](const std::string& entry) { return SameFolded(entry, row.entry); });
    if (!present) merged.emplace_back(row.entry);
  }
  // Stable, so that two stored entries alike but for case keep their order.
  std::ranges::stable_sort(merged, FoldedLess);
  return merged;
}

bool DefaultExclusionsDue(RegResult markerRead, std::uint32_t marker,
                          std::uint32_t tableVersion) noexcept {
  return markerRead != RegResult::Ok || marker < tableVersion;
}

}  // namespace vornal
