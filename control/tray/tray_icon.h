// The notification-area icon: one record for the program's whole life, in
// the first (88-byte on 32-bit Windows) layout, passed to every call.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "tray/tray_status.h"

namespace vornal {

inline constexpr UINT kTrayIconId = 100;
inline constexpr UINT kTrayCallbackMessage = WM_USER + 1;  // 1025

// The shell call that adds, changes or deletes the icon (Shell_NotifyIconA).
using NotifyIconCall = std::function<bool(DWORD message, NOTIFYICONDATAA& record)>;

class TrayIcon {
 public:
  void Init(HWND owner, HINSTANCE instance, const std::string& title, NotifyIconCall shell);
  // Puts a state's icon and tip into the record; the shell sees it at the
  // next Add or Modify.
  void SetStatus(TrayStatus status);
  // Add tells the shell of the icon; Modify of its new state (adding it
  // when the shell has not taken it yet); Delete removes it.
  bool Add();
  bool Modify();
  bool Delete();

  const NOTIFYICONDATAA& Record() const { return record_; }
  TrayStatus Status() const { return status_; }

 private:
  NOTIFYICONDATAA record_{};
  HINSTANCE instance_ = nullptr;
  std::string title_;
  NotifyIconCall shell_;
  TrayStatus status_ = TrayStatus::StartingUp;
  bool added_ = false;
};

}  // namespace vornal
