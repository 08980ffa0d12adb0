// A string of bounded length held in place, so that code running inside
// hooked processes reads settings without touching the heap.
#pragma once

#include <cstddef>
#include <cstring>

namespace vornal {

template <std::size_t Capacity>
class FixedText {
 public:
  static constexpr std::size_t kCapacity = Capacity;  // including the terminator

  FixedText() { data_[0] = '\0'; }

  // Copies text; returns false (leaving the text empty) when it does not fit.
  bool Assign(const char* text) {
    const std::size_t n = std::strlen(text);
    if (n >= Capacity) {
      data_[0] = '\0';
      return false;
    }
    std::memcpy(data_, text, n + 1);
    return true;
  }

  const char* c_str() const { return data_; }
  char* Buffer() { return data_; }
  bool Empty() const { return data_[0] == '\0'; }
  void Clear() { data_[0] = '\0'; }

  friend bool operator==(const FixedText& a, const FixedText& b) {
    return std::strcmp(a.data_, b.data_) == 0;
  }
  friend bool operator==(const FixedText& a, const char* b) { return std::strcmp(a.data_, b) == 0; }

 private:
  char data_[Capacity];
};

}  // namespace vornal
