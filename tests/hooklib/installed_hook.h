// The library installed the way the control program installs it: loaded
// by its full path, hooked into every thread of the desktop, handed its
// hook handle.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "cross_process_names.h"
#include "program_folder.h"

namespace vornal::test {

// What the control program does to switch the effects on and off.
class InstalledHook {
 public:
  InstalledHook() {
    const std::string path = BesideThisProgram("VornalLib.dll");
    module_ = LoadLibraryA(path.c_str());
    if (module_ == nullptr) {
      ADD_FAILURE() << "cannot load " << path;
      return;
    }
    const auto hook = reinterpret_cast<HOOKPROC>(
        reinterpret_cast<void (*)()>(GetProcAddress(module_, kHookProcedureName)));
    const auto setup = reinterpret_cast<void(CALLBACK*)(HHOOK)>(
        reinterpret_cast<void (*)()>(GetProcAddress(module_, kSetupProcedureName)));
    if (hook == nullptr || setup == nullptr) {
      ADD_FAILURE() << "exports missing";
      return;
    }
    handle_ = SetWindowsHookExA(WH_CALLWNDPROCRET, hook, module_, 0);
    if (handle_ == nullptr) {
      ADD_FAILURE() << "SetWindowsHookExA failed: " << GetLastError();
      return;
    }
    setup(handle_);
  }

  ~InstalledHook() {
    Remove();
    if (module_ != nullptr) FreeLibrary(module_);
  }

  InstalledHook(const InstalledHook&) = delete;
  InstalledHook& operator=(const InstalledHook&) = delete;

  bool Installed() const { return handle_ != nullptr; }

  bool Remove() {
    if (handle_ == nullptr) return true;
    const bool removed = UnhookWindowsHookEx(handle_) != 0;
    handle_ = nullptr;
    return removed;
  }

 private:
  HMODULE module_ = nullptr;
  HHOOK handle_ = nullptr;
};

}  // namespace vornal::test
