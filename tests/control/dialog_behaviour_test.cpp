// The real dialog clicked as a user clicks it: the enable rules on the
// systems that Wine pretends to be, the exclusion editor and the file
// pickers.
#include <windows.h>
#include <dlgs.h>

#include <fstream>
#include <string>
#include <vector>

#include "exclusion_rules.h"
#include "helper_process.h"
#include "stand_in_shell_protocol.h"
#include "vornal_process.h"

namespace vornal::test {
namespace {

constexpr DWORD kReplyMs = 30000;

class Dialog : public VornalProcess {
 protected:
  void TearDown() override {
    VornalProcess::TearDown();
    RegistryKey::DeleteTree(HKEY_CURRENT_USER, kAppDefaults);
  }

  // Wine reports the Windows version chosen for one program by name.
  void Pretend(const char* version) {
    RegistryKey::OpenOrCreate(HKEY_CURRENT_USER, kAppDefaults).WriteString("Version", version);
  }
  void Press(int id) {
    SendMessageTimeoutA(Control(id), BM_CLICK, 0, 0, SMTO_NORMAL, kReplyMs, nullptr);
  }
  bool Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
  // A top-level window of the program other than the form, by caption.
  HWND WaitForBox(const char* caption) {
    HWND box = nullptr;
    WaitFor([&] { return (box = app.FindTopLevel("#32770", caption)) != nullptr && IsWindowVisible(box); });
    return box;
  }
  void Answer(HWND box, int button) {
    PostMessageA(box, WM_COMMAND, button, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box); }));
  }
  // The file name field of an open dialog.
  static HWND FileNameField(HWND dialog) {
    HWND field = ProgramUnderTest::FindControl(dialog, edt1);
    return field != nullptr ? field : ProgramUnderTest::FindControl(dialog, cmb13);
  }
  std::vector<std::string> Exclusions() const {
    HWND list = Control(IDC_ListBoxAppEx);
    std::vector<std::string> names;
    const LRESULT n = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
      // The wide form: the system carries that one across processes whole.
      WCHAR wide[MAX_PATH] = {};
      SendMessageTimeoutW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide),
                          SMTO_NORMAL, kReplyMs, nullptr);
      char text[MAX_PATH] = {};
      WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
      names.emplace_back(text);
    }
    return names;
  }
  void SelectExclusion(int index) {
    HWND list = Control(IDC_ListBoxAppEx);
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageTimeoutA(GetParent(list), WM_COMMAND, MAKEWPARAM(IDC_ListBoxAppEx, LBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(list), SMTO_NORMAL, kReplyMs, nullptr);
  }

  static constexpr char kAppDefaults[] = "Software\\Wine\\AppDefaults\\Vornal.exe";
};

// What the enable rules give for a few controls of each kind on each system.
struct SystemCase {
  const char* version;
  bool withShell;
  bool xp, w98or2000;
  bool startCaption;  // the system draws the Start button's caption
};

class DialogOnSystem : public Dialog, public ::testing::WithParamInterface<SystemCase> {};

TEST_P(DialogOnSystem, EnablesWhatTheSystemOffers) {
  const SystemCase& c = GetParam();
  std::unique_ptr<HelperProcess> shell;
  if (c.withShell) shell = std::make_unique<HelperProcess>("vornal_stand_in_shell.exe", kStandInControlClass);
  Pretend(c.version);
  Launch();
  Press(IDC_RadioButton5);
  Press(IDC_CheckBox5);
  EXPECT_EQ(Enabled(IDC_CheckBox5), c.xp) << "shadows";
  EXPECT_EQ(Enabled(IDC_RadioButton2), c.xp);
  EXPECT_EQ(Enabled(IDC_RadioButtonStart1), c.startCaption) << "Start caption";
  // Its own style: the page it is on need not be the one shown.
  EXPECT_EQ((GetWindowLongA(Control(IDC_LabelStartCaptionOff), GWL_STYLE) & WS_VISIBLE) != 0, !c.startCaption)
      << "the reason, where it is off";
  EXPECT_EQ(Enabled(IDC_RadioButtonStyle3), c.w98or2000) << "directions";
  EXPECT_TRUE(Enabled(IDC_CheckBox9)) << "Wine has layered windows whatever it reports";
  // Wine keeps a hidden taskbar window of its own, so that one is always
  // found; the desktop's icon view only where the stand-in shell runs.
  EXPECT_TRUE(Enabled(IDC_CheckBox15)) << "taskbar transparency";
  EXPECT_TRUE(Enabled(IDC_RadioButtonStyle2)) << "alpha-blend";
  EXPECT_TRUE(Enabled(IDC_RadioButtonStyle1));
  EXPECT_EQ(Enabled(IDC_CheckBox16), c.withShell) << "desktop icon text";
}

