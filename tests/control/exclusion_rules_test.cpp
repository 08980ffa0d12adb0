// Which image paths an exclusion keeps out, what the editor refuses, and
// what the defaults reach.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "exclusion_rules.h"

namespace vornal {
namespace {

TEST(ExclusionRules, EntriesMatchTheImagePathsTheyName) {
  std::string deep = "D:\\";
  while (deep.size() < 32000) deep += "deep folder.d\\";
  const std::string deepGame = deep + "steamapps\\common\\Game\\game.exe";
  const struct { const char* name; const char* entry; const char* path; bool matches; } cases[] = {
      {"a name in any folder, any case", "DWM.exe", "c:\\windows\\SYSTEM32\\dwm.EXE", true},
      {"a name is the whole file name", "wm.exe", "C:\\Windows\\dwm.exe", false},
      {"a name after '/'", "notepad.exe", "C:\\tools/notepad.exe", true},
      {"a name after a drive's ':'", "notepad.exe", "C:notepad.exe", true},
      {"?: takes any drive letter", "?:\\Games\\*", "e:\\games\\Chess\\chess.exe", true},
      {"?: is one character", "?:\\Games\\*", "CD:\\Games\\chess.exe", false},
      {"?: is not a share", "?:\\Games\\*", "\\\\nas\\Games\\chess.exe", false},
      {"* runs across folders", "*\\steamapps\\common\\*", "D:\\Lib\\steamapps\\common\\G\\bin\\g.exe", true},
      {"a pattern starts at the path's start", "Games\\*", "C:\\Games\\chess.exe", false},
      {"* may take nothing", "C:\\Tools\\*a.exe*", "C:\\Tools\\a.exe", true},
      {"a pattern ends at the path's end", "C:\\Tools\\a.exe", "C:\\Tools\\a.exe.bak", false},
      {"'/' in a path is '\\'", "?:\\Games\\*", "C:/Games/chess.exe", true},
      {"spaces, brackets and dots", "?:\\Program Files (x86)\\Ubisoft\\*",
       "C:\\Program Files (x86)\\Ubisoft\\Ubisoft Game Launcher\\upc.exe", true},
      {"\\\\?\\ before a drive", "?:\\Games\\*", "\\\\?\\E:\\Games\\chess.exe", true},
      {"\\\\?\\UNC\\ is a share", "\\\\nas\\games\\chess.exe", "\\\\?\\unc\\NAS\\Games\\chess.exe", true},
      {"a path beyond MAX_PATH, by pattern", "*\\steamapps\\common\\*", deepGame.c_str(), true},
      {"UTF-8 bytes as they are", "caf\xC3\xA9.exe", "C:\\x\\caf\xC3\xA9.exe", true},
      {"non-ASCII letters are not folded", "CAF\xC3\x89.exe", "C:\\x\\caf\xC3\xA9.exe", false},
      {"? takes an ANSI byte", "C:\\Jeux\\caf?.exe", "C:\\Jeux\\caf\xE9.exe", true},
      {"an empty entry matches nothing", "", "C:\\x.exe", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExclusionMatches(c.entry, c.path), c.matches) << c.name << ": " << c.entry;
  }
}

TEST(ExclusionRules, APathologicalPatternEnds) {
  EXPECT_FALSE(ExclusionMatches("*a*a*a*a*a*a*b", std::string(32767, 'a').c_str()));
}

TEST(ExclusionRules, TheEditorRefusesWhatCannotBeAnExclusion) {
  const std::string longest(kMaxExclusionChars, 'x');
  const std::string tooLong = longest + 'x';
  const struct { const char* name; const char* entry; EntryProblem problem; } cases[] = {
      {"a name", "notepad.exe", EntryProblem::None},
      {"the longest", longest.c_str(), EntryProblem::None},
      {"ANSI and UTF-8 letters", "caf\xE9 caf\xC3\xA9.exe", EntryProblem::None},
      {"a drive pattern", "?:\\Tools\\*", EntryProblem::None},
      {"empty", "", EntryProblem::Empty},
      {"one too long", tooLong.c_str(), EntryProblem::TooLong},
      {"a tab", "a\tb.exe", EntryProblem::BadCharacter},
      {"a quote", "\"a.exe\"", EntryProblem::BadCharacter},
      {"'/' between folders", "C:/Tools/*", EntryProblem::BadCharacter},
      {"a star", "*", EntryProblem::OnlyWildcards},
      {"star dot star", "*.*", EntryProblem::OnlyWildcards},
      {"every drive", "?:\\*", EntryProblem::OnlyWildcards},
      {"no star matches little", "?:\\?", EntryProblem::None},
  };
  for (const auto& c : cases) {
    const EntryProblem got = CheckEntry(c.entry);
    EXPECT_EQ(got, c.problem) << c.name << ": expected \"" << EntryProblemText(c.problem) << "\", got \""
                              << EntryProblemText(got) << "\"";
  }
}

TEST(ExclusionRules, TheDefaultsKeepOutSystemAndGamesAndNothingElse) {
  for (const DefaultExclusion& row : kDefaultExclusions) {
    EXPECT_EQ(CheckEntry(row.entry), EntryProblem::None) << row.entry;
  }
  const struct { const char* path; bool excluded; } cases[] = {
      {"C:\\Windows\\System32\\csrss.exe", true},
      {"D:\\SteamLibrary\\steamapps\\common\\Portal 2\\portal2.exe", true},
      {"C:\\Program Files (x86)\\Epic Games\\Launcher\\Portal\\Binaries\\Win64\\EpicGamesLauncher.exe", true},
      {"C:\\Program Files (x86)\\EasyAntiCheat\\EasyAntiCheat.exe", true},
      {"D:\\Shooter\\Shooter_BE.exe", true},
      {"\\\\?\\C:\\Program Files\\Oracle\\VirtualBox\\VBoxManage.exe", true},
      {"C:\\Windows\\notepad.exe", false},
      {"C:\\Windows\\explorer.exe", false},
      {"C:\\Program Files\\Mozilla Firefox\\firefox.exe", false},
  };
  for (const auto& c : cases) {
    const auto matches = [&](const DefaultExclusion& row) { return ExclusionMatches(row.entry, c.path); };
    EXPECT_EQ(std::ranges::any_of(kDefaultExclusions, matches), c.excluded) << c.path;
  }
  EXPECT_TRUE(IsDefaultExclusion("VBOXSVC.EXE"));
  EXPECT_FALSE(IsDefaultExclusion("notepad.exe"));
}

}  // namespace
}  // namespace vornal
