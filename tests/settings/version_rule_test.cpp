// The "ProgramVer" text and the oldest version whose settings are used.
#include <gtest/gtest.h>

#include "version_rule.h"

namespace vornal {
namespace {

bool Supported(const char* text) {
  VersionNumber v;
  return ParseVersionText(text, v) && IsSupportedSettingsVersion(v);
}

TEST(VersionRule, ParsesTheStoredForm) {
  VersionNumber v;
  ASSERT_TRUE(ParseVersionText("V1.43", v));
  EXPECT_EQ(v.whole, 1u);
  EXPECT_EQ(v.billionths, 430000000u);
  ASSERT_TRUE(ParseVersionText("V2", v));
  EXPECT_EQ(v.whole, 2u);
  EXPECT_EQ(v.billionths, 0u);
  ASSERT_TRUE(ParseVersionText(" V1,5 ", v)) << "comma separator and surrounding spaces";
  EXPECT_EQ(v.billionths, 500000000u);
}

TEST(VersionRule, OldestSupportedIsOnePointThree) {
  EXPECT_TRUE(Supported("V1.43"));
  EXPECT_TRUE(Supported("V1.3"));
  EXPECT_TRUE(Supported("V1.30"));
  EXPECT_TRUE(Supported("V1.300000000001"));
  EXPECT_TRUE(Supported("V10.0"));
  EXPECT_TRUE(Supported("1.4"));
  EXPECT_FALSE(Supported("V1.2"));
  EXPECT_FALSE(Supported("V1.29999"));
  EXPECT_FALSE(Supported("V1.03"));
  EXPECT_FALSE(Supported("V0.9"));
  EXPECT_FALSE(Supported("V1"));
}

TEST(VersionRule, RejectsWhatIsNotANumber) {
  VersionNumber v;
  for (const char* bad : {"", "V", "VV", "abc", "V1.4a", "V1.2.3", "1 .4", "V-1.5", "V1e3",
                          "v1.43", "99999999999999"}) {
    EXPECT_FALSE(ParseVersionText(bad, v)) << '"' << bad << '"';
  }
  EXPECT_FALSE(ParseVersionText(nullptr, v));
}

}  // namespace
}  // namespace vornal
