#include "hook/patch_switch.h"

#include "cross_process_names.h"
#include "hook/hook_plan.h"
#include "reload_generation.h"

namespace vornal {
namespace {

constexpr char kUnloadError[] =
    "Could not unload VornalLib.dll - please try again in a few minutes.  If the problem "
    "persists, restart the computer.";
constexpr char kStartError[] =
    "Could not start VornalLib.dll - please check it is in the same folder as Vornal.exe.  If "
    "the problem persists, unset the Startup option, reboot, and re-download (or copy) the "
    "application's files from a reliable source.";

}  // namespace

const char* PatchProblemText(PatchProblem problem) {
  switch (problem) {
    case PatchProblem::StartFailed: return kStartError;
    case PatchProblem::UnloadFailed: return kUnloadError;
    default: return nullptr;
  }
}

PatchSwitch::PatchSwitch(PatchPaths paths, const OsVersion& os)
    : paths_(std::move(paths)), family9x_(Is9xFamily(os)) {
  BOOL wow64 = FALSE;
  onWow64_ = IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
  msgSettingsUpdated_ = RegisterWindowMessageA(kSettingsUpdatedMessage);
  reloadGeneration_ = GetTickCount() ^ (GetCurrentProcessId() << 16);
}

bool PatchSwitch::LoadHookLibrary(const ExclusionEntries& exclusions) { return ownHook_.Install(exclusions); }

bool PatchSwitch::UnloadHookLibrary() {
  const bool own = ownHook_.Remove();
  const bool host = host_.Stop();
  return own && host;
}

bool PatchSwitch::HookHostServes() const { return !paths_.host.empty() && !noThirtyTwoBit_; }

bool PatchSwitch::StartHookHost() {
  const OtherBitness outcome = host_.Start(paths_.host, paths_.wow64Folder);
  hostFailed_ = outcome == OtherBitness::Failed;
  // Said once, in the status line; the host is not tried again.
  noThirtyTwoBit_ = outcome == OtherBitness::Unsupported;
  return !hostFailed_;
}

OtherBitness PatchSwitch::OtherBitnessState() const {
  if (paths_.host.empty()) return onWow64_ ? OtherBitness::Unserved : OtherBitness::None;
  if (noThirtyTwoBit_) return OtherBitness::Unsupported;
  if (host_.Running()) return OtherBitness::Running;
  return hostFailed_ ? OtherBitness::Failed : OtherBitness::None;
}

std::string PatchSwitch::ReachText() const {
  return vornal::ReachText(ownHook_.Installed(), OtherBitnessState());
}

PatchProblem PatchSwitch::Apply(bool on, const PicturePaths& pictures, const ExclusionEntries& exclusions) {
  // Before the hook: every library that loads or reloads from here on
  // finds the pictures ready.
  // The overlay too: a library that finds no overlay window plays the box
  // inside its own program. An overlay that cannot start is no error the
  // user has to hear of, for the same reason.
  if (on) {
    pictures_.Publish(pictures);
    overlay_.Start();
  } else {
    pictures_.Withdraw();
  }
  bool reload = false;
  bool startFailed = false;
  bool unloadFailed = false;
  switch (PlanHookAction(on, ownHook_.Installed(), family9x_)) {
    case HookAction::Nothing:
      break;
    case HookAction::BroadcastReload:
      // Threads of programs started meanwhile are hooked already; those of
      // programs excluded or let in since change here.
      ownHook_.Rescan(exclusions);
      reload = true;
      break;
    case HookAction::Reinstall:
      unloadFailed = !ownHook_.Remove();
      if (!unloadFailed) startFailed = !LoadHookLibrary(exclusions);
      break;
    case HookAction::Install:
      startFailed = !LoadHookLibrary(exclusions);
      break;
    case HookAction::Remove:
      unloadFailed = !ownHook_.Remove();
      break;
  }
  // The other bitness, through the host (never on the 9x family).
  if (HookHostServes()) {
    switch (PlanHookAction(on, host_.Running(), false)) {
      case HookAction::Install: startFailed = !StartHookHost() || startFailed; break;
      case HookAction::BroadcastReload:
        host_.Rescan();
        reload = true;
        break;
      case HookAction::Remove: unloadFailed = !host_.Stop() || unloadFailed; break;
      default: break;
    }
  }
  if (reload) {
    // Every hooked process, of either bitness, reads the settings again
    // when the message passes through its hook, which sees sent messages
    // only. A notify send is delivered as a sent message but never waits
    // for a window that does not answer.
    // Each of a program's windows gets it; the generation makes the program
    // read the settings once.
    reloadGeneration_ = NextReloadGeneration(reloadGeneration_);
    SendNotifyMessageA(HWND_BROADCAST, msgSettingsUpdated_, reloadGeneration_, 0);
  }
  running_ = AnyHookRunning();
  // After the hooks are gone, so that no library posts to a window that is
  // about to vanish and falls back for nothing.
  if (!on) overlay_.Stop();
  // One box per apply: an unload that failed says more than a start.
  if (unloadFailed) return PatchProblem::UnloadFailed;
  return startFailed ? PatchProblem::StartFailed : PatchProblem::None;
}

void PatchSwitch::SwitchOff() {
  if (running_) {
    UnloadHookLibrary();
    running_ = AnyHookRunning();
  }
  overlay_.Stop();
  pictures_.Withdraw();
}

}  // namespace vornal
