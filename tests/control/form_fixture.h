// Hosts the real FormMain in the test process, on a private registry root,
// with its message boxes answered by the test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "form/form_main.h"
#include "program_folder.h"
#include "scratch_registry.h"

namespace vornal::test {

class FormFixture : public ::testing::Test {
 protected:
  // The environment the next StartForm uses; tests adjust it first.
  FormEnvironment env;
  ScratchRegistry reg;
  std::unique_ptr<FormMain> form;
  std::vector<std::string> errors;
  std::vector<int> changes;  // ids of controls whose change handler ran
  struct TrayCall {
    DWORD message;
    std::string tip;
    HICON icon;
  };
  std::vector<TrayCall> trayCalls;  // what the shell was told, in order
  bool answerConfirm = false;
  int confirmations = 0;

  void SetUp() override;
  void TearDown() override;
  void StartForm();
  // As after an earlier start that added the default exclusions, for tests
  // of lists that should hold only what they write themselves.
  void MarkDefaultExclusionsAdded();

  HWND Control(int id) const { return form->Control(id); }
  bool IsChecked(int id) const;
  std::string Text(int id) const;
  void Type(int id, const std::string& text);  // as the user: EN_CHANGE follows
  void Click(int id);                           // BM_CLICK
  void Command(int id);                         // WM_COMMAND to the form, as a menu
  bool MenuChecked(int id) const;
  // Drops messages posted to this thread, reporting whether WM_QUIT was one.
  bool PumpAndSawQuit();
};

}  // namespace vornal::test
