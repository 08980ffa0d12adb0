// The default exclusions at the dialog's start: added once with a marker,
// never brought back once removed, merged into the lists of older versions,
// and left for a later start when the registry refuses the write.
#include <windows.h>
#include <sddl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "exclusion_rules.h"
#include "form_fixture.h"
#include "registry_layout.h"
#include "resources/resource_ids.h"
#include "../settings/stored_record.h"

namespace vornal::test {
namespace {

using DefaultExclusions = FormFixture;

constexpr char kSettingsKey[] = "Software\\Vornal";
constexpr char kExclusionsKey[] = "Software\\Vornal\\Exclusions";

std::string Lower(std::string text) {
  for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return text;
}

// One line of names in lower case and sorted, so that two lists compare
// whatever order the registry or the list box keeps.
std::string Joined(std::vector<std::string> names) {
  for (std::string& n : names) n = Lower(n);
  std::sort(names.begin(), names.end());
  std::string text;
  for (const std::string& n : names) text += n + "|";
  return text;
}

std::vector<std::string> TableWith(std::vector<std::string> extra, const char* without = "") {
  for (const DefaultExclusion& row : kDefaultExclusions) {
    if (Lower(row.entry) != Lower(without)) extra.emplace_back(row.entry);
  }
  return extra;
}

std::vector<std::string> ListBoxEntries(HWND box) {
  std::vector<std::string> names;
  const auto count = SendMessageA(box, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::string name(static_cast<std::size_t>(SendMessageA(box, LB_GETTEXTLEN, i, 0)), '\0');
    SendMessageA(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(name.data()));
    names.push_back(name);
  }
  return names;
}

void SetKeyAccess(HKEY root, const char* path, const char* sddl) {
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(root, path, 0, WRITE_DAC, &key), ERROR_SUCCESS) << path;
  PSECURITY_DESCRIPTOR sd = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr));
  EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd), ERROR_SUCCESS) << sddl;
  LocalFree(sd);
  RegCloseKey(key);
}

