// The dialog under the system's high contrast, as its environment reports
// it: the notes on the paused pages, and the two system colours, which
// Wine changes for the calling process only, so that this process reads
// back what the form wrote.
#include <windows.h>

#include "form_fixture.h"
#include "option_catalogue.h"
#include "registry_layout.h"
#include "resources/resource_ids.h"

namespace vornal::test {
namespace {

class FormHighContrast : public FormFixture {
 protected:
  bool highContrast = false;
  COLORREF appWorkspace = GetSysColor(COLOR_APPWORKSPACE);
  COLORREF desktop = GetSysColor(COLOR_BACKGROUND);

  void SetUp() override {
    FormFixture::SetUp();
    env.highContrast = [this] { return highContrast; };
  }
  void TearDown() override {
    FormFixture::TearDown();
    INT elements[] = {COLOR_APPWORKSPACE, COLOR_BACKGROUND};
    COLORREF colours[] = {appWorkspace, desktop};
    SetSysColors(2, elements, colours);
  }
  void Announce() { SendMessageA(form->Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0); }
};

TEST_F(FormHighContrast, ThePausedPagesSayWhyWhileItIsOn) {
  highContrast = true;
  StartForm();
  const int notes[] = {IDC_LabelHighContrastWindow, IDC_LabelHighContrastMDI, IDC_LabelHighContrastLists,
                       IDC_LabelHighContrastColours};
  const struct { const char* when; bool on; bool announced; } steps[] = {
      {"started with it on", true, false},
      {"announced off", false, true},
      {"on, seen at an apply", true, false},
      {"off, seen at an apply", false, false},
      {"announced on", true, true},
  };
  for (const auto& s : steps) {
    highContrast = s.on;
    if (s.announced) {
      Announce();
    } else {
      form->ButtonApplyClick();
    }
    for (const int id : notes) {
      EXPECT_EQ((GetWindowLongPtrA(Control(id), GWL_STYLE) & WS_VISIBLE) != 0, s.on) << s.when << ", note " << id;
    }
  }
}

TEST_F(FormHighContrast, NoSystemColourIsWrittenWhileItIsOn) {
  const COLORREF chosen[] = {appWorkspace ^ 0x00102030, desktop ^ 0x00302010};
  reg.SetString(kSettingsKeyPath, kVersionValueName, "V1.43");
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Check::SystemColours).c_str(), 1);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Colour::MdiBackground).c_str(), chosen[0]);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Colour::Desktop).c_str(), chosen[1]);
  enum Step { kStart, kApply, kAnnounce, kExit };
  const struct { const char* when; bool on; Step step; bool showsChosen; } steps[] = {
      {"started with it on", true, kStart, false},
      {"applied with it on", true, kApply, false},
      {"announced off", false, kAnnounce, true},
      {"announced on: the saved colours are not written over the theme's", true, kAnnounce, true},
      {"exit with it on", true, kExit, true},
      {"announced off again", false, kAnnounce, true},
      {"exit with it off: the saved colours come back", false, kExit, false},
  };
  for (const auto& s : steps) {
    highContrast = s.on;
    switch (s.step) {
      case kStart: StartForm(); break;
      case kApply: form->ButtonApplyClick(); break;
      case kAnnounce: Announce(); break;
      case kExit: form->RestoreOnExit(); break;
    }
    const COLORREF expected[] = {s.showsChosen ? chosen[0] : appWorkspace, s.showsChosen ? chosen[1] : desktop};
    EXPECT_EQ(GetSysColor(COLOR_APPWORKSPACE), expected[0]) << s.when;
    EXPECT_EQ(GetSysColor(COLOR_BACKGROUND), expected[1]) << s.when;
  }
}

}  // namespace
}  // namespace vornal::test
