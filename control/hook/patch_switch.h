// The patch switch: everything that makes the effects run in other
// programs. It loads the hook library of the program's own bitness on the
// hook thread, starts the host for the programs of the other bitness,
// publishes the wallpaper pictures first, runs the overlay that draws the
// animated box for them, tells hooked programs to reload, and removes it
// all again. It knows nothing of the dialog: the form says
// on or off and shows what the switch reports.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "hook/hook_host.h"
#include "hook/hook_reach.h"
#include "hook/hook_thread.h"
#include "os_version.h"
#include "overlay/box_overlay.h"
#include "pictures/picture_choice.h"
#include "pictures/picture_publisher.h"

namespace vornal {

// Where the switch finds its parts.
struct PatchPaths {
  std::string library;  // VornalLib.dll of the program's own bitness
  // VornalHost32.exe, which serves the programs of the other bitness;
  // empty where every program has the program's own bitness.
  std::string host;
  // The folder of the system's 32-bit system files, which tells whether
  // the system runs 32-bit programs at all; empty on 32-bit Windows.
  std::string wow64Folder;
};

// What went wrong in one apply, for the one error box the user sees.
enum class PatchProblem { None, StartFailed, UnloadFailed };

// The error box's text of a problem; null for none.
const char* PatchProblemText(PatchProblem problem);

class PatchSwitch {
 public:
  PatchSwitch(PatchPaths paths, const OsVersion& os);
  PatchSwitch(const PatchSwitch&) = delete;
  PatchSwitch& operator=(const PatchSwitch&) = delete;

  // Brings the hooks in line with the switch: installs them, removes
  // them, or tells every hooked program to read the settings again. While
  // on, the pictures are published before any library loads or reloads.
  // The hooks go to the threads of the programs that exclusions do not
  // keep out.
  PatchProblem Apply(bool on, const PicturePaths& pictures, const ExclusionEntries& exclusions);
  // At the end of the program: every hook removed, the pictures withdrawn.
  void SwitchOff();

  // The hook of the program's own bitness, installed by the hook thread.
  bool LoadHookLibrary(const ExclusionEntries& exclusions);
  // Removes every hook: the program's own and the host's.
  bool UnloadHookLibrary();

  // Whether any hook ran after the last apply or switch-off.
  bool Running() const { return running_; }
  // The status line under the patch state: which programs the hooks reach.
  std::string ReachText() const;

  // How many threads of this bitness carry the hook, for the tests.
  std::size_t HookedThreads() { return ownHook_.HookedThreads(); }

  // The overlay that draws the box for the hooked programs; it runs while
  // the switch is on, and takes its options from the form.
  BoxOverlay& Overlay() { return overlay_; }

 private:
  // Starts the host; false when that failed in a way the user has to hear of.
  bool StartHookHost();
  bool HookHostServes() const;
  OtherBitness OtherBitnessState() const;
  bool AnyHookRunning() const { return ownHook_.Installed() || host_.Running(); }

  PatchPaths paths_;
  bool family9x_ = false;
  bool onWow64_ = false;         // a 32-bit program on 64-bit Windows
  bool hostFailed_ = false;      // the last start of the host failed
  bool noThirtyTwoBit_ = false;  // this system runs no 32-bit programs
  bool running_ = false;         // PatchRunning
  UINT msgSettingsUpdated_ = 0;
  // The generation of the last reload broadcast (reload_generation.h).
  // Started from the clock and this process's id, so that a control
  // program started again is not taken for an apply already read.
  std::uint32_t reloadGeneration_ = 0;
  PicturePublisher pictures_;
  BoxOverlay overlay_;
  HookThread ownHook_{paths_.library};
  HookHost host_;
};

}  // namespace vornal
