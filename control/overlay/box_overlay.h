// The box overlay: the animated box drawn by the control program, so that
// a window opening or closing in a hooked program never waits for it. A
// hooked program posts its window's frame to the overlay's window (found
// by its class, box_overlay_protocol.h) and goes on at once; the overlay
// plays the box on a thread of its own, never the dialog's (an Apply or a
// message box would stall it) and never the hook thread's (whose hook
// calls programs of the other bitness wait for).
//
// Each box in flight has windows of its own from a small fixed pool, one
// for each of the four bars of its frame: topmost, click-through, never
// activated, never on the taskbar or in Alt+Tab, hidden while idle. No
// window covers the middle of the box, so what lies below shows there on
// every system, Wine's desktop included, which draws layered windows
// opaque and leaves their regions out. Each bar gets its picture, place
// and size in one UpdateLayeredWindow, so that a frame is never seen half
// drawn. The frame moves at most once per display refresh.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>

#include "unique_handle.h"

namespace vornal {

// How many boxes can be in flight at once; a box beyond them takes the
// windows of the box nearest its end.
inline constexpr int kOverlayBoxCount = 8;

class BoxOverlay {
 public:
  BoxOverlay();
  // Stops the thread (bounded).
  ~BoxOverlay();
  BoxOverlay(const BoxOverlay&) = delete;
  BoxOverlay& operator=(const BoxOverlay&) = delete;

  // Starts the thread and makes its windows; true once they are there.
  // Starting a running overlay does nothing.
  bool Start();
  // Ends the thread and its windows, waiting a bounded time; a thread
  // that does not end in time is left to end on its own.
  void Stop();
  bool Running() const { return static_cast<bool>(thread_); }

  // The box's options, from the record: the frame's thickness in pixels
  // and the durations in milliseconds. While not enabled, requests are
  // dropped. Any thread may call it; a box already in flight keeps the
  // options it started with.
  void SetOptions(std::uint16_t thickness, std::uint16_t openMs, std::uint16_t closeMs, bool enabled);

  // What the overlay has done since it was made, for the tests' figures.
  struct Counts {
    std::uint64_t boxes = 0;   // boxes that started
    std::uint64_t frames = 0;  // frames drawn, of every box
  };
  Counts Drawn() const;
  // The overlay thread's CPU time so far, in microseconds (user and
  // kernel); 0 when not running.
  std::uint64_t ThreadCpuUs() const;

  // The state the thread and the owner share; the thread holds it too, so
  // that a thread outliving a bounded stop finds it still there.
  struct Shared;

 private:
  std::shared_ptr<Shared> shared_;
  UniqueHandle thread_;
  DWORD threadId_ = 0;
};

}  // namespace vornal
