#include "tray/tray_icon.h"

#include <cstring>

namespace vornal {

void TrayIcon::Init(HWND owner, HINSTANCE instance, const std::string& title,
                    NotifyIconCall shell) {
  instance_ = instance;
  title_ = title;
  shell_ = std::move(shell);
  record_ = NOTIFYICONDATAA{};
  record_.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record_.hWnd = owner;
  record_.uID = kTrayIconId;
  record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record_.uCallbackMessage = kTrayCallbackMessage;
}

void TrayIcon::SetStatus(TrayStatus status) {
  status_ = status;
  // Shared icons from the resources: loaded once, never destroyed.
  record_.hIcon = static_cast<HICON>(LoadImageA(instance_, MAKEINTRESOURCEA(TrayIconId(status)),
                                                IMAGE_ICON, 16, 16, LR_SHARED));
  const std::string tip = TrayTip(title_, status);
  std::memcpy(record_.szTip, tip.c_str(), tip.size() + 1);
}

bool TrayIcon::Add() {
  added_ = shell_ && shell_(NIM_ADD, record_);
  return added_;
}

bool TrayIcon::Modify() {
  // An icon the shell never took (it was not up yet, or did not answer)
  // is added with the current state instead.
  if (!added_) return Add();
  return shell_ && shell_(NIM_MODIFY, record_);
}

bool TrayIcon::Delete() {
  added_ = false;
  return shell_ && shell_(NIM_DELETE, record_);
}

}  // namespace vornal
