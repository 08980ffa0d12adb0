// The real Vornal.exe against a stand-in shell in another process: the
// taskbar's live opacity, the desktop icon captions, the Start caption, the
// system colours, and that nothing holds the program when another program
// or the shell stops answering.
#include <windows.h>
#include <commctrl.h>
#include <colordlg.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "helper_process.h"
#include "stand_in_shell.h"
#include "vornal_process.h"
#include "vornal_settings_key.h"

namespace vornal::test {
namespace {

constexpr DWORD kStepLimitMs = 30000;
// What a bounded step may take at the very most; the worst measured time
// is printed for the record, not asserted more tightly.
constexpr ULONGLONG kBoundMs = 15000;

class ShellAdjustments : public VornalProcess {
 protected:
  void TearDown() override {
    VornalProcess::TearDown();
    DeleteSettingsKey();
  }

  // Sends to one of the program's controls and fails the test unless it
  // was handled; returns how long that took.
  ULONGLONG Step(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    const ULONGLONG start = GetTickCount64();
    EXPECT_NE(SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kStepLimitMs, nullptr), 0)
        << "message " << message << " was not handled";
    return GetTickCount64() - start;
  }
  ULONGLONG Press(int id) { return Step(Control(id), BM_CLICK); }
  ULONGLONG Menu(int id) { return Step(form, WM_COMMAND, MAKEWPARAM(id, 0)); }
  void MoveTrackBar(int id, int position) {
    HWND bar = Control(id);
    Step(bar, TBM_SETPOS, TRUE, position);
    Step(GetParent(bar), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(bar));
  }
};

TEST_F(ShellAdjustments, TaskbarOpacityFollowsTheDialogAtOnce) {
  StandInShell shell;
  ASSERT_NE(shell.Taskbar(), nullptr) << "the stand-in's taskbar comes first";
  Launch();
  EXPECT_EQ(shell.TaskbarAlpha(), -1);

  Press(IDC_CheckBox15);
  EXPECT_EQ(shell.TaskbarAlpha(), 220);
  MoveTrackBar(IDC_TrackBarTransparency, 100);
  EXPECT_EQ(shell.TaskbarAlpha(), 100);
  EXPECT_EQ(WindowText(Control(IDC_SpinEdit14)), "100");
  TypeText(Control(IDC_SpinEdit14), "150");
  EXPECT_EQ(shell.TaskbarAlpha(), 150);
  EXPECT_EQ(SendMessageA(Control(IDC_TrackBarTransparency), TBM_GETPOS, 0, 0), 150);
  TypeText(Control(IDC_SpinEdit14), "");
  EXPECT_EQ(shell.TaskbarAlpha(), 150) << "an empty field changes nothing";
  EXPECT_EQ(SendMessageA(Control(IDC_TrackBarTransparency), TBM_GETPOS, 0, 0), 150);
  TypeText(Control(IDC_SpinEdit14), "300");
  EXPECT_EQ(shell.TaskbarAlpha(), 255) << "the field's bound, not the low byte of 300";

  Press(IDC_BitBtnCancel);
  EXPECT_EQ(shell.TaskbarAlpha(), -1) << "Cancel puts the stored opacity back";
  EXPECT_FALSE(IsChecked(Control(IDC_CheckBox15)));

  Press(IDC_CheckBox15);
  TypeText(Control(IDC_SpinEdit14), "180");
  Press(IDC_ButtonApply);
  MoveTrackBar(IDC_TrackBarTransparency, 50);
  EXPECT_EQ(shell.TaskbarAlpha(), 50);
  Menu(IDM_HideVornal1);
  EXPECT_EQ(shell.TaskbarAlpha(), 180) << "Hide Vornal puts the stored opacity back";

  const HWND oldTaskbar = shell.Taskbar();
  shell.Send(kRestartShell);
  EXPECT_NE(shell.Taskbar(), oldTaskbar);
  EXPECT_TRUE(WaitFor([&] { return shell.TaskbarAlpha() == 180; }))
      << "the new taskbar is made transparent again";
}

TEST_F(ShellAdjustments, OnlyTheShellsTaskbarsFollowTheDialogAndAllComeBack) {
  StandInShell shell(kSecondaryTaskbarMode);
  StandInShell replacement(kReplacementMode);
  ASSERT_EQ(shell.Send(kIsShell), 1) << "the stand-in's desktop is the system's shell window";
  Launch();
  // The shell's main and second taskbar, then the replacement's.
  const auto alphas = [&] {
    return std::vector<int>{shell.TaskbarAlpha(), StandInShell::TaskbarAlpha(shell.SecondaryTaskbar()),
                            replacement.TaskbarAlpha()};
  };
  const std::vector<int> transparent{220, 220, -1};
  const std::vector<int> opaque{-1, -1, -1};

  Press(IDC_CheckBox15);
  EXPECT_EQ(alphas(), transparent);
  Press(IDC_CheckBox15);
  EXPECT_EQ(alphas(), opaque) << "unchecking";
  Press(IDC_CheckBox15);
  Press(IDC_ButtonApply);
  shell.Send(kRestartShell);
  EXPECT_TRUE(WaitFor([&] { return alphas() == transparent; }))
      << "after a restart of the shell: " << ::testing::PrintToString(alphas());
  PostMessageA(form, WM_COMMAND, IDM_Exit1, 0);
  ASSERT_TRUE(app.HasExited(20000));
  EXPECT_EQ(alphas(), opaque) << "Exit";
}

TEST_F(ShellAdjustments, AnOptionWithoutItsShellWindowSaysSoUntilTheShellComes) {
  ResetSettingsKey();
  SetSettingsDword(ValueNameOf(Check::DesktopIconText), 1);
  SetSettingsDword(ValueNameOf(Colour::IconText), RGB(1, 2, 3));
  Launch();
  const auto shown = [&](int id) { return (GetWindowLongA(Control(id), GWL_STYLE) & WS_VISIBLE) != 0; };
  // Wine's own shell has a taskbar but no desktop icon view.
  EXPECT_TRUE(shown(IDC_LabelIconViewMissing));
  EXPECT_EQ(WindowText(Control(IDC_LabelIconViewMissing)),
            "The desktop icon view was not found: the icon text is not changed.");
  EXPECT_FALSE(shown(IDC_LabelTaskbarMissing)) << "its option is off";

  StandInShell shell;
  shell.Send(kRestartShell);  // announces the new shell, pressing nothing in the dialog
  EXPECT_TRUE(WaitFor([&] { return shell.IconColoursAre(CLR_NONE, RGB(1, 2, 3)); }));
  EXPECT_TRUE(WaitFor([&] { return !shown(IDC_LabelIconViewMissing); }));
}

TEST_F(ShellAdjustments, DesktopIconCaptionsAreKeptTransparent) {
  const COLORREF chosen = RGB(1, 2, 3);
  ResetSettingsKey();
  SetSettingsDword(ValueNameOf(Check::DesktopIconText), 1);
  SetSettingsDword(ValueNameOf(Spin::IconTextInterval), 100);
  SetSettingsDword(ValueNameOf(Colour::IconText), chosen);
  StandInShell shell;
  Launch();
  ASSERT_TRUE(WaitFor([&] { return shell.IconColoursAre(CLR_NONE, chosen); }));

  // Nothing to repair: the timer leaves the view alone.
  WaitFor([] { return false; }, 500);
  const LRESULT paints = shell.Send(kPaints);
  WaitFor([] { return false; }, 1000);
  EXPECT_EQ(shell.Send(kPaints), paints) << "no repaint while nothing changed";

  shell.Send(kResetIconColours);
  EXPECT_TRUE(WaitFor([&] { return shell.IconColoursAre(CLR_NONE, chosen); })) << "repaired";
  EXPECT_TRUE(WaitFor([&] { return shell.Send(kPaints) > paints; })) << "and repainted";

  // The colour dialog opens on the swatch's colour; a new colour waits
  // for Apply.
  ClickLater(Control(IDC_ButtonDeskText));
  HWND picker = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    picker = app.FindTopLevel("#32770", nullptr);
    return picker != nullptr && picker != form && GetDlgItem(picker, COLOR_RED) != nullptr;
  }));
  EXPECT_EQ(WindowText(GetDlgItem(picker, COLOR_RED)), "1");
  EXPECT_EQ(WindowText(GetDlgItem(picker, COLOR_GREEN)), "2");
  EXPECT_EQ(WindowText(GetDlgItem(picker, COLOR_BLUE)), "3");
  TypeText(GetDlgItem(picker, COLOR_RED), "200");
  TypeText(GetDlgItem(picker, COLOR_GREEN), "100");
  TypeText(GetDlgItem(picker, COLOR_BLUE), "50");
  PostMessageA(picker, WM_COMMAND, IDOK, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(picker); }));
  shell.Send(kResetIconColours);
  EXPECT_TRUE(WaitFor([&] { return shell.IconColoursAre(CLR_NONE, chosen); }))
      << "the timer keeps the applied colour";
  Press(IDC_ButtonApply);
  EXPECT_TRUE(WaitFor([&] { return shell.IconColoursAre(CLR_NONE, RGB(200, 100, 50)); }));

  // Switched off: the desktop's colour behind the captions, and the
  // caption colour the shell had when the program started.
  Press(IDC_CheckBox16);
  Press(IDC_ButtonApply);
  EXPECT_TRUE(shell.IconColoursAre(GetSysColor(COLOR_BACKGROUND), kShellIconTextColour));
}

