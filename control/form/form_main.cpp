// Creation of the form, its message routing, showing and hiding, and the
// tray icon's mouse and menu.
#include "form/form_main.h"

#include <windows.h>
#include <commctrl.h>

#include "resources/resource_ids.h"
#include "callback_guard.h"
#include "cross_process_names.h"
#include "gdi_owners.h"
#include "host_protocol.h"
#include "settings_store.h"

namespace vornal {
namespace {

constexpr char kConfirmExit[] = "Are you sure you want to quit Vornal?";

FormMain* FromWindow(HWND window) {
  return reinterpret_cast<FormMain*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

// The dialog template names its own window class, so that the form can be
// told apart from other dialogs; the class behaves as a plain dialog.
bool RegisterFormClass(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExA(instance, kFormClassName, &wc)) return true;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefDlgProcA;
  wc.cbWndExtra = DLGWINDOWEXTRA;
  wc.hInstance = instance;
  wc.hIcon = static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDI_FormMain), IMAGE_ICON, 32, 32, LR_SHARED));
  wc.hIconSm = static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(IDI_FormMain), IMAGE_ICON, 16, 16, LR_SHARED));
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFormClassName;
  return RegisterClassExA(&wc) != 0;
}

// Client area of 457 x 369 pixels at 96 DPI, centred on the desktop.
void SizeAndCentre(HWND form) {
  const int dpi = WindowDpi(form);
  RECT r{0, 0, ScaleToDpi(457, kBaseDpi, dpi), ScaleToDpi(369, kBaseDpi, dpi)};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrA(form, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(form, GWL_EXSTYLE)));
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(form, nullptr, work.left + (work.right - work.left - w) / 2,
               work.top + (work.bottom - work.top - h) / 2, w, h,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

FormEnvironment ProcessEnvironment(HINSTANCE instance) {
  FormEnvironment env;
  env.instance = instance;
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  env.programPath = path;
  const std::string::size_type slash = env.programPath.find_last_of("\\/:");
  const std::string folder = env.programPath.substr(0, slash == std::string::npos ? 0 : slash + 1);
  env.libraryPath = folder + "VornalLib.dll";
#ifdef _WIN64
  // A hook library reaches programs of its own bitness only: the 32-bit
  // programs of a 64-bit desktop are served by the host and its library.
  env.hostPath = folder + kHostFileName;
  env.wow64Folder = SystemWow64Folder();
#endif
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (GetVersionExA(&info)) {
#pragma GCC diagnostic pop
    env.os = {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
  }
  env.notifyIcon = [](DWORD message, NOTIFYICONDATAA& record) {
    return Shell_NotifyIconA(message, &record) != FALSE;
  };
  env.showError = [](HWND owner, const char* text) {
    MessageBoxA(owner, text, "Error", MB_OK | MB_ICONERROR);
  };
  env.showInfo = [](HWND owner, const char* text) {
    MessageBoxA(owner, text, "Vornal", MB_OK | MB_ICONINFORMATION);
  };
  env.confirm = [](HWND owner, const char* text) {
    return MessageBoxA(owner, text, "Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES;
  };
  return env;
}

FormMain::FormMain(FormEnvironment env) : env_(std::move(env)) {}

FormMain::~FormMain() {
  if (form_ != nullptr) {
    FormDestroy();
    DestroyWindow(form_);
  }
  if (menu_ != nullptr) DestroyMenu(menu_);
}

bool FormMain::Create() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                                           ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  if (!RegisterFormClass(env_.instance)) return false;
  form_ = CreateDialogParamA(env_.instance, MAKEINTRESOURCEA(IDD_FormMain), nullptr, DialogProc,
                             reinterpret_cast<LPARAM>(this));
  if (form_ == nullptr) return false;
  SizeAndCentre(form_);
  menu_ = LoadMenuA(env_.instance, MAKEINTRESOURCEA(IDM_PopupMenu1));
  popup_ = GetSubMenu(menu_, 0);
  SetMenuDefaultItem(popup_, IDM_ShowVornal1, FALSE);
  if (!pages_.Create(env_.instance, form_, SheetProc, reinterpret_cast<LPARAM>(this))) return false;
  FormCreate();
  return true;
}

bool FormMain::PreTranslate(MSG& msg) {
  return form_ != nullptr && IsDialogMessageA(form_, &msg);
}

void FormMain::FormCreate() {
  // Start-up is one operation towards the shell: a shell window that does
  // not answer is left alone until the first apply is over.
  const ShellMessenger::Operation operation(shell_.Messenger());
  trayReady_ = false;
  msgShowMain_ = RegisterWindowMessageA(kShowMainMessage);
  msgTaskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
  previousWindowProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      form_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FormMain::SubclassWindowProc)));

  // The notify-icon call sends to the taskbar and waits without a bound:
  // every call of the icon first asks whether the taskbar answers.
  tray_.Init(form_, env_.instance, env_.title, [this](DWORD message, NOTIFYICONDATAA& record) {
    return shell_.TaskbarAnswers() && env_.notifyIcon && env_.notifyIcon(message, record);
  });
  tray_.SetStatus(TrayStatus::StartingUp);
  // Fails quietly while the shell is not up; TaskbarCreated adds it later.
  tray_.Add();

  osXPOrLater_ = OsXPOrLater(env_.os);
  os98Or2000OrLater_ = Os98Or2000OrLater(env_.os);
  // Why the Start caption's controls are disabled, where they are; the
  // system does not change while the program runs.
  ShowWindow(Control(IDC_LabelStartCaptionOff), StartCaptionDrawn(env_.os) ? SW_HIDE : SW_SHOWNA);
  shell_.NoteShellAtStart();

  LoadSettings();
  AddDefaultExclusions();
  SettingsToForm();
  ApplySettings();
  trayReady_ = true;
  TrimWorkingSet();
  if (showRequested_) {
    showRequested_ = false;
    ShowVornal1Click();
  }
}