INSTANTIATE_TEST_SUITE_P(Systems, DialogOnSystem,
                         ::testing::Values(SystemCase{"win98", true, false, true, true},
                                           SystemCase{"win2k", true, false, true, true},
                                           SystemCase{"winxp", true, true, true, true},
                                           SystemCase{"win7", true, true, true, false},
                                           SystemCase{"win10", true, true, true, false},
                                           SystemCase{"win95", false, false, false, true},
                                           SystemCase{"winxp", false, true, true, true}),
                         [](const auto& p) {
                           return std::string(p.param.version) + (p.param.withShell ? "WithShell" : "WithoutShell");
                         });

TEST_F(Dialog, EnabledStatesFollowTheClicks) {
  Launch();
  for (int id : {IDC_CheckBox1, IDC_CheckBox3, IDC_CheckBox10, IDC_CheckBox13, IDC_CheckBox11}) {
    EXPECT_FALSE(Enabled(id)) << id << ": the patch is off";
  }
  Press(IDC_RadioButton5);
  EXPECT_TRUE(Enabled(IDC_CheckBox1));
  EXPECT_TRUE(Enabled(IDC_CheckBox3));
  EXPECT_FALSE(Enabled(IDC_EditWindowWallpaper));
  Press(IDC_CheckBox10);
  EXPECT_TRUE(Enabled(IDC_EditWindowWallpaper));
  EXPECT_TRUE(Enabled(IDC_CheckBox12));
  Press(IDC_CheckBox12);
  Press(IDC_CheckBox10);
  EXPECT_FALSE(Enabled(IDC_CheckBox12));
  EXPECT_TRUE(IsChecked(Control(IDC_CheckBox12))) << "disabling keeps the check";
  Press(IDC_CheckBox1);
  Press(IDC_CheckBox2);
  EXPECT_FALSE(Enabled(IDC_CheckBox3)) << "neither opening nor closing";
  EXPECT_FALSE(Enabled(IDC_CheckBox4));
  Press(IDC_RadioButtonStyle5);
  EXPECT_TRUE(Enabled(IDC_CheckBox7));
  Press(IDC_RadioButtonStyle7);
  EXPECT_FALSE(Enabled(IDC_CheckBox7)) << "the centre does not slide";
  Press(IDC_CheckBox6);
  EXPECT_TRUE(Enabled(IDC_SpinEdit8));
  Press(IDC_RadioButton6);
  EXPECT_FALSE(Enabled(IDC_CheckBox1));
  EXPECT_TRUE(Enabled(IDC_SpinEdit8)) << "advanced settings keep their own rules";
}

