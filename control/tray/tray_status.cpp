#include "tray/tray_status.h"

#include "resources/resource_ids.h"

namespace vornal {

std::string TrayTip(const std::string& title, TrayStatus status) {
  const char* suffix = "";
  switch (status) {
    case TrayStatus::StartingUp: suffix = " - Starting Up..."; break;
    case TrayStatus::PleaseWait: suffix = " - Please Wait!"; break;
    case TrayStatus::PatchRunning: suffix = " - Global Window Patches Running"; break;
    case TrayStatus::PatchNotRunning: suffix = " - Global Window Patches Not Running"; break;
  }
  std::string tip = title + suffix;
  constexpr std::size_t kTipChars = 63;  // the field's 64 characters with the terminator
  if (tip.size() > kTipChars) tip.resize(kTipChars);
  return tip;
}

int TrayIconId(TrayStatus status) {
  switch (status) {
    case TrayStatus::PatchRunning: return IDI_FormMain;
    case TrayStatus::PatchNotRunning: return IDI_ImageNo;
    case TrayStatus::StartingUp:
    case TrayStatus::PleaseWait: break;
  }
  return IDI_ImageClock;
}

const char* PatchStatusText(bool patchRunning) {
  return patchRunning ? "Patch is running." : "Patch is not running.";
}

}  // namespace vornal
