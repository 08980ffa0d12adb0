// The hook host's command line: what the control program writes and what
// the host accepts. A host started by anything else refuses to run.
#include <gtest/gtest.h>

#include "host_protocol.h"

namespace vornal {
namespace {

TEST(HostArguments, WrittenArgumentsReadBackUnchanged) {
  const HostHandles cases[] = {
      {1, 2, 3, 4}, {0x1A4, 0x7FC, 0x10, 0x3C}, {4294967295u, 4294967295u, 4294967295u, 4294967295u}};
  for (const HostHandles& h : cases) {
    char text[kHostArgumentsSize];
    FormatHostArguments(h, text);
    const auto back = ParseHostArguments(text);
    ASSERT_TRUE(back.has_value()) << text;
    EXPECT_EQ(back->controlProcess, h.controlProcess) << text;
    EXPECT_EQ(back->stopEvent, h.stopEvent) << text;
    EXPECT_EQ(back->readyEvent, h.readyEvent) << text;
    EXPECT_EQ(back->rescanEvent, h.rescanEvent) << text;
  }
}

TEST(HostArguments, AnythingButFourNonZeroNumbersIsRefused) {
  const char* const refused[] = {
      "", "   ", "1 2 3", "1 2 3 4 5", "0 2 3 4", "1 0 3 4", "1 2 0 4", "1 2 3 0", "-1 2 3 4",
      "+1 2 3 4", "1x 2 3 4", "1 2 3 4x", "4294967296 2 3 4", "1,2,3,4", "1\t2\t3\t4",
      "0x10 2 3 4", "99999999999999999999 1 1 1",
  };
  for (const char* text : refused) {
    EXPECT_FALSE(ParseHostArguments(text).has_value()) << '"' << text << '"';
  }
  const auto spaced = ParseHostArguments("  12   34 56 78  ");
  ASSERT_TRUE(spaced.has_value()) << "blanks around the numbers are allowed";
  EXPECT_EQ(spaced->rescanEvent, 78u);
}

}  // namespace
}  // namespace vornal