TEST_F(DefaultExclusions, FreshKeyGetsEveryDefaultAndTheMarker) {
  StartForm();
  const std::string table = Joined(TableWith({}));
  EXPECT_EQ(Joined(reg.ValueNames(kExclusionsKey)), table);
  EXPECT_EQ(reg.TypeOf(kSettingsKey, kDefaultExclusionsValueName), static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(reg.Dword(kSettingsKey, kDefaultExclusionsValueName), kDefaultExclusionsVersion);
  EXPECT_FALSE(reg.HasValue(kSettingsKey, kVersionValueName)) << "the record waits for Apply";
  EXPECT_EQ(Joined(ListBoxEntries(Control(IDC_ListBoxAppEx))), table) << "the editor shows them";

  form->BitBtnCancelClick();
  EXPECT_EQ(Joined(ListBoxEntries(Control(IDC_ListBoxAppEx))), table) << "after Cancel";
  Click(IDC_ButtonApply);
  EXPECT_EQ(Joined(reg.ValueNames(kExclusionsKey)), table) << "after Apply";
  form->BitBtnCancelClick();
  EXPECT_EQ(Joined(ListBoxEntries(Control(IDC_ListBoxAppEx))), table) << "read back after Apply";
}

TEST_F(DefaultExclusions, RemovedDefaultStaysRemovedAfterARestart) {
  StartForm();
  HWND box = Control(IDC_ListBoxAppEx);
  const auto at = SendMessageA(box, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>("dwm.exe"));
  ASSERT_NE(at, LB_ERR);
  SendMessageA(box, LB_DELETESTRING, static_cast<WPARAM>(at), 0);
  Click(IDC_ButtonApply);
  form->RestoreOnExit();
  StartForm();
  const std::string expected = Joined(TableWith({}, "dwm.exe"));
  EXPECT_EQ(Joined(reg.ValueNames(kExclusionsKey)), expected);
  EXPECT_EQ(Joined(ListBoxEntries(Control(IDC_ListBoxAppEx))), expected);
}

TEST_F(DefaultExclusions, OlderVersionsKeepTheirEntriesAndGainTheDefaults) {
  struct Row {
    const char* name;
    const char* version;  // what an older Vornal wrote; nullptr: the current record
    std::vector<std::string> stored;
    std::vector<std::string> expected;
  };
  const Row rows[] = {
      {"a usable older record", "V1.3", {"notepad.exe", "C:\\Tools\\*"},
       TableWith({"notepad.exe", "C:\\Tools\\*"})},
      {"a default stored in another case is not doubled", nullptr, {"CSRSS.EXE", "calc.exe"},
       TableWith({"calc.exe"})},
      {"a record too old to read still keeps its list", "V1.2", {"notepad.exe"},
       TableWith({"notepad.exe"})},
  };
  for (const Row& row : rows) {
    if (form != nullptr) form->RestoreOnExit();
    RegDeleteTreeA(reg.Root(), kSettingsKey);
    WriteStoredRecord(reg);
    if (row.version != nullptr) reg.SetString(kSettingsKey, kVersionValueName, row.version);
    for (const std::string& name : row.stored) {
      reg.SetRaw(kExclusionsKey, name.c_str(), REG_BINARY, nullptr, 0);
    }
    StartForm();
    EXPECT_EQ(Joined(reg.ValueNames(kExclusionsKey)), Joined(row.expected)) << row.name;
    EXPECT_EQ(Joined(ListBoxEntries(Control(IDC_ListBoxAppEx))), Joined(row.expected)) << row.name;
    EXPECT_EQ(reg.Dword(kSettingsKey, kDefaultExclusionsValueName), kDefaultExclusionsVersion)
        << row.name;
    if (row.stored.front() == "CSRSS.EXE") {
      const auto names = reg.ValueNames(kExclusionsKey);
      EXPECT_NE(std::find(names.begin(), names.end(), "CSRSS.EXE"), names.end())
          << "the user's spelling is kept";
    }
  }
}

TEST_F(DefaultExclusions, MarkerDecidesWhetherTheyAreAdded) {
  struct Row {
    const char* name;
    DWORD type;
    DWORD data;
    bool added;
  };
  const Row rows[] = {
      {"this table's marker", REG_DWORD, kDefaultExclusionsVersion, false},
      {"a newer table's marker", REG_DWORD, kDefaultExclusionsVersion + 1, false},
      {"an older table's marker", REG_DWORD, kDefaultExclusionsVersion - 1, true},
      {"a marker of the wrong type", REG_BINARY, kDefaultExclusionsVersion, true},
  };
  for (const Row& row : rows) {
    if (form != nullptr) form->RestoreOnExit();
    RegDeleteTreeA(reg.Root(), kSettingsKey);
    WriteStoredRecord(reg);
    reg.SetRaw(kSettingsKey, kDefaultExclusionsValueName, row.type, &row.data, sizeof row.data);
    reg.SetRaw(kExclusionsKey, "notepad.exe", REG_BINARY, nullptr, 0);
    StartForm();
    const auto expected = row.added ? TableWith({"notepad.exe"}) : std::vector<std::string>{"notepad.exe"};
    EXPECT_EQ(Joined(reg.ValueNames(kExclusionsKey)), Joined(expected)) << row.name;
    EXPECT_EQ(Joined(ListBoxEntries(Control(IDC_ListBoxAppEx))), Joined(expected)) << row.name;
    EXPECT_EQ(reg.TypeOf(kSettingsKey, kDefaultExclusionsValueName),
              row.added ? static_cast<DWORD>(REG_DWORD) : row.type)
        << row.name;
  }
}

TEST_F(DefaultExclusions, UnwritableKeyIsLeftAloneUntilTheNextStart) {
  WriteStoredRecord(reg);
  reg.SetRaw(kExclusionsKey, "notepad.exe", REG_BINARY, nullptr, 0);
  // Everyone may do everything but set values there.
  SetKeyAccess(reg.Root(), kExclusionsKey, "D:(D;;0x2;;;WD)(A;;KA;;;WD)");
  StartForm();
  EXPECT_EQ(Joined(reg.ValueNames(kExclusionsKey)), Joined({"notepad.exe"}));
  EXPECT_EQ(Joined(ListBoxEntries(Control(IDC_ListBoxAppEx))), Joined({"notepad.exe"}));
  EXPECT_FALSE(reg.HasValue(kSettingsKey, kDefaultExclusionsValueName)) << "not marked as done";

  form->RestoreOnExit();
  SetKeyAccess(reg.Root(), kExclusionsKey, "D:(A;;KA;;;WD)");
  StartForm();
  EXPECT_EQ(Joined(reg.ValueNames(kExclusionsKey)), Joined(TableWith({"notepad.exe"})));
  EXPECT_EQ(reg.Dword(kSettingsKey, kDefaultExclusionsValueName), kDefaultExclusionsVersion);
}

}  // namespace
}  // namespace vornal::test
