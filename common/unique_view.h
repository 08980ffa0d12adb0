// Owns a mapped view of a section, or a GDI bitmap, and gives it back on
// every path: the published pictures hold one view and up to three DIBs
// per set, replaced whole at every apply.
#pragma once

#include <windows.h>

#include <utility>

namespace vornal {

template <typename T, void (*Free)(T) noexcept>
class UniqueResource {
 public:
  UniqueResource() = default;
  explicit UniqueResource(T value) noexcept : value_(value) {}
  ~UniqueResource() { Reset(); }
  UniqueResource(UniqueResource&& other) noexcept : value_(std::exchange(other.value_, T{})) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) {
      Reset();
      value_ = std::exchange(other.value_, T{});
    }
    return *this;
  }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;

  T Get() const noexcept { return value_; }
  explicit operator bool() const noexcept { return value_ != T{}; }
  void Reset() noexcept {
    if (value_ != T{}) Free(value_);
    value_ = T{};
  }

 private:
  T value_{};
};

inline void UnmapView(void* view) noexcept { UnmapViewOfFile(view); }
inline void DeleteBitmap(HBITMAP bitmap) noexcept { DeleteObject(bitmap); }

using UniqueView = UniqueResource<void*, UnmapView>;
using UniqueBitmap = UniqueResource<HBITMAP, DeleteBitmap>;

}  // namespace vornal
