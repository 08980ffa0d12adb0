// The version flags for every system family the library meets.
#include <gtest/gtest.h>

#include "options/version_flags.h"

namespace vornal::hooklib {
namespace {

constexpr std::uint32_t kNT = 2;
constexpr std::uint32_t k9x = 1;

struct Case {
  const char* system;
  std::uint32_t platform, major, minor;
  bool oldSystem, beforeXP;
};

TEST(VersionFlags, FollowThePlatformAndVersion) {
  const Case cases[] = {
      {"NT 3.51", kNT, 3, 51, true, true},
      {"NT 4.0", kNT, 4, 0, true, true},
      {"2000", kNT, 5, 0, false, true},
      {"XP", kNT, 5, 1, false, false},
      {"Server 2003", kNT, 5, 2, false, false},
      {"Vista", kNT, 6, 0, false, false},
      {"7", kNT, 6, 1, false, false},
      {"10", kNT, 10, 0, false, false},
      {"95", k9x, 4, 0, true, true},
      {"98", k9x, 4, 10, false, true},
      {"Me", k9x, 4, 90, false, true},
      {"Win32s", 0, 3, 10, false, true},
      {"unknown platform", 3, 5, 1, false, true},
  };
  for (const Case& c : cases) {
    const VersionFlags flags = VersionFlagsFor(c.platform, c.major, c.minor);
    EXPECT_EQ(flags.oldSystem, c.oldSystem) << c.system;
    EXPECT_EQ(flags.beforeXP, c.beforeXP) << c.system;
  }
}

}  // namespace
}  // namespace vornal::hooklib
