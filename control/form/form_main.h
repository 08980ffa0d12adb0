// FormMain: the control program's one window, its settings dialog, with the
// tray icon. It holds the record, copies it to and from the dialog, and on
// Apply hands it to the shell adjuster and the patch switch, which it asks
// what to show. Event handlers bear the names of their controls;
// operations without a control are named for what they do.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "form/form_pages.h"
#include "hook/patch_switch.h"
#include "os_version.h"
#include "settings_record.h"
#include "settings_store.h"
#include "shell/missing_shell_windows.h"
#include "shell/shell_adjuster.h"
#include "tray/tray_icon.h"

namespace vornal {

// What the form takes from its surroundings. The program fills it from the
// running process; tests give it a private registry root, another library
// path or another Windows version, and answer its message boxes.
struct FormEnvironment {
  HINSTANCE instance = nullptr;
  HKEY registryRoot = HKEY_CURRENT_USER;
  std::string title = "Vornal";
  std::string programPath;  // full path of Vornal.exe, for the Run value
  std::string libraryPath;  // full path of VornalLib.dll
  // Full path of VornalHost32.exe, which serves the programs of the other
  // bitness; empty where every program has the program's own bitness.
  std::string hostPath;
  // The folder of the system's 32-bit system files, which tells whether the
  // system runs 32-bit programs at all; empty on 32-bit Windows.
  std::string wow64Folder;
  OsVersion os;
  std::function<void(HWND owner, const char* text)> showError;
  std::function<bool(HWND owner, const char* text)> confirm;
  std::function<void(HWND owner, const char* text)> showInfo;
  // Adds, changes and deletes the tray icon.
  NotifyIconCall notifyIcon;
  // Called with the id of every control whose change handler runs.
  std::function<void(int id)> controlChanged;
  // Whether Windows' own animations are on ("Show animations in Windows");
  // empty: the system is asked.
  std::function<bool()> clientAreaAnimation;
  // Whether the system's high contrast is on; empty: HighContrastOn().
  std::function<bool()> highContrast;
};

// The environment of the running program, with the real message boxes.
FormEnvironment ProcessEnvironment(HINSTANCE instance);

class FormMain {
 public:
  explicit FormMain(FormEnvironment env);
  ~FormMain();
  FormMain(const FormMain&) = delete;
  FormMain& operator=(const FormMain&) = delete;

  // Creates the hidden form; FormCreate runs inside. False if the window
  // could not be made.
  bool Create();
  HWND Handle() const { return form_; }
  // Keyboard navigation of the dialog for the message loop.
  bool PreTranslate(MSG& msg);

  // Process start and end.
  void FormCreate();
  void RestoreOnExit();

  // Showing, hiding and closing the dialog.
  void ShowVornal1Click();
  void FormShow();
  void FormHide();
  void FormClose();
  void ShowTrayMenu();

  // Tray menu and buttons.
  void Exit1Click();
  void ButtonUnloadClick();
  void RedrawDesktop1Click();
  void ButtonApplyClick();
  void BitBtnOKClick();
  void BitBtnCancelClick();
  void PatchEnabled1Click();
  void TaskbarTransparent1Click();
  void DesktopTransparent1Click();

  // Settings between registry, record and dialog.
  void LoadSettings();
  void SaveSettings();
  void SettingsToForm();
  void FormToSettings();

  // Bringing the running system in line with the record.
  void ApplySettings();
  // The shell has restarted or changed its look: its windows are found
  // and adjusted again a moment later, once for a burst of such news.
  void ShellChanged();
  void ShellRefreshTimer();
  static constexpr UINT_PTR kShellRefreshTimerId = 1;  // a timer of the form's window
  // Says which options on lack their shell window, each once.
  void ShowMissingShellWindows();

  // The live previews and the colour swatches.
  void SpinEdit14Change();
  void CheckBox15Click();
  void TrackBarTransparencyChange();
  void SpinEdit13Change();
  void TrackBarDragTransChange();
  void ButtonDeskTextClick();
  void ButtonMDIFormsClick();
  void ButtonDesktopClick();

