// Bad input through a hooked program: registry states of every shape, in
// values and types the control program never writes, exclusion lists of
// every size, and damaged bitmap files for the wallpaper. The program must
// come out of each answering, with what the load rules say (read here by
// the same rules in this process) or, for a bad picture, with the picture
// it had.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <span>
#include <string>
#include <vector>

#include "bitmap_file.h"
#include "bitmap_mutations.h"
#include "churn_protocol.h"
#include "cross_process_names.h"
#include "drag_target_process.h"
#include "installed_hook.h"
#include "options/library_options.h"
#include "registry_layout.h"
#include "reliability_support.h"
#include "settings_reader.h"
#include "shadows_and_drag/drag_rule.h"
#include "test_bitmap.h"
#include "vornal_settings_key.h"
#include "wallpaper_target_protocol.h"

namespace vornal::test {
namespace {

constexpr char kHelperName[] = "vornal_drag_target.exe";
constexpr int kDragWidth = 600, kDragHeight = 400;

bool Hooked(const DragTargetProcess& target) {
  target.Send(kLibraryMapped);
  return target.Send(kLibraryMapped) == 1;
}

// The settings-updated message, and the answer to one more message: the
// reload runs in the hook after the window procedure has answered the
// first (Wine lets the sender go on by then), so only the second answer
// comes after it.
void Reload(const DragTargetProcess& target, DWORD replyMs = 30000) {
  target.Send(RegisterWindowMessageA(kSettingsUpdatedMessage), 0, 0, replyMs);
  target.Send(kLibraryMapped, 0, 0, replyMs);
}

LRESULT Drag(const DragTargetProcess& target) {
  const LRESULT moving = target.BeginDrag(kDragWidth, kDragHeight);
  target.EndDrag();
  return moving;
}

void SetRaw(HKEY key, const std::string& name, DWORD type, const std::string& bytes) {
  RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                 static_cast<DWORD>(bytes.size()));
}

std::string Dword(std::uint32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); }

// Characters a name or text may hold, odd ones included: blanks, dots,
// punctuation, letters of the upper half of the code page.
std::string OddText(Dice& dice, std::uint32_t longest) {
  static const char kChars[] =
      "abcXYZ019 ._-~%&()[]{}!@#$^+=,;'\xC0\xC4\xD6\xDC\xE0\xE4\xF6\xFC\xE9\xA0\xBF";
  std::string text(dice.Below(longest + 1), ' ');
  for (char& c : text) c = kChars[dice.Below(sizeof kChars - 1)];
  return text;
}

// A random value where a DWORD belongs: absent, a DWORD (edge values
// often) or, in a state with bad values, sometimes a value of a kind the
// control program never writes.
void RandomNumber(HKEY key, const std::string& name, Dice& dice, bool bad, std::uint32_t usual) {
  static const std::uint32_t kEdges[] = {0, 1, 2, 0xFF, 0x100, 0xFFFF, 0x10000, 0x7FFFFFFF, 0xFFFFFFFF};
  if (bad && dice.OneIn(8)) {
    switch (dice.Below(3)) {
      case 0: return SetRaw(key, name, REG_DWORD, Dword(dice.Next()).substr(0, dice.Below(4)));
      case 1: return SetRaw(key, name, dice.OneIn(2) ? REG_QWORD : REG_BINARY, Dword(usual) + Dword(0));
      default: return SetRaw(key, name, REG_SZ, std::to_string(usual) + '\0');
    }
  }
  switch (dice.Below(6)) {
    case 0: case 1: return;  // absent
    case 2: return SetRaw(key, name, REG_DWORD, Dword(kEdges[dice.Below(std::size(kEdges))]));
    case 3: return SetRaw(key, name, REG_DWORD, Dword(dice.Next()));
    default: return SetRaw(key, name, REG_DWORD, Dword(usual));
  }
}

// A random value where a text belongs.
void RandomText(HKEY key, const std::string& name, Dice& dice, bool bad) {
  if (bad && dice.OneIn(4)) {
    switch (dice.Below(3)) {
      case 0: return SetRaw(key, name, REG_SZ, OddText(dice, 600));  // without its terminator
      case 1: return SetRaw(key, name, REG_MULTI_SZ, OddText(dice, 20) + '\0' + OddText(dice, 20) + '\0' + '\0');
      default: return SetRaw(key, name, REG_DWORD, Dword(dice.Next()));
    }
  }
  switch (dice.Below(4)) {
    case 0: return;
    case 1: return SetRaw(key, name, REG_EXPAND_SZ, "%TEMP%\\" + OddText(dice, 40) + '\0');
    default: return SetRaw(key, name, REG_SZ, "C:\\" + OddText(dice, 60) + ".bmp" + '\0');
  }
}

