#include "animation/animated_box.h"

#include <mmsystem.h>

#include "box_frame.h"
#include "core/fpu_control.h"
#include "gdi_owners.h"

namespace vornal::hooklib {

bool DrawBoxFrame(const ScreenBox& box, POINT origin, std::uint16_t thickness) noexcept {
  const ScreenDC screen;
  if (!screen) return false;
  const BoxFrame frame = BoxFrameBars(box, thickness);
  for (int i = 0; i < frame.count; ++i) {
    const Bar& bar = frame.bars[i];
    PatBlt(screen.Get(), ClampToInt32(static_cast<std::int64_t>(origin.x) + bar.left),
           ClampToInt32(static_cast<std::int64_t>(origin.y) + bar.top), bar.width, bar.height,
           DSTINVERT);
  }
  // PatBlt may wait in the thread's GDI batch; the outline has to be on the
  // screen before the step's pause, not whenever the batch fills.
  GdiFlush();
  return true;
}

void AnimateBox(std::int32_t left, std::int32_t top, std::uint16_t width, std::uint16_t height,
                bool closing, const AnimationOptions& options) noexcept {
  // The host thread's precision and rounding settings must not change
  // where the boxes fall (some programs run the x87 in single precision).
  const FpuControlScope fpu;
  const POINT origin{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN)};
  const ScreenBox window{ClampToInt32(static_cast<std::int64_t>(left) - origin.x),
                         ClampToInt32(static_cast<std::int64_t>(top) - origin.y), width, height};
  const DWORD start = timeGetTime();
  const std::uint16_t duration = closing ? options.closeDuration : options.openDuration;
  const std::uint16_t thickness = options.boxThickness;
  ScreenBox shown;
  bool onScreen = false;
  for (;;) {
    const float f = AnimationFraction(timeGetTime() - start, duration);
    const ScreenBox box = BoxAt(window, f, closing);
    // The new box goes on before the old one comes off, so that the
    // outline never vanishes between two steps.
    if ((!onScreen || box != shown) && DrawBoxFrame(box, origin, thickness)) {
      if (onScreen && !DrawBoxFrame(shown, origin, thickness)) {
        // The old box cannot be erased: take the new one off again and
        // stop rather than leave two.
        DrawBoxFrame(box, origin, thickness);
        return;
      }
      shown = box;
      onScreen = true;
    }
    if (f >= 1.0f) {
      if (onScreen) DrawBoxFrame(shown, origin, thickness);
      return;
    }
    Sleep(1);
  }
}

}  // namespace vornal::hooklib
