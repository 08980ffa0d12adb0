// vornal_drag_target.exe in a process of its own: a GUI program in which
// the installed hook has to act, driven through drag_target_protocol.h.
#pragma once

#include "drag_target_protocol.h"
#include "helper_process.h"

namespace vornal::test {

class DragTargetProcess : public HelperProcess {
 public:
  explicit DragTargetProcess(const char* exe = "vornal_drag_target.exe", bool mustStart = true)
      : HelperProcess(exe, kDragTargetClass, "", mustStart) {}

  LRESULT BeginDrag(int width, int height, WPARAM flags = 0) const {
    return Send(kBeginDrag, static_cast<WPARAM>(width) | flags, height);
  }
  LRESULT EndDrag() const { return Send(kEndDrag); }
};

}  // namespace vornal::test
