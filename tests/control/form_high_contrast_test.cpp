// The form under the system's high contrast as its environment reports it.
// Wine changes system colours for the calling process only, so this
// process reads back what the form wrote.
#include "form_fixture.h"
#include "option_catalogue.h"
#include "registry_layout.h"
#include "resources/resource_ids.h"

namespace vornal::test {
namespace {

class FormHighContrast : public FormFixture {
 protected:
  enum Step { kStart, kApply, kAnnounce, kExit };
  bool highContrast = true;
  COLORREF system[2] = {GetSysColor(COLOR_APPWORKSPACE), GetSysColor(COLOR_BACKGROUND)};

  void SetUp() override {
    FormFixture::SetUp();
    env.highContrast = [this] { return highContrast; };
  }
  void TearDown() override {
    FormFixture::TearDown();
    INT elements[] = {COLOR_APPWORKSPACE, COLOR_BACKGROUND};
    SetSysColors(2, elements, system);
  }
  void Run(Step step, bool on) {
    highContrast = on;
    if (step == kStart) StartForm();
    if (step == kApply) form->ButtonApplyClick();
    if (step == kAnnounce) SendMessageA(form->Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    if (step == kExit) form->RestoreOnExit();
  }
};

TEST_F(FormHighContrast, ThePausedPagesSayWhyWhileItIsOn) {
  const struct { const char* when; Step step; bool on; } steps[] = {
      {"started with it on", kStart, true}, {"announced off", kAnnounce, false},
      {"on at an apply", kApply, true},     {"off at an apply", kApply, false}, {"announced on", kAnnounce, true}};
  for (const auto& s : steps) {
    Run(s.step, s.on);
    for (const int id : {IDC_LabelHighContrastWindow, IDC_LabelHighContrastMDI, IDC_LabelHighContrastLists,
                         IDC_LabelHighContrastColours}) {
      EXPECT_EQ((GetWindowLongPtrA(Control(id), GWL_STYLE) & WS_VISIBLE) != 0, s.on) << s.when << ", note " << id;
    }
  }
}

TEST_F(FormHighContrast, NoSystemColourIsWrittenWhileItIsOn) {
  const COLORREF chosen[] = {system[0] ^ 0x00102030, system[1] ^ 0x00302010};
  reg.SetString(kSettingsKeyPath, kVersionValueName, "V1.43");  // stored settings are read
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Check::SystemColours).c_str(), 1);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Colour::MdiBackground).c_str(), chosen[0]);
  reg.SetDword(kSettingsKeyPath, ValueNameOf(Colour::Desktop).c_str(), chosen[1]);
  const struct { const char* when; Step step; bool on; bool showsChosen; } steps[] = {
      {"started with it on", kStart, true, false}, {"applied with it on", kApply, true, false},
      {"announced off", kAnnounce, false, true},
      {"announced on: the saved colours are not written over the theme's", kAnnounce, true, true},
      {"exit with it on", kExit, true, true},      {"announced off again", kAnnounce, false, true},
      {"exit with it off: the saved colours come back", kExit, false, false}};
  for (const auto& s : steps) {
    Run(s.step, s.on);
    EXPECT_EQ(GetSysColor(COLOR_APPWORKSPACE), s.showsChosen ? chosen[0] : system[0]) << s.when;
    EXPECT_EQ(GetSysColor(COLOR_BACKGROUND), s.showsChosen ? chosen[1] : system[1]) << s.when;
  }
}

}  // namespace
}  // namespace vornal::test
