// Churn: hooked helpers make and unmake windows of every class the rules
// name on several threads, Wine's own programs run beside them, and the
// control program applies changed settings again and again while reload
// broadcasts storm, every effect on. Nothing may crash or hang, and each
// helper's GDI objects (counted at the library's imports) come back to
// where they started. However many of a helper's windows a broadcast
// reaches, on whichever threads, the library reads the settings once.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "churn_protocol.h"
#include "cross_process_names.h"
#include "drag_target_process.h"
#include "reload_generation.h"
#include "reliability_support.h"
#include "test_bitmap.h"
#include "vornal_process.h"

namespace vornal::test {
namespace {

constexpr int kHelpers = 3;
constexpr WPARAM kThreadsPerHelper = 2;
// The longest a program may take to answer while the storm goes on: far
// beyond an animation (20 ms here), yet a hang shows.
constexpr DWORD kAnswerLimitMs = 10000;
// After the storm: a program that does not answer within this is hung.
constexpr DWORD kQuietAnswerMs = 2000;

class Churn : public VornalProcess {};

TEST_F(Churn, ProgramsSurviveAStormOfWindowsAndReloadsAndGiveTheirGdiObjectsBack) {
  const std::string pictures[] = {TempPath("vornal_churn_a.bmp"), TempPath("vornal_churn_b.bmp"),
                                   TempPath("vornal_churn_mdi.bmp"), TempPath("vornal_churn_tv.bmp")};
  ASSERT_TRUE(WriteTestBitmap(pictures[0].c_str(), 37, 23, 0));
  ASSERT_TRUE(WriteTestBitmap(pictures[1].c_str(), 64, 48, 0));
  ASSERT_TRUE(WriteTestBitmap(pictures[2].c_str(), 45, 31, 1));
  ASSERT_TRUE(WriteTestBitmap(pictures[3].c_str(), 29, 41, 2));
  EveryEffectOn(20, pictures[0], pictures[2], pictures[3]);

  std::vector<std::unique_ptr<DragTargetProcess>> helpers;
  for (int i = 0; i < kHelpers; ++i) {
    helpers.push_back(std::make_unique<DragTargetProcess>());
    ASSERT_TRUE(helpers.back()->Ready());
  }
  std::vector<std::unique_ptr<WineProgram>> wine;
  for (const char* exe : {"regedit.exe", "winefile.exe", "notepad.exe"}) {
    wine.push_back(std::make_unique<WineProgram>(exe));
    ASSERT_TRUE(wine.back()->Running()) << exe << " did not start";
  }
  Launch(BesideThisProgram("Vornal.exe"));
  ASSERT_EQ(WindowText(Control(IDC_LabelStatus)), "Patch is running.");

  // Counting starts with the pictures of one reload made under it.
  const UINT updated = RegisterWindowMessageA(kSettingsUpdatedMessage);
  std::vector<LRESULT> objectsAtStart, readsAtStart;
  for (const auto& h : helpers) {
    ASSERT_EQ(h->Send(kLibraryMapped), 1);
    ASSERT_GE(h->Send(kLibraryObjects), 0);
    const LRESULT readsBefore = h->Send(kLibraryReloads);
    ASSERT_GE(readsBefore, 0);
    h->Send(updated);
    objectsAtStart.push_back(h->Send(kLibraryObjects));
    EXPECT_EQ(objectsAtStart.back(), 0) << "the pictures are the control program's, mapped";
    readsAtStart.push_back(h->Send(kLibraryReloads));
    ASSERT_EQ(readsAtStart.back() - readsBefore, 1) << "a reload asked of one window reads the settings once";
    ASSERT_EQ(h->Send(kChurnStart, kThreadsPerHelper), static_cast<LRESULT>(kThreadsPerHelper));
  }

  // The storm: an Apply with a changed opacity and window picture, then a
  // burst of reload broadcasts, each numbered as the control program
  // numbers its own, again and again; between them every program must
  // answer.
  const RunFor run(0, 0.35);
  const DWORD runMs = std::max<DWORD>(run.Milliseconds(), 45000);
  const ULONGLONG end = GetTickCount64() + runMs;
  int applies = 0, broadcasts = 0;
  ULONGLONG slowest = 0;
  Dice dice(1);
  std::uint32_t opacity = 0;
  std::uint32_t generation = GetTickCount() ^ (GetCurrentProcessId() << 16);
  while (GetTickCount64() < end) {
    opacity = 100 + dice.Below(150);
    TypeText(Control(IDC_SpinEdit13), std::to_string(opacity));
    TypeText(Control(IDC_EditWindowWallpaper), pictures[applies % 2]);
    Click(Control(IDC_ButtonApply));
    ++applies;
    for (int i = 0; i < 5; ++i, ++broadcasts) {
      generation = NextReloadGeneration(generation);
      SendNotifyMessageA(HWND_BROADCAST, updated, generation, 0);
    }
    for (const auto& h : helpers) {
      const ULONGLONG start = GetTickCount64();
      ASSERT_NE(h->Send(kChurnRounds, 0, 0, kAnswerLimitMs), -1) << "a helper stopped answering";
      slowest = std::max(slowest, GetTickCount64() - start);
    }
    for (const auto& w : wine) {
      const long ms = w->AnswerMs(kAnswerLimitMs);
      ASSERT_GE(ms, 0) << w->Name() << " stopped answering";
      slowest = std::max<ULONGLONG>(slowest, static_cast<ULONGLONG>(ms));
    }
  }

  // Every Apply broadcast a generation of its own, and so did the test.
  const long generations = applies + broadcasts;
  long windows = 0, messages = 0, settingsMessages = 0, reloads = 0, rounds = 0;
  for (std::size_t i = 0; i < helpers.size(); ++i) {
    const auto& h = helpers[i];
    ASSERT_EQ(h->Send(kChurnStop, 0, 0, 60000), 1) << "the workers ended";
    EXPECT_GT(h->Send(kChurnRounds), 0) << "each helper made progress";
    windows += static_cast<long>(h->Send(kChurnWindows));
    rounds += static_cast<long>(h->Send(kChurnRounds));
    messages += static_cast<long>(h->Send(kChurnMessages));
    settingsMessages += static_cast<long>(h->Send(kChurnSettingsMessages));
    const long read = static_cast<long>(h->Send(kLibraryReloads) - readsAtStart[i]);
    EXPECT_EQ(read, generations) << "helper " << i << ": settings reads, one per generation broadcast";
    reloads += read;
  }
  std::printf("churn: reloads per hooked program per broadcast: %.2f (%ld reads of the settings "
              "in %d helpers for %ld generations)\n",
              static_cast<double>(reloads) / (static_cast<double>(kHelpers) * generations), reloads,
              kHelpers, generations);
  // The settings of the start again: the same three pictures. Nothing the
  // user applied was lost on the way.
  TypeText(Control(IDC_EditWindowWallpaper), pictures[0]);
  Click(Control(IDC_ButtonApply));
  EXPECT_EQ(StoredDword(ValueNameOf(Spin::DragOpacity)), opacity)
      << "the last opacity applied";
  char stored[MAX_PATH] = {};
  RegistryKey::OpenForRead(HKEY_CURRENT_USER, kSettingsKeyPath).ReadString("WindowWallpaper", stored, sizeof stored);
  EXPECT_EQ(std::string(stored), pictures[0]);
  for (std::size_t i = 0; i < helpers.size(); ++i) {
    helpers[i]->Send(updated);
    const LRESULT now = helpers[i]->Send(kLibraryObjects);
    EXPECT_EQ(now, objectsAtStart[i]) << "helper " << i << ": GDI objects at the start and now";
    std::printf("churn helper %zu: GDI objects of the library %ld at the start, %ld at the end\n", i,
                static_cast<long>(objectsAtStart[i]), static_cast<long>(now));
  }
  // Once the storm is over, nothing is left busy.
  for (const auto& h : helpers) {
    const ULONGLONG start = GetTickCount64();
    EXPECT_NE(h->Send(kChurnRounds, 0, 0, kQuietAnswerMs), -1);
    EXPECT_LT(GetTickCount64() - start, kQuietAnswerMs);
  }
  for (const auto& w : wine) {
    EXPECT_TRUE(w->Running()) << w->Name() << " ended";
    EXPECT_GE(w->AnswerMs(kQuietAnswerMs), 0) << w->Name() << " is still busy";
  }
  EXPECT_FALSE(app.HasExited()) << "the control program ended";
  std::printf("churn: %d helper processes (%d threads each) and %zu of Wine's programs, %.0f s: "
              "%ld windows in %ld rounds, %ld messages through the helpers' hooks (%ld of them "
              "settings-updated), %d applies, %d reload broadcasts; slowest answer %llu ms\n",
              kHelpers, static_cast<int>(kThreadsPerHelper), wine.size(), runMs / 1000.0, windows,
              rounds, messages, settingsMessages, applies, broadcasts, slowest);
}

}  // namespace
}  // namespace vornal::test
