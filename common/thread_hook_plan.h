// Which GUI threads of the desktop get the hook of this bitness, when the
// hook goes to each wanted thread rather than to every thread: a program
// that is excluded then never maps the library at all. Pure, so that every
// case is tested natively; finding the threads and setting the hooks stay
// with the caller.
#pragma once

#include <cstdint>
#include <string>
#include <vector>


namespace vornal {

// The exclusion entries as the registry holds them: file names and path
// patterns.
using ExclusionEntries = std::vector<std::string>;

// A thread that owns a top-level window, as the caller found it.
struct GuiThread {
  std::uint32_t threadId = 0;
  std::uint32_t processId = 0;
  // Of this program's bitness: a hook of the other bitness is the other
  // program's to set.
  bool sameBitness = false;
  // The process's full image path; empty where it could not be read (a
  // process of higher integrity, one that has ended), which is never hooked.
  std::string imagePath;
};

// Whether the program at imagePath is kept out by one of the entries.
bool ExcludedByAny(const ExclusionEntries& exclusions, const std::string& imagePath);

// Whether thread should carry the hook.
bool WantsHook(const GuiThread& thread, const ExclusionEntries& exclusions);

struct ThreadHookPlan {
  std::vector<std::uint32_t> hook;    // threads to hook, each once
  std::vector<std::uint32_t> unhook;  // hooked threads that are not wanted any more
};

// From the threads seen at an apply and those hooked so far: hook each
// wanted thread not yet hooked; unhook each hooked thread that was seen and
// is not wanted (its program has been excluded since). A hooked thread not
// seen keeps its hook: it may only have no window at the moment, and a
// thread that has ended is forgotten by the caller, which learns of it
// from the system.
ThreadHookPlan PlanThreadHooks(const std::vector<GuiThread>& seen, const std::vector<std::uint32_t>& hooked,
                               const ExclusionEntries& exclusions);

}  // namespace vornal