// Writes a random settings key, and exclusions that may name the helper;
// answers whether they name it.
bool RandomState(Dice& dice) {
  DeleteSettingsKey();
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath + 1, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                  &key, nullptr);
  static const char* const kVersions[] = {"V1.43", "V1.3", "V2", "V1.29", "", "V", "1.43", "v1.43",
                                          "V1.30000001", " V1.5", "V1,5", "V1e1", "V-1",
                                          "V99999999999999999999"};
  switch (dice.Below(8)) {
    case 0: break;
    case 1: SetRaw(key, "ProgramVer", REG_DWORD, Dword(143)); break;
    case 2: SetRaw(key, "ProgramVer", REG_SZ, "V" + OddText(dice, 10) + '\0'); break;
    case 3: case 4: SetRaw(key, "ProgramVer", REG_SZ, std::string("V1.43") + '\0'); break;
    default: SetRaw(key, "ProgramVer", REG_SZ, std::string(kVersions[dice.Below(std::size(kVersions))]) + '\0');
  }
  // Half the states hold only values of the right kinds, so that a read
  // goes through to the end; dragging is on most of the time, so that
  // what is read shows in a drag.
  const bool bad = dice.OneIn(2);
  // The library's part: the checks up to the list-view wallpaper and the
  // spins up to the drag opacity.
  const auto checks =
      std::span(kAllChecks).first(static_cast<std::size_t>(NumberOf(Check::ListViewWallpaper)));
  const auto spins = std::span(kAllSpins).first(static_cast<std::size_t>(NumberOf(Spin::DragOpacity)));
  for (Check c : checks) {
    RandomNumber(key, ValueNameOf(c).c_str(), dice, bad,
                 c == Check::TransparentDragging ? 1 : dice.Below(2));
  }
  for (Spin v : spins) {
    const bool minimum = v == Spin::DragMinWidth || v == Spin::DragMinHeight;
    const bool maximum = v == Spin::DragMaxWidth || v == Spin::DragMaxHeight;
    const std::uint32_t usual = minimum   ? dice.Below(700)
                                : maximum ? 300 + dice.Below(900)
                                          : dice.Below(400);
    RandomNumber(key, ValueNameOf(v).c_str(), dice, bad, usual);
  }
  for (const ValueName& name : {ValueNameOf(Choice::OpenStyle), ValueNameOf(Choice::CloseStyle),
                                ValueNameOf(Radio::ShadowDialogsOnly), ValueNameOf(Radio::DragDialogsOnly)}) {
    RandomNumber(key, name.c_str(), dice, bad, dice.Below(3));
  }
  for (const char* name : {"WindowWallpaper", "MDIWallpaper", "TVWallpaper"}) RandomText(key, name, dice, bad);
  RegCloseKey(key);

  bool named = false;
  if (dice.OneIn(3)) {
    HKEY list = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, kExclusionsKeyPath + 1, 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &list, nullptr);
    for (std::uint32_t i = dice.Below(20); i > 0; --i) SetRaw(list, OddText(dice, 40), REG_BINARY, "");
    if (dice.OneIn(2)) {
      std::string name = kHelperName;
      for (char& c : name) {
        if (c >= 'a' && c <= 'z' && dice.OneIn(2)) c = static_cast<char>(c - 'a' + 'A');
      }
      SetRaw(list, name, REG_BINARY, "");
      named = true;
    }
    RegCloseKey(list);
  }
  return named;
}

// What a drag of the helper's 600x400 window shows under these settings.
LRESULT ExpectedDrag(const Settings& settings, bool enabled) {
  const hooklib::DragOptions o = hooklib::OptionsFor(settings, enabled, {}, false).drag;
  const bool transparent = hooklib::MayStartDrag(o, 0, false) &&
                           hooklib::ClassMayDrag(o, "VornalDragTargetWindow") &&
                           hooklib::SizeMayDrag(o, {40, 40, 40 + kDragWidth, 40 + kDragHeight});
  return transparent ? EncodeDragState(true, o.dragOpacity) : EncodeDragState(false, -1);
}

TEST(BadInput, RegistryStatesOfEveryShapeReadAsTheLoadRulesSay) {
  DragTargetProcess target;
  InstalledHook hook;
  ASSERT_TRUE(target.Ready() && hook.Installed() && Hooked(target));
  int states = 0, read = 0, excluded = 0, transparent = 0;
  const RunFor run(300, 0.15);
  for (std::uint32_t seed = 0; run.More(states); ++seed, ++states) {
    Dice dice(seed);
    const bool named = RandomState(dice);
    Reload(target);
    Settings expected = DefaultSettings();
    const ReadOutcome outcome = ReadSettingsKey(HKEY_CURRENT_USER, LibraryReadPlan(), expected);
    const bool enabled = !(outcome.valuesRead && named);
    read += outcome.valuesRead;
    excluded += !enabled;
    const LRESULT drag = Drag(target);
    ASSERT_NE(drag, -1) << "seed " << seed << ": the program no longer answers";
    transparent += (drag & kLayeredBit) != 0;
    EXPECT_EQ(drag, ExpectedDrag(expected, enabled))
        << "seed " << seed << (outcome.valuesRead ? ", values read" : ", nothing read")
        << (enabled ? "" : ", excluded");
  }
  DeleteSettingsKey();
  std::printf("registry fuzz with a hooked program: %d states (%d with the values read, %d that "
              "excluded it, %d that made its drag transparent), every one as the rules say\n",
              states, read, excluded, transparent);
}