void FormMain::FormDestroy() {
  if (previousWindowProc_ != nullptr) {
    SetWindowLongPtrA(form_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousWindowProc_));
    previousWindowProc_ = nullptr;
  }
}

LRESULT CALLBACK FormMain::SubclassWindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) noexcept {
  FormMain* self = FromWindow(window);
  const auto passOn = [&] {
    WNDPROC previous = self != nullptr ? self->previousWindowProc_ : DefDlgProcA;
    return CallWindowProcA(previous, window, message, wParam, lParam);
  };
  // A handler that threw leaves the message to the procedure before ours,
  // as every message this one does not know.
  return Guarded([&]() -> LRESULT {
    if (self != nullptr) {
      if (message == self->msgShowMain_) {
        // A request that comes while the program is still starting (during
        // a wait for the taskbar, say) is kept until the dialog holds the
        // stored settings: shown earlier, the user's first clicks would be
        // overwritten by the load that follows.
        if (!self->trayReady_) {
          self->showRequested_ = true;
          return 0;
        }
        self->ShowVornal1Click();
        return 0;
      }
      if (message == self->msgTaskbarCreated_ && self->trayReady_) {
        // The shell has restarted: the icon and every adjustment are gone.
        // The icon goes back at once; the adjustments once the shell has
        // made all its windows.
        const ShellMessenger::Operation operation(self->shell_.Messenger());
        self->tray_.Add();
        self->ShellChanged();
        return 0;
      }
      // Before the start-up apply, that apply reads high contrast itself.
      if (message == WM_SETTINGCHANGE && wParam == SPI_SETHIGHCONTRAST && self->trayReady_) {
        self->OnHighContrastChanged();
      }
      // A new theme or setting makes the shell draw its windows afresh, in
      // its own opacity and colours.
      if ((message == WM_SETTINGCHANGE || message == WM_THEMECHANGED) && self->trayReady_) {
        self->ShellChanged();
      }
    }
    return passOn();
  }, passOn);
}

// A handler that threw answers FALSE, "not handled": the dialog manager's
// default handling follows, as for every message the form does not take.
INT_PTR CALLBACK FormMain::DialogProc(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept {
  return Guarded([&]() -> INT_PTR {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
      reinterpret_cast<FormMain*>(lParam)->form_ = window;
      return FALSE;  // the focus is set when the form is shown
    }
    FormMain* self = FromWindow(window);
    return self != nullptr ? self->HandleDialogMessage(message, wParam, lParam) : FALSE;
  }, FALSE);
}

// As the form's own procedure: FALSE for a handler that threw.
INT_PTR CALLBACK FormMain::SheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  return Guarded([&]() -> INT_PTR {
    if (message == WM_INITDIALOG) {
      SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
      return FALSE;
    }
    FormMain* self = FromWindow(window);
    INT_PTR result = FALSE;
    if (self != nullptr && self->HandleControlMessage(message, wParam, lParam, result)) {
      return result;
    }
    if (self != nullptr && message == WM_CONTEXTMENU) {
      return self->HandleDialogMessage(message, wParam, lParam);
    }
    return FALSE;
  }, FALSE);
}

// Notifications from controls, wherever they sit: on the form or a sheet.
bool FormMain::HandleControlMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                    INT_PTR& result) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      result = TRUE;
      return true;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (pages_.OnNotify(*header)) {
        result = TRUE;
        return true;
      }
      return false;
    }
    case WM_HSCROLL: {
      HWND bar = reinterpret_cast<HWND>(lParam);
      if (bar != nullptr) ControlChanged(GetDlgCtrlID(bar));
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID < IDC_Shape1 || item->CtlID > IDC_Shape3) return false;
      {
        const UniqueBrush brush(CreateSolidBrush(ShapeColour(static_cast<int>(item->CtlID))));
        FillRect(item->hDC, &item->rcItem, brush.Get());
      }
      FrameRect(item->hDC, &item->rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      result = TRUE;
      return true;
    }
    default:
      return false;
  }
}