  // The dialog's own behaviour: enable rules, bitmap pickers, exclusions.
  void UpdateEnableds();
  void ButtonWallpaperClick();
  void ButtonMDIWallpaperClick();
  void ButtonTVWallpaperClick();
  void ButtonExplorerClick();
  void ButtonIEClick();
  void ButtonAppExSpecifyClick();
  void ButtonAppExFolderClick();
  bool AcceptableExclusion(const std::string& entry);
  void ButtonAppExAddClick();
  void ButtonAppExModifyClick();
  void ButtonAppExRemoveClick();
  void ListBoxAppExClick();
  void EditAppExChange();

  // State that tests and the program's entry look at.
  const Settings& Record() const { return settings_; }
  bool PatchRunning() const { return patch_.Running(); }
  bool TrayReady() const { return trayReady_; }
  const TrayIcon& Tray() const { return tray_; }
  HWND Control(int id) const { return pages_.Control(id); }
  // Whether the check box or radio button id is checked.
  bool Checked(int id) const { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  HMENU PopupMenu() const { return popup_; }
  FormPages& Pages() { return pages_; }

  // Colour swatches: the fill colour of Shape1 to Shape3.
  std::uint32_t ShapeColour(int id) const;
  void SetShapeColour(int id, std::uint32_t colour);

  // Runs the change handler of a control (user action or a real change made
  // by the program).
  void ControlChanged(int id);
  // Sets a check box or radio button as the program; its handler runs when
  // its state really changes.
  void SetControlChecked(int id, bool checked);

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept;
  static INT_PTR CALLBACK SheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
  static LRESULT CALLBACK SubclassWindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) noexcept;
  INT_PTR HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool HandleControlMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
  void OnCommand(int id, int code);
  void OnDpiChanged(int dpi, const RECT* suggested);
  void OnTrayNotification(LPARAM mouseMessage);
  // Runs the handler of a menu item or push button; false if id has none.
  bool RunCommand(int id);
  void FormDestroy();
  void ShowForm();
  void HideForm();

  static bool IsEnableRuleInput(int id);
  void PickBitmap(int editId);
  void ShowStatus(TrayStatus status);
  void PickShapeColour(int shapeId);
  void SetMenuChecked(int id, bool checked);
  bool MenuChecked(int id) const;
  void TrimWorkingSet();
  // Shows the note on Global Animation while Windows' own animations are off.
  void ShowAnimationSwitch();
  // The system's high contrast (form/high_contrast_note.cpp): as the
  // environment says, the notes on the pages it pauses, and the reaction
  // to its change.
  bool HighContrast() const;
  void ShowHighContrastNotes(bool on);
  void OnHighContrastChanged();

  // Outside values and the exclusion list live only in the dialog.
  OutsideValues OutsideFromForm() const;
  void OutsideToForm(const OutsideValues& outside);
  ExclusionList ExclusionsFromForm() const;
  void ExclusionsToForm(const ExclusionList& list);
  // Once per default table, at start: the defaults join the stored list.
  void AddDefaultExclusions();

  FormEnvironment env_;
  HWND form_ = nullptr;
  FormPages pages_;
  WNDPROC previousWindowProc_ = nullptr;
  HMENU menu_ = nullptr;
  HMENU popup_ = nullptr;

  UINT msgShowMain_ = 0;
  UINT msgTaskbarCreated_ = 0;
  bool trayReady_ = false;
  bool showRequested_ = false;  // a show request came during start-up
  bool osXPOrLater_ = false;
  bool os98Or2000OrLater_ = false;
  bool shellRefreshPending_ = false;
  ShellPartFlags missingReported_{};  // the notes that stand in the dialog

  Settings settings_ = DefaultSettings();
  std::array<std::uint32_t, 3> shapeColours_{};
  std::array<COLORREF, 16> customColours_{};  // the colour dialog's own
  std::string lastBitmap_;                     // the file last picked with any picker
  ShellAdjuster shell_;
  PatchSwitch patch_{PatchPaths{env_.libraryPath, env_.hostPath, env_.wow64Folder}, env_.os};
  TrayIcon tray_;
};

}  // namespace vornal