// Wine reports Windows 7 unless told otherwise; XP draws the caption.
constexpr char kVornalAppDefaults[] = "Software\\Wine\\AppDefaults\\Vornal.exe";

TEST_F(ShellAdjustments, StartCaptionIsNeverWrittenWhereNoCaptionIsDrawn) {
  ResetSettingsKey();
  SetSettingsDword(ValueNameOf(Spin::StartCaptionInterval), 100);
  // Stored by a run on an older system: a custom caption, every tick.
  SetSettingsDword(ValueNameOf(Choice::StartCaption), static_cast<int>(StartCaptionMode::Custom));
  SetSettingsText("StartText", "Hello");
  StandInShell shell;
  Launch();
  EXPECT_FALSE(IsWindowEnabled(Control(IDC_RadioButtonStart4))) << "Windows 7, as Wine reports it";
  Press(IDC_ButtonApply);
  Sleep(500);
  EXPECT_EQ(WindowText(shell.StartButton()), kShellStartCaption);
  EXPECT_EQ(shell.Send(kStartCaptionWrites), 0);
}

TEST_F(ShellAdjustments, StartCaptionModes) {
  ResetSettingsKey();
  SetSettingsDword(ValueNameOf(Spin::StartCaptionInterval), 100);
  RegistryKey::OpenOrCreate(HKEY_CURRENT_USER, kVornalAppDefaults).WriteString("Version", "winxp64");
  StandInShell shell;
  Launch();
  RegistryKey::DeleteTree(HKEY_CURRENT_USER, kVornalAppDefaults);
  EXPECT_EQ(WindowText(shell.StartButton()), kShellStartCaption);
  EXPECT_EQ(shell.Send(kStartCaptionWrites), 0) << "Do not modify writes nothing new";

  char day[16] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, 0, nullptr, "ddd", day, sizeof day);
  const auto isFreeMemory = [](const std::string& text) {
    if (text.empty() || text.size() > 5) return false;
    for (char c : text) {
      if ((c < '0' || c > '9') && c != '.' && c != ',') return false;
    }
    return true;
  };
  struct Mode {
    int button;
    const char* startText;
    std::function<bool(const std::string&)> shows;
  };
  const Mode modes[] = {
      {IDC_RadioButtonStart2, "", [&](const std::string& t) { return t == day; }},
      {IDC_RadioButtonStart3, "", isFreeMemory},
      {IDC_RadioButtonStart4, "Hello", [](const std::string& t) { return t == "Hello"; }},
      {IDC_RadioButtonStart1, "", [](const std::string& t) { return t == kShellStartCaption; }},
  };
  for (const Mode& m : modes) {
    SCOPED_TRACE(m.button);
    if (*m.startText != '\0') TypeText(Control(IDC_EditStartText), m.startText);
    Press(m.button);
    Press(IDC_ButtonApply);
    EXPECT_TRUE(WaitFor([&] { return m.shows(WindowText(shell.StartButton())); }))
        << WindowText(shell.StartButton());
  }

  // Ten characters never equal the nine read back: written at every tick.
  TypeText(Control(IDC_EditStartText), "ABCDEFGHIJ");
  Press(IDC_RadioButtonStart4);
  Press(IDC_ButtonApply);
  EXPECT_EQ(WindowText(shell.StartButton()), "ABCDEFGHIJ");
  const LRESULT writes = shell.Send(kStartCaptionWrites);
  EXPECT_TRUE(WaitFor([&] { return shell.Send(kStartCaptionWrites) >= writes + 3; }));
}