TEST_F(Dialog, ExclusionEditor) {
  // The defaults went in at an earlier start: the list holds what is typed.
  RegistryKey::OpenOrCreate(HKEY_CURRENT_USER, kSettingsKeyPath)
      .WriteDword(kDefaultExclusionsValueName, kDefaultExclusionsVersion);
  Launch();
  HWND edit = Control(IDC_EditAppEx);
  EXPECT_FALSE(Enabled(IDC_ButtonAppExAdd));
  EXPECT_FALSE(Enabled(IDC_ButtonAppExRemove));
  TypeText(edit, "notepad.exe");
  EXPECT_TRUE(Enabled(IDC_ButtonAppExAdd));
  EXPECT_FALSE(Enabled(IDC_ButtonAppExModify)) << "nothing selected";
  Press(IDC_ButtonAppExAdd);
  TypeText(edit, "calc.exe");
  Press(IDC_ButtonAppExAdd);
  EXPECT_EQ(Exclusions(), (std::vector<std::string>{"calc.exe", "notepad.exe"}));
  EXPECT_EQ(WindowText(edit), "");

  TypeText(edit, "NOTEPAD.EXE");
  ClickLater(Control(IDC_ButtonAppExAdd));
  HWND box = WaitForBox("Vornal");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(ProgramUnderTest::FindControl(box, 0xFFFF)), "That application is already excluded.");
  Answer(box, IDOK);
  EXPECT_EQ(Exclusions().size(), 2u);
  EXPECT_EQ(WindowText(edit), "") << "emptied all the same";

  SelectExclusion(1);
  EXPECT_EQ(WindowText(edit), "notepad.exe");
  EXPECT_TRUE(Enabled(IDC_ButtonAppExRemove));
  EXPECT_FALSE(Enabled(IDC_ButtonAppExAdd)) << "the selected name itself";
  EXPECT_FALSE(Enabled(IDC_ButtonAppExModify));
  TypeText(edit, "aaa.exe");
  EXPECT_TRUE(Enabled(IDC_ButtonAppExAdd));
  EXPECT_TRUE(Enabled(IDC_ButtonAppExModify));
  Press(IDC_ButtonAppExModify);
  EXPECT_EQ(Exclusions(), (std::vector<std::string>{"calc.exe", "aaa.exe"})) << "in place, not sorted";
  EXPECT_EQ(SendMessageA(Control(IDC_ListBoxAppEx), LB_GETCURSEL, 0, 0), 1);
  TypeText(edit, "calc.exe");
  Press(IDC_ButtonAppExModify);
  EXPECT_EQ(Exclusions(), (std::vector<std::string>{"calc.exe", "calc.exe"})) << "Modify checks no duplicates";
  Press(IDC_ButtonAppExRemove);
  EXPECT_EQ(Exclusions(), (std::vector<std::string>{"calc.exe"}));
  EXPECT_FALSE(Enabled(IDC_ButtonAppExRemove));

  EXPECT_FALSE(RegistryKey::KeyExists(HKEY_CURRENT_USER, kExclusionsKeyPath)) << "nothing stored yet";
  Press(IDC_ButtonApply);
  EXPECT_TRUE(RegistryKey::OpenForRead(HKEY_CURRENT_USER, kExclusionsKeyPath).HasValue("calc.exe"));
}

TEST_F(Dialog, ExclusionEditorRefusesWhatNoRuleReadsAndMarksTheDefaults) {
  RegistryKey::OpenOrCreate(HKEY_CURRENT_USER, kSettingsKeyPath)
      .WriteDword(kDefaultExclusionsValueName, kDefaultExclusionsVersion);
  Launch();
  HWND edit = Control(IDC_EditAppEx);
  const struct { const char* name; std::string entry; const char* message; } refused[] = {
      {"every program", "*.*", "An exclusion must name more than wildcards, or it would exclude every program."},
      {"a character no path holds", "a|b.exe",
       "An exclusion cannot contain control characters or any of \" < > | /; separate folders with \\."},
      {"over 260 characters", std::string(261, 'a'), "An exclusion can be at most 260 characters long."},
  };
  for (const auto& r : refused) {
    TypeText(edit, r.entry);
    ClickLater(Control(IDC_ButtonAppExAdd));
    HWND box = WaitForBox("Vornal");
    ASSERT_NE(box, nullptr) << r.name;
    EXPECT_EQ(WindowText(ProgramUnderTest::FindControl(box, 0xFFFF)), r.message) << r.name;
    Answer(box, IDOK);
    EXPECT_TRUE(Exclusions().empty()) << r.name << ": not stored";
  }
  const struct { const char* entry; const char* note; } added[] = {
      {"?:\\games\\*", "Excluded by default (games, anti-cheat or the system)."},
      {"d:\\tools\\*", ""},
  };
  for (const auto& a : added) {
    TypeText(edit, a.entry);
    Press(IDC_ButtonAppExAdd);
  }
  for (int i = 0; i < 2; ++i) {
    SelectExclusion(i);
    const std::string entry = WindowText(edit);
    const auto* row = entry == "?:\\games\\*" ? &added[0] : &added[1];
    EXPECT_EQ(WindowText(Control(IDC_LabelAppExDefault)), row->note) << entry;
  }
}

