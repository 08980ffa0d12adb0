// The editor of the exclusion list: a sorted list box of executable file
// names and path patterns with an entry field and Specify, Folder, Add,
// Modify and Remove. The list reaches the registry only when the settings
// are applied.
#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <string>

#include "exclusion_rules.h"
#include "form/control_text.h"
#include "form/form_main.h"
#include "resources/resource_ids.h"

namespace vornal {
namespace {

constexpr char kAlreadyExcluded[] = "That application is already excluded.";
constexpr char kDefaultNote[] = "Excluded by default (games, anti-cheat or the system).";
// A list box counts its entries in 16 bits on the oldest systems.
constexpr LRESULT kMostEntries = 65535;

std::string EntryText(HWND list, LRESULT index) {
  std::string text;
  ReadListBoxEntry(list, index, text);
  return text;
}

}  // namespace

void FormMain::ButtonAppExSpecifyClick() {
  char path[MAX_PATH] = {};
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = form_;
  ofn.lpstrFilter = "Executable files (*.exe)\0*.exe\0All files (*.*)\0*.*\0";
  ofn.lpstrFile = path;
  ofn.nMaxFile = MAX_PATH;
  ofn.lpstrTitle = "Select Executable File";
  ofn.lpstrDefExt = "exe";
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
  if (!GetOpenFileNameA(&ofn)) return;
  // The list knows programs by file name alone, in lower case.
  const char* name = path;
  for (const char* p = path; *p != '\0'; ++p) {
    if (*p == '\\' || *p == ':') name = p + 1;
  }
  std::string lower = name;
  CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
  SetWindowTextA(Control(IDC_EditAppEx), lower.c_str());
}

void FormMain::ButtonAppExFolderClick() {
  char path[MAX_PATH] = {};
  BROWSEINFOA info{};
  info.hwndOwner = form_;
  info.pszDisplayName = path;
  info.lpszTitle = "Every program in this folder and its subfolders is excluded.";
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&info);
  if (chosen == nullptr) return;
  const bool named = SHGetPathFromIDListA(chosen, path) != FALSE;
  ILFree(chosen);
  if (!named || path[0] == '\0') return;
  std::string pattern = path;
  if (pattern.back() != '\\') pattern += '\\';
  pattern += '*';
  SetWindowTextA(Control(IDC_EditAppEx), pattern.c_str());
}

// An entry the exclusion rules would not read as meant is refused with the
// reason, before it reaches the list (and with it the registry).
bool FormMain::AcceptableExclusion(const std::string& entry) {
  const EntryProblem problem = CheckEntry(entry.c_str());
  if (problem == EntryProblem::None) return true;
  if (env_.showInfo) env_.showInfo(form_, EntryProblemText(problem));
  return false;
}

void FormMain::ButtonAppExAddClick() {
  HWND list = Control(IDC_ListBoxAppEx);
  HWND edit = Control(IDC_EditAppEx);
  const std::string name = WindowText(edit);
  if (!AcceptableExclusion(name)) return;
  if (SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(name.c_str())) == LB_ERR) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  } else if (env_.showInfo) {
    env_.showInfo(form_, kAlreadyExcluded);
  }
  SetWindowTextA(edit, "");
  ListBoxAppExClick();
}

void FormMain::ButtonAppExModifyClick() {
  HWND list = Control(IDC_ListBoxAppEx);
  const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (selected != LB_ERR) {
    const std::string name = WindowText(Control(IDC_EditAppEx));
    if (!AcceptableExclusion(name)) return;
    // In place: an inserted entry is not sorted, and the same row stays
    // selected.
    SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
    SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(selected),
                 reinterpret_cast<LPARAM>(name.c_str()));
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  }
  ListBoxAppExClick();
}

void FormMain::ButtonAppExRemoveClick() {
  HWND list = Control(IDC_ListBoxAppEx);
  const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (selected != LB_ERR) SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
  SetWindowTextA(Control(IDC_EditAppEx), "");
  ListBoxAppExClick();
}

void FormMain::ListBoxAppExClick() {
  HWND list = Control(IDC_ListBoxAppEx);
  const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  EnableWindow(Control(IDC_ButtonAppExRemove), selected != LB_ERR);
  const std::string entry = selected != LB_ERR ? EntryText(list, selected) : std::string();
  if (selected != LB_ERR) SetWindowTextA(Control(IDC_EditAppEx), entry.c_str());
  SetWindowTextA(Control(IDC_LabelAppExDefault), !entry.empty() && IsDefaultExclusion(entry.c_str()) ? kDefaultNote : "");
  EditAppExChange();
}

void FormMain::EditAppExChange() {
  HWND list = Control(IDC_ListBoxAppEx);
  const std::string text = WindowText(Control(IDC_EditAppEx));
  const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  const bool hasSelection = selected != LB_ERR;
  // Exact, case-sensitive: a change of case counts as a change.
  const bool same = hasSelection && text == EntryText(list, selected);
  const bool room = SendMessageA(list, LB_GETCOUNT, 0, 0) < kMostEntries;
  EnableWindow(Control(IDC_ButtonAppExAdd), !text.empty() && room && !same);
  EnableWindow(Control(IDC_ButtonAppExModify), !text.empty() && hasSelection && !same);
}

}  // namespace vornal
