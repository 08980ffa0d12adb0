// The one owner of everything the programs take from Windows and have to
// give back: a kernel object, a mapped view, a GDI object, a memory DC.
// Each is an instance told apart by a small traits type that names the
// value, says which values own nothing and how an owned one is given
// back. Everything is noexcept and nothing allocates, so that the hook
// library, built without exceptions, holds its handles the same way as
// the control program.
//
// Traits:
//   using Value = ...;                          a pointer-like handle; Value{} owns nothing
//   static bool Owns(Value) noexcept;           false for every "nothing" a call returns
//   static void Free(Value) noexcept;           gives an owned value back
#pragma once

#include <utility>

namespace vornal {

template <typename Traits>
class UniqueResource {
 public:
  using Value = typename Traits::Value;

  UniqueResource() noexcept = default;
  // Takes the result of a create or open call as it comes: a failure value
  // is kept as nothing owned.
  explicit UniqueResource(Value value) noexcept : value_(Normal(value)) {}
  ~UniqueResource() { Reset(); }
  UniqueResource(UniqueResource&& other) noexcept : value_(other.Release()) {}
  // Safe onto itself too: the value is taken before anything is given back.
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    Reset(other.Release());
    return *this;
  }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;

  Value Get() const noexcept { return value_; }
  explicit operator bool() const noexcept { return value_ != Value{}; }

  // Gives back what is owned, then owns value.
  void Reset(Value value = Value{}) noexcept {
    const Value old = std::exchange(value_, Normal(value));
    if (old != Value{}) Traits::Free(old);
  }
  // Hands what is owned to the caller, who gives it back from then on.
  [[nodiscard]] Value Release() noexcept { return std::exchange(value_, Value{}); }

 private:
  static Value Normal(Value value) noexcept { return Traits::Owns(value) ? value : Value{}; }

  Value value_{};
};

// Traits for handles whose only "nothing" is null.
template <typename T, void (*FreeValue)(T) noexcept>
struct NullIsNothing {
  using Value = T;
  static bool Owns(T value) noexcept { return value != T{}; }
  static void Free(T value) noexcept { FreeValue(value); }
};

}  // namespace vornal
