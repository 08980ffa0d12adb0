#include "process_facts.h"

namespace vornal {
namespace {

// Wide enough for the longest path the system has; paths are not limited
// to MAX_PATH any more.
constexpr DWORD kLongestPath = 32768;

std::string ImagePath(HANDLE process) {
  std::string path(kLongestPath, '\0');
  DWORD length = kLongestPath;
  if (!QueryFullProcessImageNameA(process, 0, path.data(), &length)) return {};
  path.resize(length);
  return path;
}

bool IsWow64(HANDLE process) {
  BOOL wow64 = FALSE;
  return IsWow64Process(process, &wow64) && wow64;
}

}  // namespace

ProcessFacts ReadProcessFacts(DWORD processId) {
  ProcessFacts facts;
  facts.process = UniqueHandle(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!facts.process) return facts;
  facts.sameBitness = IsWow64(facts.process.Get()) == IsWow64(GetCurrentProcess());
  facts.imagePath = ImagePath(facts.process.Get());
  return facts;
}

bool HasEnded(HANDLE waitable) noexcept {
  return waitable == nullptr || WaitForSingleObject(waitable, 0) != WAIT_TIMEOUT;
}

}  // namespace vornal
