// What applying settings does with the hook, from the patch switch, whether
// the hook runs now and which Windows family this is.
#pragma once

namespace vornal {

enum class HookAction {
  Nothing,
  Install,
  Remove,
  // The hook stays; every hooked process is told to read the settings again.
  BroadcastReload,
  // The 9x family cannot tell hooked processes to reload: remove the hook
  // and install it again.
  Reinstall,
};

HookAction PlanHookAction(bool patchSwitchOn, bool patchRunning, bool family9x);

}  // namespace vornal
