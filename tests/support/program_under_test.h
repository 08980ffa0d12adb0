// Drives a real program of the build in its own process, the way a user or
// the shell would: starts it, finds its windows and controls by id, clicks,
// types, and waits for conditions with generous limits.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "program_folder.h"
#include "unique_handle.h"

namespace vornal::test {

// Polls until the condition holds or about timeoutMs passes; never asserts
// on timing, only on whether the condition came true at all.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 20000);

class ProgramUnderTest {
 public:
  ProgramUnderTest() = default;
  ~ProgramUnderTest();
  ProgramUnderTest(const ProgramUnderTest&) = delete;
  ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

  // Starts the program (full path) with a command-line tail; one started
  // before by this object is ended first.
  bool Start(const std::string& path, const std::string& arguments = "");
  DWORD ProcessId() const { return info_.id; }
  HANDLE Process() const { return info_.process.Get(); }
  bool HasExited(DWORD waitMs = 0) const;
  DWORD ExitCode() const;
  // Ends the program without asking, if it still runs.
  void Kill();

  // A top-level window of this process by class and caption (either may be
  // null), or nullptr.
  HWND FindTopLevel(const char* className, const char* caption) const;
  // The first descendant of parent whose control id is id.
  static HWND FindControl(HWND parent, int id);

 private:
  ProcessHandles info_;
};

// Text of any window, also one of another process.
std::string WindowText(HWND window);
bool IsChecked(HWND button);
// A click as the user makes it, waiting until the program has handled it.
void Click(HWND button);
// A click that returns at once: for buttons that open a modal box.
void ClickLater(HWND button);
// Replaces an edit's text (the edit reports the change to its parent).
void TypeText(HWND edit, const std::string& text);

}  // namespace vornal::test