// A small folder of files for the pickers.
class PickerFiles {
 public:
  PickerFiles() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "Vornal Picker " + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
  }
  ~PickerFiles() {
    for (const std::string& f : files_) DeleteFileA(f.c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  // A whole 24-bit bitmap of width x height, or a file that only starts
  // like one.
  std::string Bitmap(const char* name, int width, int height, bool damaged = false) {
    const int row = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(row * height);
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    bytes.append(static_cast<std::size_t>(damaged ? row : row * height), '\x7f');
    return Write(name, bytes);
  }
  std::string Write(const char* name, const std::string& bytes) {
    const std::string path = folder_ + "\\" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    files_.push_back(path);
    return path;
  }

 private:
  std::string folder_;
  std::vector<std::string> files_;
};

TEST_F(Dialog, PickersFillTheirEditAndPreviewTheBitmap) {
  PickerFiles files;
  const std::string first = files.Bitmap("first.bmp", 20, 10);
  const std::string second = files.Bitmap("second.bmp", 7, 5);
  const std::string damaged = files.Bitmap("damaged.bmp", 300, 200, true);
  Launch();
  HWND edit = Control(IDC_EditWindowWallpaper);
  const auto open = [&](const std::string& inEdit) {
    TypeText(edit, inEdit);
    ClickLater(Control(IDC_ButtonWallpaper));
    return WaitForBox("Select Bitmap File");
  };
  const auto previewSize = [](HWND picker) {
    std::string text;
    WaitFor([&] { return !(text = WindowText(ProgramUnderTest::FindControl(picker, IDC_PreviewSize))).empty(); }, 5000);
    return text;
  };

  HWND picker = open(first);
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(previewSize(picker), "20 x 10 pixels") << "opens on the edit's file, previewed";
  TypeText(FileNameField(picker), second);
  Answer(picker, IDOK);
  EXPECT_EQ(WindowText(edit), second);

  picker = open("C:\\no such folder\\missing.bmp");
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(previewSize(picker), "7 x 5 pixels") << "opens on the file last chosen";
  Answer(picker, IDCANCEL);
  EXPECT_EQ(WindowText(edit), "C:\\no such folder\\missing.bmp") << "Cancel leaves the edit";

  picker = open(damaged);
  ASSERT_NE(picker, nullptr);
  EXPECT_EQ(previewSize(picker), "") << "a damaged file shows no preview";
  EXPECT_EQ(app.FindTopLevel("#32770", "Error"), nullptr);
  Answer(picker, IDCANCEL);
}

TEST_F(Dialog, SpecifyTakesTheFileNameInLowerCase) {
  PickerFiles files;
  const std::string program = files.Write("My Tool.EXE", "MZ");
  Launch();
  ClickLater(Control(IDC_ButtonAppExSpecify));
  HWND picker = WaitForBox("Select Executable File");
  ASSERT_NE(picker, nullptr);
  TypeText(FileNameField(picker), program);
  Answer(picker, IDOK);
  EXPECT_EQ(WindowText(Control(IDC_EditAppEx)), "my tool.exe");
}

}  // namespace
}  // namespace vornal::test
