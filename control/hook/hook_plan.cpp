#include "hook/hook_plan.h"

namespace vornal {

HookAction PlanHookAction(bool patchSwitchOn, bool patchRunning, bool family9x) {
  if (patchSwitchOn) {
    if (!patchRunning) return HookAction::Install;
    return family9x ? HookAction::Reinstall : HookAction::BroadcastReload;
  }
  return patchRunning ? HookAction::Remove : HookAction::Nothing;
}

}  // namespace vornal
