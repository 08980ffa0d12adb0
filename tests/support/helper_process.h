// A helper program of the build in a process of its own, driven through
// messages to its hidden control window (found by class in that process).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "program_folder.h"
#include "unique_handle.h"

namespace vornal::test {

class HelperProcess {
 public:
  // Starts exeName from the test's own folder (or from where it says, when
  // it is a full path) and waits for its control window. Generous: a first start of a Wine process can take many seconds.
  // A helper that must not start reports nothing when it does not: a churn
  // of many starts counts those itself.
  HelperProcess(const char* exeName, const char* controlClass, const std::string& arguments = "",
                bool mustStart = true);
  // Asks the helper to close; one that does not end is ended.
  ~HelperProcess();
  HelperProcess(const HelperProcess&) = delete;
  HelperProcess& operator=(const HelperProcess&) = delete;

  bool Ready() const { return control_ != nullptr; }
  DWORD ProcessId() const { return process_.id; }

  // Sends a command and returns the answer; a helper that does not answer
  // within replyMs fails the test and gives -1.
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, DWORD replyMs = 30000) const;
  // Posts a command and returns at once.
  bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // Ends the helper at once (for one that has been told to hang).
  void Kill();

 private:
  HWND FindControlWindow(const char* controlClass) const;

  ProcessHandles process_;
  HWND control_ = nullptr;
};

}  // namespace vornal::test
