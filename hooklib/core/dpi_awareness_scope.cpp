#include "core/dpi_awareness_scope.h"

#include "core/library_state.h"

namespace vornal::hooklib {
namespace {

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 and _PER_MONITOR_AWARE, as
// the system defines them (windef.h); V2 came with Windows 10 1703.
const HANDLE kPerMonitorV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
const HANDLE kPerMonitor = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-3));

}  // namespace

DpiAwarenessScope::DpiAwarenessScope() noexcept {
  const SetThreadDpiAwarenessContextProc set = g_library.setThreadDpiAwarenessContext;
  if (set == nullptr) return;
  previous_ = set(kPerMonitorV2);
  if (previous_ == nullptr) previous_ = set(kPerMonitor);
}

DpiAwarenessScope::~DpiAwarenessScope() {
  if (previous_ != nullptr) g_library.setThreadDpiAwarenessContext(previous_);
}

}  // namespace vornal::hooklib
