#include "library_hooks.h"

namespace vornal {

bool LibraryHooks::Load(const char* libraryPath, const ExclusionEntries& exclusions) noexcept {
  if (Installed()) return true;
  if (!ThreadHooks::Available()) return everyThread_.Load(libraryPath);
  if (!threads_.Load(libraryPath)) return false;
  threads_.Rescan(exclusions);
  return true;
}

void LibraryHooks::Rescan(const ExclusionEntries& exclusions) noexcept { threads_.Rescan(exclusions); }

bool LibraryHooks::Unload() noexcept {
  const bool threads = threads_.Unload();
  const bool everyThread = everyThread_.Unload();
  return threads && everyThread;
}

}  // namespace vornal
