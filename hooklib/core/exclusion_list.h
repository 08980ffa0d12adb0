// The exclusion list as the library holds it while it decides whether this
// process is excluded: the value names of the exclusions key, copied to the
// process heap (code hosted in other programs stays off the C++ allocator),
// sorted, and released again as soon as the decision is made.
#pragma once

#include <windows.h>

#include <cstddef>

namespace vornal::hooklib {

class ExclusionList {
 public:
  ExclusionList() = default;
  ~ExclusionList() { Clear(); }
  ExclusionList(const ExclusionList&) = delete;
  ExclusionList& operator=(const ExclusionList&) = delete;

  // Replaces the list by the value names of the key at path under root.
  // Returns false (with the list empty) when the key does not open or a
  // name cannot be read or stored.
  bool Load(HKEY root, const char* path) noexcept;

  std::size_t Size() const noexcept { return count_; }

  // Binary search comparing with the system locale's case-insensitive order.
  bool Contains(const char* name) const noexcept;

  // Whether an entry that is a path pattern matches the program's whole
  // image path.
  bool AnyPatternMatches(const char* imagePath) const noexcept;

  void Clear() noexcept;

 private:
  bool Append(const char* name) noexcept;
  void Sort() noexcept;

  char** names_ = nullptr;
  std::size_t count_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace vornal::hooklib
