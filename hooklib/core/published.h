// One value that a writer replaces while readers on other threads copy it:
// the library's options, rewritten by a settings reload on one thread of a
// process while handlers on its other threads read them.
//
// Two slots and an atomic index. A writer fills the slot that is not
// current and then makes it current, so a reader copies a slot that no
// writer touches, and never waits for a writer: only when a second write
// has begun on the very slot it is copying (two reloads within one copy)
// does it see the slot's sequence change and copy the new current slot
// instead. Each slot is a sequence word and the value as atomic words;
// everything is an atomic access, so there is no data race even in theory,
// and the copy costs a few loads. Writers are rare (settings reloads) and
// take turns through a flag.
//
// Platform-free and allocation-free: it runs inside other programs, and it
// is tested natively under ThreadSanitizer.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace vornal::hooklib {

template <typename T>
class Published {
  static_assert(std::is_trivially_copyable_v<T>, "published values are copied word by word");
  static constexpr std::size_t kWords = (sizeof(T) + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t);

 public:
  Published() noexcept { Publish(T{}); }
  Published(const Published&) = delete;
  Published& operator=(const Published&) = delete;

  // Replaces the value. Writers on several threads take turns.
  void Publish(const T& value) noexcept {
    std::uint64_t words[kWords] = {};
    std::memcpy(words, &value, sizeof(T));
    while (writing_.exchange(true, std::memory_order_acquire)) Pause();
    const std::uint32_t next = current_.load(std::memory_order_relaxed) ^ 1u;
    Slot& slot = slots_[next];
    const std::uint32_t sequence = slot.sequence.load(std::memory_order_relaxed);
    slot.sequence.store(sequence + 1, std::memory_order_relaxed);
    // Release on every word: the odd sequence is visible before any of them.
    for (std::size_t i = 0; i < kWords; ++i) slot.words[i].store(words[i], std::memory_order_release);
    slot.sequence.store(sequence + 2, std::memory_order_release);
    current_.store(next, std::memory_order_release);
    writing_.store(false, std::memory_order_release);
  }

  // A copy of the value as one writer left it, never a mix of two.
  T Read() const noexcept {
    std::uint64_t words[kWords];
    for (;;) {
      const std::uint32_t index = current_.load(std::memory_order_acquire) & 1u;
      const Slot& slot = slots_[index];
      const std::uint32_t before = slot.sequence.load(std::memory_order_acquire);
      // Odd: a writer has begun on this slot since it was current, so the
      // other slot is current by now.
      if ((before & 1u) != 0) continue;
      // Acquire on every word: the sequence is read again only after them.
      // (No free-standing fences, which ThreadSanitizer cannot follow.)
      for (std::size_t i = 0; i < kWords; ++i) words[i] = slot.words[i].load(std::memory_order_acquire);
      // Unchanged, and still the current slot: then the copy is the value
      // that was current when it ended, and a later read never gives an
      // older one (a writer may have refilled a slot that is not current
      // yet with a newer value).
      if (slot.sequence.load(std::memory_order_acquire) == before &&
          current_.load(std::memory_order_relaxed) == index) {
        break;
      }
    }
    T value;
    std::memcpy(&value, words, sizeof(T));
    return value;
  }

 private:
  struct Slot {
    std::atomic<std::uint32_t> sequence{0};  // odd while a writer fills the slot
    std::atomic<std::uint64_t> words[kWords] = {};
  };

  static void Pause() noexcept {
#if defined(__i386__) || defined(__x86_64__)
    __builtin_ia32_pause();
#endif
  }

  Slot slots_[2];
  std::atomic<std::uint32_t> current_{0};
  std::atomic<bool> writing_{false};
};

}  // namespace vornal::hooklib
