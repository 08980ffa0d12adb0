// A window of the overlay's class in the test's process, standing in for
// the control program's: it records what a hooked program's library posts
// to it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <ostream>
#include <utility>
#include <vector>

#include "box_overlay_protocol.h"
#include "cross_process_names.h"

namespace vornal::test {

class StandInOverlay {
 public:
  struct Post {
    bool closing;
    BoxRequest box;
    bool operator==(const Post&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Post& p) {
      const BoxRequest& b = p.box;
      return out << (p.closing ? "closing {" : "opening {") << b.left << ", " << b.top << ", " << b.width
                 << "x" << b.height << (b.kind == BoxWindowKind::Popup ? ", popup}" : ", titled}");
    }
  };

  StandInOverlay() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kBoxOverlayClassName;
    RegisterClassA(&wc);
    window_ = CreateWindowA(kBoxOverlayClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, wc.hInstance,
                            nullptr);
  }
  // The class goes too, so that the real overlay of a later test in this
  // process registers its own procedure.
  ~StandInOverlay() {
    DestroyWindow(window_);
    UnregisterClassA(kBoxOverlayClassName, GetModuleHandleA(nullptr));
  }
  StandInOverlay(const StandInOverlay&) = delete;
  StandInOverlay& operator=(const StandInOverlay&) = delete;

  bool Exists() const { return window_ != nullptr; }

  // What was posted since the last call: the helper posts before it
  // answers the send, so everything is in this thread's queue by then.
  std::vector<Post> Collect() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    return std::exchange(posts_, {});
  }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    static const UINT opening = RegisterWindowMessageA(kBoxOpeningMessage);
    static const UINT closing = RegisterWindowMessageA(kBoxClosingMessage);
    if (message != opening && message != closing) return DefWindowProcA(window, message, wParam, lParam);
    try {
      posts_.push_back({message == closing, UnpackBox(static_cast<std::uint32_t>(wParam),
                                                      static_cast<std::uint32_t>(lParam))});
    } catch (...) {
      // Out of memory: the post goes uncounted and the test sees it missing.
    }
    return 0;
  }
  static inline std::vector<Post> posts_;
  HWND window_ = nullptr;
};

}  // namespace vornal::test