INT_PTR FormMain::HandleDialogMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR result = FALSE;
  if (HandleControlMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_TIMER:
      if (wParam == kShellRefreshTimerId) ShellRefreshTimer();
      return TRUE;
    case kTrayCallbackMessage:
      if (trayReady_) OnTrayNotification(lParam);
      return FALSE;  // the default handling follows in every case
    case WM_CONTEXTMENU: {
      POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (lParam == -1) GetCursorPos(&at);
      TrackPopupMenu(popup_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0,
                     form_, nullptr);
      return TRUE;
    }
    case WM_DPICHANGED:
      OnDpiChanged(DpiFromMessage(static_cast<unsigned long>(wParam), pages_.Dpi()),
                   reinterpret_cast<const RECT*>(lParam));
      return TRUE;
    case WM_CLOSE:
      FormClose();
      return TRUE;
    case WM_QUERYENDSESSION:
      RestoreOnExit();
      SetWindowLongPtrA(form_, DWLP_MSGRESULT, TRUE);  // log-off may go ahead
      return TRUE;
    default:
      return FALSE;
  }
}

// The form has moved to a monitor of another DPI (or the DPI of its own
// has changed): the system suggests the window's new rectangle, which
// keeps the window under the mouse while it is dragged across. The
// controls are laid out again from the first layout; the window takes the
// suggested place, and its size is then corrected so that the client area
// is exactly the first one scaled, as the controls are placed for it (the
// frame need not scale by the same ratio).
void FormMain::OnDpiChanged(int dpi, const RECT* suggested) {
  pages_.ChangeDpi(dpi);
  RECT window{};
  if (suggested != nullptr) {
    window = *suggested;
  } else {
    GetWindowRect(form_, &window);
  }
  RECT client{};
  SetWindowPos(form_, nullptr, window.left, window.top, window.right - window.left,
               window.bottom - window.top, SWP_NOZORDER | SWP_NOACTIVATE);
  GetClientRect(form_, &client);
  const DpiBox wanted = pages_.ClientBox();
  const int dw = wanted.Width() - (client.right - client.left);
  const int dh = wanted.Height() - (client.bottom - client.top);
  if (dw != 0 || dh != 0) {
    SetWindowPos(form_, nullptr, 0, 0, window.right - window.left + dw, window.bottom - window.top + dh,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }
}

void FormMain::OnCommand(int id, int code) {
  // Menu items report code 0, which is also a button's BN_CLICKED.
  if (code == BN_CLICKED && RunCommand(id)) return;
  // Check boxes and radio buttons report clicks, edits report changes, the
  // exclusion list a new selection.
  if (code == BN_CLICKED || code == EN_CHANGE || (id == IDC_ListBoxAppEx && code == LBN_SELCHANGE)) {
    ControlChanged(id);
  }
}

void FormMain::ControlChanged(int id) {
  if (env_.controlChanged) env_.controlChanged(id);
  if (IsEnableRuleInput(id)) {
    UpdateEnableds();
    return;
  }
  switch (id) {
    case IDC_CheckBox15: CheckBox15Click(); break;
    case IDC_EditAppEx: EditAppExChange(); break;
    case IDC_ListBoxAppEx: ListBoxAppExClick(); break;
    case IDC_SpinEdit14: SpinEdit14Change(); break;
    case IDC_TrackBarTransparency: TrackBarTransparencyChange(); break;
    case IDC_SpinEdit13: SpinEdit13Change(); break;
    case IDC_TrackBarDragTrans: TrackBarDragTransChange(); break;
    default: break;
  }
}

bool FormMain::RunCommand(int id) {
  using Handler = void (FormMain::*)();
  struct Command {
    int id;
    Handler handler;
  };
  static constexpr Command kCommands[] = {
      {IDM_ShowVornal1, &FormMain::ShowVornal1Click},
      {IDM_HideVornal1, &FormMain::BitBtnCancelClick},
      {IDM_RedrawDesktop1, &FormMain::RedrawDesktop1Click},
      {IDM_TaskbarTransparent1, &FormMain::TaskbarTransparent1Click},
      {IDM_DesktopTransparent1, &FormMain::DesktopTransparent1Click},
      {IDM_PatchEnabled1, &FormMain::PatchEnabled1Click},
      {IDM_Exit1, &FormMain::Exit1Click},
      {IDOK, &FormMain::BitBtnOKClick},  // Enter: the default button
      {IDC_BitBtnOK, &FormMain::BitBtnOKClick},
      {IDCANCEL, &FormMain::BitBtnCancelClick},  // Escape
      {IDC_BitBtnCancel, &FormMain::BitBtnCancelClick},
      {IDC_ButtonApply, &FormMain::ButtonApplyClick},
      {IDC_ButtonUnload, &FormMain::ButtonUnloadClick},
      {IDC_ButtonDeskText, &FormMain::ButtonDeskTextClick},
      {IDC_ButtonWallpaper, &FormMain::ButtonWallpaperClick},
      {IDC_ButtonMDIWallpaper, &FormMain::ButtonMDIWallpaperClick},
      {IDC_ButtonTVWallpaper, &FormMain::ButtonTVWallpaperClick},
      {IDC_ButtonExplorer, &FormMain::ButtonExplorerClick},
      {IDC_ButtonIE, &FormMain::ButtonIEClick},
      {IDC_ButtonAppExSpecify, &FormMain::ButtonAppExSpecifyClick},
      {IDC_ButtonAppExFolder, &FormMain::ButtonAppExFolderClick},
      {IDC_ButtonAppExAdd, &FormMain::ButtonAppExAddClick},
      {IDC_ButtonAppExModify, &FormMain::ButtonAppExModifyClick},
      {IDC_ButtonAppExRemove, &FormMain::ButtonAppExRemoveClick},
      {IDC_ButtonMDIForms, &FormMain::ButtonMDIFormsClick},
      {IDC_ButtonDesktop, &FormMain::ButtonDesktopClick},
  };
  for (const Command& c : kCommands) {
    if (c.id == id) {
      (this->*c.handler)();
      return true;
    }
  }
  return false;
}

void FormMain::OnTrayNotification(LPARAM mouseMessage) {
  switch (static_cast<UINT>(mouseMessage)) {
    case WM_LBUTTONDBLCLK: ShowVornal1Click(); break;
    case WM_RBUTTONDOWN: ShowTrayMenu(); break;
    default: break;
  }
}

void FormMain::ShowTrayMenu() {
  SetForegroundWindow(form_);
  POINT at{};
  GetCursorPos(&at);
  // The chosen item runs before the menu call returns.
  const int chosen = static_cast<int>(TrackPopupMenu(
      popup_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
      at.x, at.y, 0, form_, nullptr));
  if (chosen != 0) RunCommand(chosen);
  // Lets the menu close properly when the user clicks elsewhere.
  SendMessageA(form_, WM_NULL, 0, 0);
}

void FormMain::ShowForm() {
  const bool wasVisible = IsWindowVisible(form_) != FALSE;
  ShowWindow(form_, SW_SHOW);
  BringWindowToTop(form_);
  if (!wasVisible) FormShow();
}

void FormMain::HideForm() {
  if (!IsWindowVisible(form_)) return;
  ShowWindow(form_, SW_HIDE);
  FormHide();
}

void FormMain::ShowVornal1Click() {
  ShowForm();
  SetForegroundWindow(form_);
}

void FormMain::FormShow() {
  shell_.LocateShellWindows();
  ShowAnimationSwitch();
  ShowHighContrastNotes(HighContrast());
  UpdateEnableds();
  ShowMissingShellWindows();
  SetFocus(GetDlgItem(form_, IDC_BitBtnOK));
}

void FormMain::FormHide() { TrimWorkingSet(); }

void FormMain::FormClose() { HideForm(); }

void FormMain::Exit1Click() { PostQuitMessage(0); }

void FormMain::ButtonUnloadClick() {
  if (env_.confirm && env_.confirm(form_, kConfirmExit)) Exit1Click();
}

void FormMain::RedrawDesktop1Click() {
  // Every window of the desktop is marked for repainting, and each paints
  // in its own thread. Invalidating with an immediate erase (as
  // InvalidateRect of no window does) would wait for every window of every
  // program to erase, and one that does not answer would hold this one.
  RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The user may switch Windows' animations while the dialog is hidden or
// open: the switch is read again whenever the dialog is shown or applied.
// Without it no window is animated whatever the options say, and the
// dialog would otherwise promise what is not done.
void FormMain::ShowAnimationSwitch() {
  bool on = true;
  if (env_.clientAreaAnimation) {
    on = env_.clientAreaAnimation();
  } else {
    BOOL value = TRUE;
    // Systems before Vista know no such switch and always animate.
    if (SystemParametersInfoA(SPI_GETCLIENTAREAANIMATION, 0, &value, 0)) on = value != FALSE;
  }
  ShowWindow(Control(IDC_LabelAnimationsOff), on ? SW_HIDE : SW_SHOWNA);
}

void FormMain::TrimWorkingSet() {
  SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

void FormMain::SetMenuChecked(int id, bool checked) {
  CheckMenuItem(popup_, static_cast<UINT>(id), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool FormMain::MenuChecked(int id) const {
  return (GetMenuState(popup_, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

}  // namespace vornal