TEST(BadInput, ExclusionListsOfEverySizeDecideByTheExecutableName) {
  DragTargetProcess target;
  InstalledHook hook;
  ASSERT_TRUE(target.Ready() && hook.Installed() && Hooked(target));
  Dice dice(7);
  for (const DWORD size : {0u, 1u, 2u, 1000u, 65535u}) {
    for (const bool named : {false, true}) {
      if (size == 0 && named) continue;
      ResetSettingsKey();
      HKEY list = nullptr;
      RegCreateKeyExA(HKEY_CURRENT_USER, kExclusionsKeyPath + 1, 0, nullptr, 0, KEY_ALL_ACCESS,
                      nullptr, &list, nullptr);
      const DWORD at = size == 0 ? 0 : dice.Below(size);
      for (DWORD i = 0; i < size; ++i) {
        // Numbered, so that no two are alike; a few very long ones.
        std::string name = std::to_string(i) + OddText(dice, i % 500 == 0 ? 1000 : 30);
        if (named && i == at) name = "VORNAL_Drag_Target.exe";
        SetRaw(list, name, REG_BINARY, "");
      }
      RegCloseKey(list);
      const ULONGLONG start = GetTickCount64();
      Reload(target, 120000);
      const ULONGLONG ms = GetTickCount64() - start;
      EXPECT_EQ(Drag(target), named ? EncodeDragState(false, -1) : EncodeDragState(true, 200))
          << size << " names" << (named ? ", the helper's among them" : "");
      std::printf("exclusion list of %lu names%s: reloaded in %llu ms\n", size,
                  named ? " (the helper's among them)" : "", ms);
    }
  }
  DeleteSettingsKey();
}

TEST(BadInput, DamagedBitmapsChangeNothingAndLeaveNoObjectBehind) {
  const std::string good = TempPath("vornal_fuzz_good.bmp"), tried = TempPath("vornal_fuzz_tried.bmp");
  ASSERT_TRUE(WriteTestBitmap(good.c_str(), 37, 23, 0));
  ResetSettingsKey();
  DragTargetProcess target;
  InstalledHook hook;
  ASSERT_TRUE(target.Ready() && hook.Installed() && Hooked(target));
  ASSERT_EQ(target.Send(kLibraryObjects), 0) << "no picture yet, counting from here";
  SetSettingsDword(ValueNameOf(Check::WindowWallpaper), 1);
  const LPARAM pattern = PictureRequest(0, 37, 23);

  int files = 0, refused = 0, kept = 0;
  bool goodShown = false;
  const RunFor run(160, 0.25);
  for (std::uint32_t seed = 0; run.More(files); ++seed, ++files) {
    const std::vector<std::uint8_t> bytes = MutatedBitmap(seed);
    const HANDLE file = CreateFileA(tried.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    BitmapFileInfo info;
    const bool accepted = ReadBitmapFileHeader(bytes.data(), bytes.size(), bytes.size(), info);

    if (!goodShown) {
      SetSettingsText("WindowWallpaper", good.c_str());
      Reload(target);
      goodShown = true;
    }
    SetSettingsText("WindowWallpaper", tried.c_str());
    Reload(target);
    const LRESULT shown = target.Send(kShowWallpaperWindow, kDialog, pattern);
    ASSERT_NE(shown, -1) << "seed " << seed << " (" << MutationName(MutationOf(seed))
                         << "): the program no longer answers";
    if (!accepted) {
      ++refused;
      EXPECT_EQ(LOWORD(shown), HIWORD(shown))
          << "seed " << seed << " (" << MutationName(MutationOf(seed))
                                              << "): a refused file changed the picture";
    } else {
      kept += LOWORD(shown) == HIWORD(shown);
      goodShown = LOWORD(shown) == HIWORD(shown);
    }
  }
  SetSettingsDword(ValueNameOf(Check::WindowWallpaper), 0);
  Reload(target);
  EXPECT_EQ(target.Send(kLibraryObjects), 0) << "every picture given back";
  DeleteFileA(tried.c_str());
  DeleteFileA(good.c_str());
  DeleteSettingsKey();
  std::printf("bitmap fuzz through the library in a hooked program: %d files, %d refused by the "
              "header check (the picture kept each time), %d passed to the system's reader (%d of "
              "those left the picture as it was); no GDI object left\n",
              files, refused, files - refused, kept);
}

}  // namespace
}  // namespace vornal::test
