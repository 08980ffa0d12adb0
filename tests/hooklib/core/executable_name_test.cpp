// The name under which the exclusion list matches a process.
#include <gtest/gtest.h>

#include <string>

#include "core/executable_name.h"

namespace vornal::hooklib {
namespace {

std::string NameOf(const char* path) {
  char out[64];
  out[0] = 'x';
  EXPECT_TRUE(ExecutableFileName(path, out, sizeof out)) << path;
  return out;
}

TEST(ExecutableName, KeepsThePartAfterTheLastSeparatorInLowerCase) {
  EXPECT_EQ(NameOf("C:\\WINDOWS\\NOTEPAD.EXE"), "notepad.exe");
  EXPECT_EQ(NameOf("D:name.exe"), "name.exe");
  EXPECT_EQ(NameOf("Plain.Exe"), "plain.exe");
  EXPECT_EQ(NameOf("\\\\server\\share\\v1.2\\My_App2.EXE"), "my_app2.exe");
  EXPECT_EQ(NameOf("C:\\odd:name\\Tool.exe"), "tool.exe");
  EXPECT_EQ(NameOf("C:\\Folder\\"), "");
  // Only A to Z are lowered; the lookup itself ignores case beyond that.
  EXPECT_EQ(NameOf("C:\\x\\\xC4PFEL[1]~Z@.EXE"), "\xC4pfel[1]~z@.exe");
}

TEST(ExecutableName, RefusesANameThatDoesNotFit) {
  char out[4] = {'x', 'x', 'x', 'x'};
  EXPECT_TRUE(ExecutableFileName("C:\\abc", out, sizeof out));
  EXPECT_STREQ(out, "abc");
  EXPECT_FALSE(ExecutableFileName("C:\\abcd", out, sizeof out));
  EXPECT_STREQ(out, "");
  EXPECT_FALSE(ExecutableFileName("a", out, 0));
  EXPECT_FALSE(ExecutableFileName(nullptr, out, sizeof out));
  EXPECT_STREQ(out, "");
}

}  // namespace
}  // namespace vornal::hooklib