TEST_F(ShellAdjustments, SystemColoursAreAnnouncedOnlyWhenTheyChange) {
  ResetSettingsKey();
  SetSettingsDword(ValueNameOf(Check::SystemColours), 1);
  SetSettingsDword(ValueNameOf(Colour::MdiBackground),
                   GetSysColor(COLOR_APPWORKSPACE) ^ 0x00102030);
  SetSettingsDword(ValueNameOf(Colour::Desktop), GetSysColor(COLOR_BACKGROUND) ^ 0x00302010);
  StandInShell shell;
  Launch();
  EXPECT_TRUE(WaitFor([&] { return shell.Send(kLastTrayTip) == 3; }))
      << "the taskbar was told the not-running tip";
  LRESULT changes = shell.Send(kSysColourChanges);
  EXPECT_GT(changes, 0) << "the override is written at start-up";

  Press(IDC_ButtonApply);
  EXPECT_EQ(shell.Send(kSysColourChanges), changes) << "unchanged colours are not written";

  Press(IDC_CheckBox18);
  Press(IDC_ButtonApply);
  EXPECT_GT(shell.Send(kSysColourChanges), changes) << "switching off writes the saved colours";
  changes = shell.Send(kSysColourChanges);

  Press(IDC_CheckBox18);
  Press(IDC_ButtonApply);
  changes = shell.Send(kSysColourChanges);
  const LRESULT paints = shell.Send(kPaints);
  Menu(IDM_RedrawDesktop1);
  EXPECT_TRUE(WaitFor([&] { return shell.Send(kPaints) > paints; })) << "every window repaints";

  PostMessageA(form, WM_COMMAND, IDM_Exit1, 0);
  ASSERT_TRUE(app.HasExited(20000));
  EXPECT_GT(shell.Send(kSysColourChanges), changes) << "Exit writes the saved colours back";
}

