// The generation a reload broadcast carries: a program reads the settings
// once per apply, and always for a sender that sends none.
#include <gtest/gtest.h>

#include "reload_generation.h"

namespace vornal {
namespace {

TEST(ReloadGeneration, AProgramReloadsOncePerGenerationAndAlwaysForNone) {
  // One program's broadcasts in the order its windows meet them.
  const struct {
    const char* name;
    std::uint32_t generation;
    bool due;
  } steps[] = {
      {"the first broadcast a program sees", 42, true},
      {"the same apply at another window", 42, false},
      {"an older sender's broadcast", kReloadAlways, true},
      {"again after one", kReloadAlways, true},
      {"the next apply", 43, true},
      {"the apply before, at a thread still behind", 42, false},
      {"a control program started again, from a smaller number", 12, true},
  };
  RecentReloads recent;
  for (const auto& step : steps) EXPECT_EQ(TakeReload(recent, step.generation), step.due) << step.name;
}

TEST(ReloadGeneration, AThreadBehindByEveryKeptGenerationReadsOnceMore) {
  RecentReloads recent;
  for (std::uint32_t g = 1; g <= RecentReloads::kKept + 1; ++g) ASSERT_TRUE(TakeReload(recent, g)) << g;
  const struct {
    std::uint32_t generation;
    bool due;
  } rows[] = {{2, false}, {RecentReloads::kKept + 1, false}, {1, true}};
  for (const auto& r : rows) EXPECT_EQ(TakeReload(recent, r.generation), r.due) << "generation " << r.generation;
}

TEST(ReloadGeneration, TheNextGenerationIsNeverTheOneThatMeansAlways) {
  const struct {
    std::uint32_t previous, next;
  } rows[] = {{1, 2}, {41, 42}, {0xFFFFFFFEu, 0xFFFFFFFFu}, {0xFFFFFFFFu, 1}, {kReloadAlways, 1}};
  for (const auto& r : rows) EXPECT_EQ(NextReloadGeneration(r.previous), r.next) << "after " << r.previous;
}

}  // namespace
}  // namespace vornal
