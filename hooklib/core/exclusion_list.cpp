#include "core/exclusion_list.h"

#include <algorithm>
#include <cstring>

#include "exclusion_rules.h"
#include "registry_key.h"

namespace vornal::hooklib {
namespace {

bool Before(const char* a, const char* b) noexcept { return lstrcmpiA(a, b) < 0; }

}  // namespace

bool ExclusionList::Load(HKEY root, const char* path) noexcept {
  Clear();
  const RegistryKey key = RegistryKey::OpenForRead(root, path);
  if (!key.IsOpen()) return false;
  const RegResult r = key.ForEachValueName([this](const char* name) { return Append(name); });
  if (r != RegResult::Ok) {
    Clear();
    return false;
  }
  // The control program writes the names in ascending order, but the
  // registry does not promise to list them that way (Wine lists values
  // sorted, Windows in the order they were written, and the key may have
  // been edited by hand). Sorting with the comparator of the search keeps
  // the binary search valid whatever order is stored.
  Sort();
  return true;
}

bool ExclusionList::Contains(const char* name) const noexcept {
  std::size_t low = 0;
  std::size_t high = count_;
  while (low < high) {
    const std::size_t mid = low + (high - low) / 2;
    const int c = lstrcmpiA(names_[mid], name);
    if (c == 0) return true;
    if (c < 0) {
      low = mid + 1;
    } else {
      high = mid;
    }
  }
  return false;
}

bool ExclusionList::AnyPatternMatches(const char* imagePath) const noexcept {
  for (std::size_t i = 0; i < count_; ++i) {
    if (IsPathPattern(names_[i]) && ExclusionMatches(names_[i], imagePath)) return true;
  }
  return false;
}

void ExclusionList::Clear() noexcept {
  const HANDLE heap = GetProcessHeap();
  for (std::size_t i = 0; i < count_; ++i) HeapFree(heap, 0, names_[i]);
  if (names_ != nullptr) HeapFree(heap, 0, names_);
  names_ = nullptr;
  count_ = 0;
  capacity_ = 0;
}

bool ExclusionList::Append(const char* name) noexcept {
  const HANDLE heap = GetProcessHeap();
  if (count_ == capacity_) {
    const std::size_t grown = capacity_ == 0 ? 16 : capacity_ * 2;
    void* block = names_ == nullptr
                      ? HeapAlloc(heap, 0, grown * sizeof(char*))
                      : HeapReAlloc(heap, 0, names_, grown * sizeof(char*));
    if (block == nullptr) return false;
    names_ = static_cast<char**>(block);
    capacity_ = grown;
  }
  const std::size_t size = std::strlen(name) + 1;
  char* copy = static_cast<char*>(HeapAlloc(heap, 0, size));
  if (copy == nullptr) return false;
  std::memcpy(copy, name, size);
  names_[count_++] = copy;
  return true;
}

void ExclusionList::Sort() noexcept {
  if (count_ > 1) std::sort(names_, names_ + count_, Before);
}

}  // namespace vornal::hooklib