// A program that does not answer, beside Vornal from its start to its end.
struct FrozenNeighbour {
  const char* name;
  const char* mode;
};

class BesideAFrozenProgram : public ShellAdjustments,
                             public ::testing::WithParamInterface<FrozenNeighbour> {};

TEST_P(BesideAFrozenProgram, EveryStepEndsInBoundedTime) {
  // Every adjustment on, the patch too, and both timers ticking.
  ResetSettingsKey();
  for (const ValueName& flag : {ValueNameOf(Radio::PatchOn), ValueNameOf(Check::TaskbarTransparent),
                                ValueNameOf(Check::DesktopIconText), ValueNameOf(Check::SystemColours)}) {
    SetSettingsDword(flag, 1);
  }
  SetSettingsDword(ValueNameOf(Colour::MdiBackground),
                   GetSysColor(COLOR_APPWORKSPACE) ^ 0x00102030);
  SetSettingsDword(ValueNameOf(Choice::StartCaption), 4);
  SetSettingsDword(ValueNameOf(Spin::IconTextInterval), 200);
  SetSettingsDword(ValueNameOf(Spin::StartCaptionInterval), 200);
  StandInShell frozen(GetParam().mode);
  ASSERT_TRUE(frozen.Ready());
  frozen.Send(kHang, 0);

  Launch();
  EXPECT_TRUE(IsWindowEnabled(form)) << "start-up ends with the form enabled";
  EXPECT_FALSE(IsWindowVisible(Control(IDC_PanelStatus)));
  EXPECT_EQ(WindowText(Control(IDC_LabelStatus)), "Patch is running.");

  struct Timed {
    const char* step;
    ULONGLONG ms;
  };
  std::vector<Timed> times = {{"start-up", startMs}};
  times.push_back({"Apply", Press(IDC_ButtonApply)});
  for (int item : {IDM_TaskbarTransparent1, IDM_DesktopTransparent1, IDM_PatchEnabled1}) {
    times.push_back({"tray toggle", Menu(item)});
    times.push_back({"tray toggle back", Menu(item)});
  }
  times.push_back({"Cancel", Press(IDC_BitBtnCancel)});
  // While the timers tick, the program keeps answering.
  ULONGLONG worstAnswer = 0;
  const ULONGLONG until = GetTickCount64() + 2000;
  while (GetTickCount64() < until) worstAnswer = std::max(worstAnswer, Step(form, WM_NULL));
  times.push_back({"answer while the timers tick", worstAnswer});
  times.push_back({"tray icon double-click", Step(form, 1025, 100, WM_LBUTTONDBLCLK)});
  EXPECT_TRUE(IsWindowVisible(form)) << "the tray icon still opens the dialog";

  const ULONGLONG exitStart = GetTickCount64();
  PostMessageA(form, WM_COMMAND, IDM_Exit1, 0);
  EXPECT_TRUE(app.HasExited(kStepLimitMs)) << "Exit ends the program";
  times.push_back({"Exit", GetTickCount64() - exitStart});
  frozen.Kill();

  for (const Timed& t : times) {
    std::printf("beside a frozen %s: %-30s %6llu ms\n", GetParam().name, t.step, t.ms);
    EXPECT_LT(t.ms, kBoundMs) << t.step;
  }
}

INSTANTIATE_TEST_SUITE_P(Neighbours, BesideAFrozenProgram,
                         ::testing::Values(FrozenNeighbour{"program window", kOrdinaryMode},
                                           FrozenNeighbour{"shell", ""}),
                         [](const auto& p) { return std::string(p.param.mode).empty() ? "Shell" : "OrdinaryWindow"; });

TEST_F(ShellAdjustments, TheTaskbarLearnsTheStateOnceItAnswersAgain) {
  StandInShell shell;
  Launch();
  ASSERT_TRUE(WaitFor([&] { return shell.Send(kLastTrayTip) == 3; }));
  shell.Send(kHang, 6000);
  Press(IDC_RadioButton5);
  Press(IDC_ButtonApply);
  EXPECT_EQ(WindowText(Control(IDC_LabelStatus)), "Patch is running.");
  EXPECT_EQ(shell.Send(kLastTrayTip), 3) << "the frozen taskbar was left alone";
  Press(IDC_ButtonApply);
  EXPECT_EQ(shell.Send(kLastTrayTip), 2) << "the next apply tells it";
}

}  // namespace
}  // namespace vornal::test
