// How the demo's scripts name windows: a wrong match would crop a picture
// of the wrong program or drag the wrong window.
#include <gtest/gtest.h>

#include "probe_match.h"

namespace vornal::demo {
namespace {

TEST(WindowMatch, ClassesWithoutRegardToCaseTitlesByAnExactPart) {
  struct Row {
    const char* argument;
    const char* title;
    const char* windowClass;
    bool expected;
  };
  const Row rows[] = {
      {"class=RegEdit_RegEdit", "Registry Editor", "REGEDIT_REGEDIT", true},
      {"class=RegEdit_RegEdit", "RegEdit_RegEdit", "Notepad", false},
      {"class=Regedit", "Registry Editor", "RegEdit_RegEdit", false},  // whole names only
      {"Notepad", "Untitled - Notepad", "Notepad", true},
      {"notepad", "Untitled - Notepad", "Notepad", false},  // titles as written
      {"Wine File", "Wine File Manager - [C:\\]", "WFS_Frame", true},
      {"", "Untitled - Notepad", "Notepad", false},
      {"class=", "", "", false},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(WindowMatch::From(r.argument).Accepts(r.title, r.windowClass), r.expected)
        << r.argument << " against title \"" << r.title << "\", class " << r.windowClass;
  }
}

}  // namespace
}  // namespace vornal::demo
