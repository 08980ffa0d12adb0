// The list a first start leaves: what the user had, plus the defaults not
// there yet, in the editor's order; and when the defaults are still due.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "exclusion_list.h"

namespace vornal {
namespace {

constexpr DefaultExclusion kSmallTable[] = {
    {"csrss.exe", DefaultExclusionKind::SystemProcess},
    {"?:\\Games\\*", DefaultExclusionKind::GameFolder},
    {"dwm.exe", DefaultExclusionKind::SystemProcess},
};

std::string Shown(const ExclusionList& list) {
  std::string text;
  for (const std::string& entry : list) text += "[" + entry + "]";
  return text;
}

TEST(WithDefaultExclusions, MergesSortedWithoutLosingOrDoubling) {
  struct Row {
    const char* name;
    ExclusionList stored;
    ExclusionList expected;
  };
  const Row rows[] = {
      {"empty list gets the table, sorted", {}, {"?:\\Games\\*", "csrss.exe", "dwm.exe"}},
      {"older entries kept",
       {"notepad.exe", "C:\\Tools\\*"},
       {"?:\\Games\\*", "C:\\Tools\\*", "csrss.exe", "dwm.exe", "notepad.exe"}},
      {"a default stored in other case is not doubled and keeps its case",
       {"CSRSS.EXE", "?:\\GAMES\\*"},
       {"?:\\GAMES\\*", "CSRSS.EXE", "dwm.exe"}},
      {"sorted ignoring case, not by byte",
       {"Zeta.exe", "alpha.exe", "Beta.exe"},
       {"?:\\Games\\*", "alpha.exe", "Beta.exe", "csrss.exe", "dwm.exe", "Zeta.exe"}},
      {"every default already there",
       {"dwm.exe", "csrss.exe", "?:\\games\\*"},
       {"?:\\games\\*", "csrss.exe", "dwm.exe"}},
      {"a name that only starts like a default is its own entry",
       {"csrss.exe.bak", "dwm"},
       {"?:\\Games\\*", "csrss.exe", "csrss.exe.bak", "dwm", "dwm.exe"}},
  };
  for (const Row& row : rows) {
    const ExclusionList merged = WithDefaultExclusions(row.stored, kSmallTable);
    EXPECT_EQ(Shown(merged), Shown(row.expected)) << row.name;
  }
}

TEST(WithDefaultExclusions, TheRealTableAddsEachOfItsEntriesOnce) {
  const ExclusionList once = WithDefaultExclusions({}, kDefaultExclusions);
  EXPECT_EQ(once.size(), std::size(kDefaultExclusions));
  EXPECT_EQ(Shown(WithDefaultExclusions(once, kDefaultExclusions)), Shown(once))
      << "a second start must change nothing";
}

TEST(DefaultExclusionsDue, OnlyAMarkerOfThisTableOrANewerOneStopsThem) {
  struct Row {
    const char* name;
    RegResult read;
    std::uint32_t marker;
    bool due;
  };
  const Row rows[] = {
      {"no marker", RegResult::Missing, 0, true},
      {"marker of another type", RegResult::WrongType, 1, true},
      {"marker unreadable", RegResult::Failed, 1, true},
      {"marker too large", RegResult::TooLarge, 1, true},
      {"older table", RegResult::Ok, 1, true},
      {"zero", RegResult::Ok, 0, true},
      {"this table", RegResult::Ok, 2, false},
      {"newer table", RegResult::Ok, 3, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(DefaultExclusionsDue(row.read, row.marker, 2), row.due)
        << row.name << ": marker " << row.marker;
  }
}

}  // namespace
}  // namespace vornal
