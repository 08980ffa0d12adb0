// A window opening and closing in a hooked program, with the box drawn by
// Vornal.exe: the program's ShowWindow and DestroyWindow return at once and
// it answers the next message while the box is still on the screen. The
// screen is read by a thread of this test, never by the helper's thread
// that shows the window.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include "animation_target_protocol.h"
#include "cross_process_names.h"
#include "drag_target_process.h"
#include "program_under_test.h"
#include "resources/resource_ids.h"
#include "screen_pixels.h"
#include "vornal_settings_key.h"

namespace vornal::test {
namespace {

std::uint64_t NowUs() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return static_cast<std::uint64_t>(now.QuadPart * 1000000 / frequency.QuadPart);
}

// The screen's row through the middle of the wide window, as 0x00BBGGRR.
std::vector<std::uint32_t> MiddleRow() {
  std::vector<std::uint32_t> row = ScreenPixels(kWideLeft, kWideTop + kWideHeight / 2, kWideWidth, 1);
  // A DIB holds blue in the low byte; COLORREF holds red there.
  for (auto& px : row) px = RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
  return row;
}

// Reads the row over and over on a thread of its own until destroyed.
class ScreenWatch {
 public:
  struct Sample {
    std::uint64_t atUs;
    std::vector<std::uint32_t> row;
  };

  ScreenWatch() : reader_([this] {
    while (!stop_) {
      Sample sample{NowUs(), MiddleRow()};
      {
        const std::lock_guard<std::mutex> lock(mutex_);
        samples_.push_back(std::move(sample));
      }
      Sleep(1);  // a reader that never rests would slow every program on the display
    }
  }) {}
  ~ScreenWatch() {
    stop_ = true;
    reader_.join();
  }
  ScreenWatch(const ScreenWatch&) = delete;
  ScreenWatch& operator=(const ScreenWatch&) = delete;

  // Samples taken from fromUs to toUs that show the box's highlight band
  // where the settled screen has none: the box was on the screen then.
  int BoxSeen(std::uint64_t fromUs, std::uint64_t toUs, const std::vector<std::uint32_t>& settled) {
    const std::uint32_t band = GetSysColor(COLOR_HIGHLIGHT);
    const std::lock_guard<std::mutex> lock(mutex_);
    int seen = 0;
    for (const Sample& s : samples_) {
      if (s.atUs <= fromUs || s.atUs > toUs || s.row.size() != settled.size()) continue;
      for (size_t x = 0; x < s.row.size(); ++x) {
        if (s.row[x] == band && settled[x] != band) {
          ++seen;
          break;
        }
      }
    }
    return seen;
  }
  size_t Count() {
    const std::lock_guard<std::mutex> lock(mutex_);
    return samples_.size();
  }

 private:
  std::mutex mutex_;
  std::vector<Sample> samples_;
  std::atomic<bool> stop_{false};
  std::thread reader_;
};

// Sends to the helper's window thread over and over on a thread of its
// own until destroyed: the longest wait for an answer.
class Pinger {
 public:
  explicit Pinger(const DragTargetProcess& target) : sender_([this, &target] {
    while (!stop_) {
      const std::uint64_t sent = NowUs();
      target.Send(kLibraryMapped, 0, 0, 2000);
      longestUs_ = std::max<std::uint64_t>(longestUs_, NowUs() - sent);
      Sleep(1);
    }
  }) {}
  ~Pinger() { Stop(); }
  Pinger(const Pinger&) = delete;
  Pinger& operator=(const Pinger&) = delete;

  std::uint64_t Stop() {
    stop_ = true;
    if (sender_.joinable()) sender_.join();
    return longestUs_;
  }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<std::uint64_t> longestUs_{0};
  std::thread sender_;
};

class BoxByTheControlProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteSettingsKey();  // the defaults: a 200 ms box each way
    ASSERT_TRUE(vornal_.Start(BesideThisProgram("Vornal.exe")));
    ASSERT_TRUE(WaitFor([&] { return (form_ = vornal_.FindTopLevel(kFormClassName, "Vornal")) != nullptr; }));
    ASSERT_TRUE(target_.Ready());
  }

  void TearDown() override {
    if (form_ != nullptr) PostMessageA(form_, WM_COMMAND, IDM_Exit1, 0);
    EXPECT_TRUE(vornal_.HasExited(20000));
    DeleteSettingsKey();
  }

  HWND Control(int id) const { return ProgramUnderTest::FindControl(form_, id); }
  void PatchOn() {
    Click(Control(IDC_RadioButton5));
    Click(Control(IDC_ButtonApply));
    ASSERT_EQ(WindowText(Control(IDC_LabelStatus)), "Patch is running.");
    ASSERT_NE(FindWindowA(kBoxOverlayClassName, nullptr), nullptr);
    target_.Send(kLibraryMapped);  // the library arrives with a hooked message
    ASSERT_EQ(target_.Send(kLibraryMapped), 1);
  }

  ProgramUnderTest vornal_;
  HWND form_ = nullptr;
  DragTargetProcess target_;
};

TEST_F(BoxByTheControlProgram, OpenAndCloseReturnAtOnceAndTheProgramAnswersWhileTheBoxPlays) {
  PatchOn();
  struct Step {
    const char* name;
    UINT command;
  };
  const Step steps[] = {{"ShowWindow", kOpenWide}, {"DestroyWindow", kCloseWide}};
  ScreenWatch watch;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    Pinger pinger(target_);
    Sleep(20);
    const LRESULT tookUs = target_.Send(step.command);
    const std::uint64_t returned = NowUs();
    Sleep(250);
    const std::uint64_t longestUs = pinger.Stop();
    Sleep(300);  // the box is over: what the screen shows now stays
    const std::vector<std::uint32_t> settled = MiddleRow();
    const int seen = watch.BoxSeen(returned, NowUs(), settled);
    EXPECT_GT(seen, 0) << "the box on the screen after " << step.name << " returned, in "
                       << watch.Count() << " reads of the screen";
    std::printf("[ figures  ] %s of a titled %dx%d window, 200 ms box by Vornal.exe: %.2f ms; "
                "longest answer while the box played %.2f ms; screen reads showing the box "
                "after the return %d\n",
                step.name, kWideWidth, kWideHeight, tookUs / 1000.0, longestUs / 1000.0, seen);
  }
}

TEST_F(BoxByTheControlProgram, AClosingBoxPlaysOnWhenItsProgramEndsAtOnce) {
  TypeText(Control(IDC_SpinEdit3), "1000");  // a closing box long enough to outlive the kill
  PatchOn();
  target_.Send(kOpenWide);
  Sleep(400);
  ScreenWatch watch;
  target_.Send(kCloseWide);
  target_.Kill();
  const std::uint64_t ended = NowUs();
  Sleep(1300);
  EXPECT_GT(watch.BoxSeen(ended, NowUs(), MiddleRow()), 0)
      << "the closing box on the screen after its program ended, in " << watch.Count() << " reads";
}

}  // namespace
}  // namespace vornal::test
