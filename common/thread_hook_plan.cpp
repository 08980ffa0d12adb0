#include "thread_hook_plan.h"

#include <algorithm>

#include "exclusion_rules.h"

namespace vornal {
namespace {

bool Contains(const std::vector<std::uint32_t>& ids, std::uint32_t id) {
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}

}  // namespace

bool ExcludedByAny(const ExclusionEntries& exclusions, const std::string& imagePath) {
  return std::any_of(exclusions.begin(), exclusions.end(), [&](const std::string& entry) {
    return ExclusionMatches(entry.c_str(), imagePath.c_str());
  });
}

bool WantsHook(const GuiThread& thread, const ExclusionEntries& exclusions) {
  return thread.threadId != 0 && thread.sameBitness && !thread.imagePath.empty() &&
         !ExcludedByAny(exclusions, thread.imagePath);
}

ThreadHookPlan PlanThreadHooks(const std::vector<GuiThread>& seen, const std::vector<std::uint32_t>& hooked,
                               const ExclusionEntries& exclusions) {
  ThreadHookPlan plan;
  for (const GuiThread& thread : seen) {
    const bool wanted = WantsHook(thread, exclusions);
    const bool isHooked = Contains(hooked, thread.threadId);
    if (wanted && !isHooked && !Contains(plan.hook, thread.threadId)) plan.hook.push_back(thread.threadId);
    if (!wanted && isHooked && !Contains(plan.unhook, thread.threadId)) plan.unhook.push_back(thread.threadId);
  }
  return plan;
}

}  // namespace vornal
