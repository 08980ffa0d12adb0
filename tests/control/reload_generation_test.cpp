// The generation a reload broadcast carries: a program reads the settings
// once per apply, and always for a sender that sends none.
#include <gtest/gtest.h>

#include "reload_generation.h"

namespace vornal {
namespace {

TEST(ReloadGeneration, AProgramReloadsOncePerGenerationAndAlwaysForNone) {
  const struct {
    const char* name;
    std::uint32_t lastTaken, generation;
    bool due;
  } rows[] = {
      {"a new apply", 41, 42, true},
      {"the same apply at another window", 42, 42, false},
      {"an older sender's broadcast", 42, kReloadAlways, true},
      {"again after one", kReloadAlways, kReloadAlways, true},
      {"the first broadcast a program sees", kReloadAlways, 7, true},
      {"a control program started again, from a smaller number", 900, 12, true},
  };
  for (const auto& r : rows) EXPECT_EQ(ReloadDue(r.lastTaken, r.generation), r.due) << r.name;
}

TEST(ReloadGeneration, TheNextGenerationIsNeverTheOneThatMeansAlways) {
  const struct {
    std::uint32_t previous, next;
  } rows[] = {{1, 2}, {41, 42}, {0xFFFFFFFEu, 0xFFFFFFFFu}, {0xFFFFFFFFu, 1}, {kReloadAlways, 1}};
  for (const auto& r : rows) EXPECT_EQ(NextReloadGeneration(r.previous), r.next) << "after " << r.previous;
}

}  // namespace
}  // namespace vornal
