// Every name that one of Vornal's programs gives and another one (or
// another copy of the same program) looks up: the control program, the
// hook library inside every GUI process, the 32-bit host, and the tests
// and benches that stand in for them. A name spelled twice could drift
// apart and nothing would fail to build, so each is spelled only here.
// The shell's own names (TaskbarCreated, Shell_TrayWnd and so on) are not
// ours and stay where they are used.
#pragma once

namespace vornal {

// Registered window messages. The control program broadcasts
// SettingsUpdated after every save; each hooked process reloads its
// settings on it. A second copy of the control program sends ShowMain to
// the running one, which then shows its dialog.
inline constexpr char kSettingsUpdatedMessage[] = "Vornal_SettingsUpdated";
inline constexpr char kShowMainMessage[] = "Vornal_ShowMain";

// The control program's single-instance mutex, one per log-on session.
inline constexpr char kControlMutexName[] = "Vornal";
// The window class of the control program's dialog (its form resource
// names it too), by which a second copy waits for the first one's window.
inline constexpr char kFormClassName[] = "TFormMain";

// The hook host's single-instance mutex, held while a host runs.
inline constexpr char kHostMutexName[] = "VornalHost32";

// The published wallpaper pictures (picture_set.h): the directory section,
// and the prefix of every set's section, which PictureSetNameOf follows
// with a dot and the set's generation. In the session's namespace.
inline constexpr char kPictureDirectoryName[] = "Local\\VornalPictures";

// The animated box: the control program's overlay window, found by its
// class, and the two messages a hooked program posts to it
// (box_overlay_protocol.h says what they carry).
inline constexpr char kBoxOverlayClassName[] = "VornalBoxOverlay";
inline constexpr char kBoxOpeningMessage[] = "Vornal_BoxOpening";
inline constexpr char kBoxClosingMessage[] = "Vornal_BoxClosing";

// Sent, as a notify, by the program that hooks a thread as one of its
// windows appears, to that window: the library it brings into the program
// plays the opening of a window of that thread that was shown before the
// hook was there.
inline constexpr char kThreadHookedMessage[] = "Vornal_ThreadHooked";

// The hook library's exports, as its .def file names them, looked up by
// the programs that install its hook.
inline constexpr char kHookProcedureName[] = "VornalHook";
inline constexpr char kSetupProcedureName[] = "VornalSetup";

}  // namespace vornal
