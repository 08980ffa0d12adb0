// The options of the last load as every handler copies them.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "core/published.h"

namespace vornal::hooklib {
namespace {

// Every field of one value is written from the same number, so a copy that
// mixes two values shows as fields that differ.
struct Stamped {
  std::uint32_t fields[29];  // deliberately not a whole number of words
};

TEST(PublishedOptions, ReadersNeverSeeAMixOfTwoValuesDuringAStormOfReloads) {
  Published<Stamped> published;
  std::atomic<bool> stop{false};
  std::atomic<long> torn{0}, reads{0};
  std::vector<std::thread> readers;
  for (int r = 0; r < 4; ++r) {
    readers.emplace_back([&] {
      std::uint32_t last = 0;
      while (!stop.load(std::memory_order_relaxed)) {
        const Stamped s = published.Read();
        for (std::uint32_t f : s.fields) torn += f != s.fields[0];
        // One writer thread counts up: a reader never goes back in time.
        if (s.fields[0] < last && s.fields[0] % 2 == 0) ++torn;
        if (s.fields[0] % 2 == 0) last = s.fields[0];
        ++reads;
      }
    });
  }
  // Two writers, as two threads of a process reload on one broadcast: one
  // counts up through even numbers, the other writes odd ones.
  std::thread up([&] {
    for (std::uint32_t v = 2; v <= 200000; v += 2) {
      Stamped s;
      for (std::uint32_t& f : s.fields) f = v;
      published.Publish(s);
    }
  });
  std::thread odd([&] {
    for (std::uint32_t v = 1; v < 20000; v += 2) {
      Stamped s;
      for (std::uint32_t& f : s.fields) f = v;
      published.Publish(s);
    }
  });
  up.join();
  odd.join();
  stop = true;
  for (std::thread& t : readers) t.join();
  EXPECT_EQ(torn.load(), 0) << "of " << reads.load() << " reads";
  EXPECT_GT(reads.load(), 0);
}

}  // namespace
}  // namespace vornal::hooklib
