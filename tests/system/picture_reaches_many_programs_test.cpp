// How long a new picture takes to reach many hooked programs that each
// have many top-level windows (hidden ones too: a broadcast reaches every
// one). Ten helpers show a dialog with the window picture while the
// picture is changed again and again, as Apply changes it: the settings
// written, the set published, then the reload broadcast, by turns without
// a generation (every window reloads, as from an older control program)
// and with one (one reload per program). The figures are printed side by
// side; only that every program shows each new picture is asserted.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "churn_protocol.h"
#include "cross_process_names.h"
#include "drag_target_process.h"
#include "installed_hook.h"
#include "pictures/picture_publisher.h"
#include "reload_generation.h"
#include "test_bitmap.h"
#include "vornal_settings_key.h"
#include "wallpaper_target_protocol.h"

namespace vornal::test {
namespace {

constexpr int kPrograms = 10;
constexpr WPARAM kHiddenWindowsEach = 30;
constexpr int kRoundsEachWay = 7;
// Far beyond any reload: a program that shows nothing new by then never will.
constexpr auto kShowLimit = std::chrono::seconds(60);

struct Picture {
  int kind, width, height;
};
constexpr Picture kPictures[] = {{0, 37, 23}, {1, 45, 31}};

std::string PicturePath(int index) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + "vornal_reach_" + std::to_string(index) + ".bmp";
}

// Whether a dialog of the helper, made and erased now, shows that picture
// tiled, every pixel.
bool Shows(const DragTargetProcess& helper, const Picture& p) {
  const LRESULT r = helper.Send(kShowWallpaperWindow, kDialog, PictureRequest(p.kind, p.width, p.height));
  return r != -1 && HIWORD(r) != 0 && LOWORD(r) == HIWORD(r);
}

// Milliseconds from the broadcast of that generation until every helper
// shows the picture, or -1 when one does not within the limit. A helper
// answers after the broadcast's messages to its windows, reloads included.
long MsUntilEveryOneShows(const std::vector<std::unique_ptr<DragTargetProcess>>& helpers, const Picture& p,
                          WPARAM generation) {
  std::vector<const DragTargetProcess*> waiting;
  for (const auto& h : helpers) waiting.push_back(h.get());
  const auto start = std::chrono::steady_clock::now();
  SendNotifyMessageA(HWND_BROADCAST, RegisterWindowMessageA(kSettingsUpdatedMessage), generation, 0);
  while (!waiting.empty()) {
    if (std::chrono::steady_clock::now() - start > kShowLimit) return -1;
    std::erase_if(waiting, [&](const DragTargetProcess* h) { return Shows(*h, p); });
  }
  return static_cast<long>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}

// The library's settings reads in all the helpers so far.
long Reads(const std::vector<std::unique_ptr<DragTargetProcess>>& helpers) {
  long reads = 0;
  for (const auto& h : helpers) reads += static_cast<long>(h->Send(kLibraryReloads));
  return reads;
}

long Median(std::vector<long> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

class PictureReachesManyPrograms : public ::testing::Test {
 protected:
  void TearDown() override {
    DeleteSettingsKey();
    for (const std::string& path : paths) DeleteFileA(path.c_str());
  }

  const std::string paths[2] = {PicturePath(0), PicturePath(1)};
};

TEST_F(PictureReachesManyPrograms, EveryProgramShowsEachNewPictureWithOrWithoutAGeneration) {
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(WriteTestBitmap(paths[i].c_str(), kPictures[i].width, kPictures[i].height, kPictures[i].kind));
  }
  ResetSettingsKey();
  SetSettingsDword(ValueNameOf(Check::WindowsOpening), 0);  // no animation: quicker dialogs
  SetSettingsDword(ValueNameOf(Check::WindowsClosing), 0);
  SetSettingsDword(ValueNameOf(Check::WindowWallpaper), 1);
  SetSettingsText("WindowWallpaper", paths[0].c_str());
  PicturePublisher publisher;
  ASSERT_TRUE(publisher.Publish({paths[0], "", ""}));
  InstalledHook hook;
  ASSERT_TRUE(hook.Installed());

  const auto started = std::chrono::steady_clock::now();
  std::vector<std::unique_ptr<DragTargetProcess>> helpers;
  for (int i = 0; i < kPrograms; ++i) {
    helpers.push_back(std::make_unique<DragTargetProcess>());
    const DragTargetProcess& h = *helpers.back();
    ASSERT_TRUE(h.Ready());
    ASSERT_EQ(h.Send(kMakeHiddenWindows, kHiddenWindowsEach), static_cast<LRESULT>(kHiddenWindowsEach));
    h.Send(kLibraryMapped);  // the library arrives with the first hooked message
    ASSERT_TRUE(Shows(h, kPictures[0])) << "helper " << i << " before any change";
    ASSERT_EQ(h.Send(kLibraryReloads), 0) << "counting starts";
  }
  const auto startMs = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);

  std::uint32_t generation = GetTickCount() ^ (GetCurrentProcessId() << 16);
  std::vector<long> perWindow, perProgram;
  long reads[2] = {};  // with a reload per window, with one per program
  for (int round = 0; round < 2 * kRoundsEachWay; ++round) {
    const bool everyWindow = round % 2 == 0;
    const int next = (round + 1) % 2;
    SetSettingsText("WindowWallpaper", paths[next].c_str());
    ASSERT_TRUE(publisher.Publish({paths[next], "", ""}));
    if (!everyWindow) generation = NextReloadGeneration(generation);
    const long readsBefore = Reads(helpers);
    const long ms = MsUntilEveryOneShows(helpers, kPictures[next], everyWindow ? kReloadAlways : generation);
    ASSERT_GE(ms, 0) << "round " << round << (everyWindow ? ", a reload per window" : ", one reload per program")
                     << ": a program did not show the new picture within "
                     << std::chrono::duration_cast<std::chrono::seconds>(kShowLimit).count() << " s";
    (everyWindow ? perWindow : perProgram).push_back(ms);
    reads[everyWindow ? 0 : 1] += Reads(helpers) - readsBefore;
  }
  const double broadcasts = static_cast<double>(kPrograms) * kRoundsEachWay;
  std::printf("%d programs (%d hidden top-level windows each, started in %lld ms) show a new picture: "
              "%ld ms with a reload per window, %ld ms with one reload per program (median of %d); "
              "reads of the settings per program per broadcast: %.1f and %.1f\n",
              kPrograms, static_cast<int>(kHiddenWindowsEach), static_cast<long long>(startMs.count()),
              Median(perWindow), Median(perProgram), kRoundsEachWay, reads[0] / broadcasts, reads[1] / broadcasts);
}

}  // namespace
}  // namespace vornal::test
