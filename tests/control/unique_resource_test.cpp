// The one owner template, through a stand-in traits type with two
// "nothing" values (as kernel handles have).
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "unique_resource.h"

namespace vornal {
namespace {

std::vector<long> g_freed;

struct CountedTraits {
  using Value = long;
  static bool Owns(long value) noexcept { return value != 0 && value != -1; }
  static void Free(long value) noexcept { g_freed.push_back(value); }
};
using Owner = UniqueResource<CountedTraits>;

TEST(UniqueResource, GivesEachValueBackOnceAndMovesHandOwnershipOver) {
  const struct {
    const char* what;
    long (*run)();  // what an owner holds at the end, before the scope ends
    long held;
    std::vector<long> freed;  // in order, once every owner has ended
  } cases[] = {
      {"a failure value owns nothing", [] { return Owner(-1).Get() + Owner(0).Get(); }, 0, {}},
      {"given back as the owner ends", [] { return Owner(7).Get(); }, 7, {7}},
      {"a move leaves the source empty",
       [] {
         Owner a(7);
         const Owner b(std::move(a));
         return a.Get();
       },
       0, {7}},
      {"a move assignment gives the old value back first",
       [] {
         Owner a(7), b(8);
         b = std::move(a);
         return b.Get();
       },
       7, {8, 7}},
      {"a move onto itself keeps the value",
       [] {
         Owner a(7);
         Owner& same = a;
         a = std::move(same);
         return a.Get();
       },
       7, {7}},
      {"Reset gives back, then holds the new value, a failure as nothing",
       [] {
         Owner a(7);
         a.Reset(9);
         a.Reset(-1);
         return a.Get();
       },
       0, {7, 9}},
      {"Release hands the value over", [] { return Owner(7).Release(); }, 7, {}},
  };
  for (const auto& c : cases) {
    g_freed.clear();
    EXPECT_EQ(c.run(), c.held) << c.what;
    EXPECT_EQ(g_freed, c.freed) << c.what;
  }
}

}  // namespace
}  // namespace vornal
