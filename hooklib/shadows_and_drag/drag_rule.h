// Which windows become transparent while they are moved. The decision is
// split into the stages in which the handler reads the window, so that the
// later (dearer) facts are read only when the earlier ones let it go on;
// each stage is pure and tested natively.
#pragma once

#include <cstdint>

#include "core/window_box.h"
#include "options/drag_options.h"

namespace vornal::hooklib {

inline constexpr std::uint32_t kLayeredExStyle = 0x00080000;  // WS_EX_LAYERED
inline constexpr char kDialogClassName[] = "#32770";
inline constexpr std::uint32_t kOwnDcClassStyle = 0x0020;    // CS_OWNDC
inline constexpr std::uint32_t kClassDcClassStyle = 0x0040;  // CS_CLASSDC

// First stage, from the extended style alone: the option is on, the window
// is not layered already (its own program may have made it so), and no other
// window of this process is being dragged transparently.
bool MayStartDrag(const DragOptions& options, std::uint32_t exStyle,
                  bool dragWindowHeld) noexcept;

// Second stage, needed only while dragDialogsOnly is on: the class name as read,
// compared exactly.
bool ClassMayDrag(const DragOptions& options, const char* className) noexcept;

// Third stage: the window rectangle. Width and height are the absolute
// differences of the sides taken modulo 65536, as unsigned 16-bit values;
// both bounds are included.
bool SizeMayDrag(const DragOptions& options, const WindowBox& box) noexcept;

// Fourth stage: the class style. A window whose class keeps a device
// context of its own or one shared by the class (CS_OWNDC, CS_CLASSDC, as
// OpenGL windows have) cannot be layered; setting the style anyway leaves
// it drawn wrongly or not at all.
bool ClassStyleMayDrag(std::uint32_t classStyle) noexcept;

// Last stage, the dearest: whether the window rectangle contains the whole
// rectangle of the monitor the window is on, edges included. Such a window
// is a full-screen game or video, which the layered style would slow down
// or blank; one pixel short of an edge and it is an ordinary window.
bool CoversItsMonitor(const WindowBox& window, const WindowBox& monitor) noexcept;

// At the end of a move: only the window this library made transparent is
// made opaque again, and only while it is still layered.
bool ShouldRestoreOpacity(std::uint32_t exStyle, bool isDragWindow) noexcept;

}  // namespace vornal::hooklib
