// The table-driven copy between the Settings record and the dialog, on a
// stand-in for the dialog that records what was set.
#include <gtest/gtest.h>

#include <map>

#include "resources/resource_ids.h"
#include "form/settings_transfer.h"
#include "../settings/option_values.h"

namespace vornal {
namespace {

class FakeFields final : public FormFields {
 public:
  bool Checked(int id) const override { return Get(checked, id); }
  void SetChecked(int id, bool v) override { checked[id] = v; }
  long long SpinValue(int id) const override { return Get(spins, id); }
  void SetSpinValue(int id, long long v) override { spins[id] = v; }
  int TrackPosition(int id) const override { return Get(tracks, id); }
  void SetTrackPosition(int id, int v) override { tracks[id] = v; }
  std::uint32_t Colour(int id) const override { return Get(colours, id); }
  void SetColour(int id, std::uint32_t v) override { colours[id] = v; }
  std::string Text(int id) const override { return Get(texts, id); }
  void SetText(int id, const std::string& v) override { texts[id] = v; }
  void SetMenuChecked(int id, bool v) override { menu[id] = v; }

  template <typename M>
  static typename M::mapped_type Get(const M& m, int id) {
    const auto it = m.find(id);
    return it == m.end() ? typename M::mapped_type{} : it->second;
  }

  std::map<int, bool> checked;
  std::map<int, long long> spins;
  std::map<int, int> tracks;
  std::map<int, std::uint32_t> colours;
  std::map<int, std::string> texts;
  std::map<int, bool> menu;
};

Settings Sample() {
  Settings s = DefaultSettings();
  // Every third check on, and each spin and colour a value of its own.
  for (std::size_t i = 0; i < kAllChecks.size(); ++i) s.Set(kAllChecks[i], (i + 1) % 3 == 0);
  for (std::size_t i = 0; i < kAllSpins.size(); ++i) {
    s.Set(kAllSpins[i], static_cast<std::uint16_t>(101 + i));
  }
  s.Set(Radio::ShadowDialogsOnly, false);
  s.Set(Radio::DragDialogsOnly, true);
  s.Set(Radio::PatchOn, true);
  for (std::size_t i = 0; i < kAllColours.size(); ++i) {
    s.Set(kAllColours[i], static_cast<std::uint32_t>(0x112233u * (i + 1)));
  }
  s.Set(Choice::OpenStyle, 7);
  s.Set(Choice::CloseStyle, 11);
  s.Set(Choice::StartCaption, static_cast<std::uint8_t>(StartCaptionMode::Custom));
  s.Text(TextField::StartText).Assign("Hello");
  s.Text(TextField::WindowWallpaper).Assign("C:\\w.bmp");
  s.Text(TextField::MDIWallpaper).Assign("C:\\m.bmp");
  s.Text(TextField::TVWallpaper).Assign("C:\\t.bmp");
  return s;
}

TEST(SettingsTransfer, RoundTripKeepsEveryValue) {
  const Settings in = Sample();
  FakeFields form;
  SettingsToForm(in, form);
  Settings out = DefaultSettings();
  FormToSettings(form, out);
  EXPECT_EQ(test::ValuesOf(out, kAllChecks), test::ValuesOf(in, kAllChecks));
  EXPECT_EQ(test::ValuesOf(out, kAllSpins), test::ValuesOf(in, kAllSpins));
  EXPECT_EQ(test::ValuesOf(out, kAllRadios), test::ValuesOf(in, kAllRadios));
  EXPECT_EQ(test::ValuesOf(out, kAllColours), test::ValuesOf(in, kAllColours));
  EXPECT_EQ(test::ValuesOf(out, kAllChoices), test::ValuesOf(in, kAllChoices));
  EXPECT_EQ(out.texts, in.texts);
}

TEST(SettingsTransfer, RecordSetsBothButtonsOfEachPairAndOneButtonPerGroup) {
  FakeFields form;
  SettingsToForm(Sample(), form);
  EXPECT_FALSE(form.checked[IDC_RadioButton1]);
  EXPECT_TRUE(form.checked[IDC_RadioButton2]);
  EXPECT_TRUE(form.checked[IDC_RadioButton3]);
  EXPECT_FALSE(form.checked[IDC_RadioButton4]);
  EXPECT_TRUE(form.checked[IDC_RadioButton5]);
  EXPECT_FALSE(form.checked[IDC_RadioButton6]);
  for (int k = 1; k <= 22; ++k) {
    const bool expected = k == 7 || k == 11 + 11;
    EXPECT_EQ(form.checked[IDC_RadioButtonStyle1 + k - 1], expected) << "RadioButtonStyle" << k;
  }
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(form.checked[IDC_RadioButtonStart1 + k - 1], k == 4);
  EXPECT_EQ(form.texts[IDC_EditStartText], "Hello");
  EXPECT_EQ(form.colours[IDC_Shape2], 0x224466u);
}

TEST(SettingsTransfer, TrayMarksAndTaskbarTrackBarMirrorTheRecord) {
  Settings s = Sample();
  s.Set(Check::TaskbarTransparent, true);
  s.Set(Check::DesktopIconText, false);
  s.Set(Spin::TaskbarOpacity, 180);
  FakeFields form;
  SettingsToForm(s, form);
  EXPECT_TRUE(form.menu[IDM_TaskbarTransparent1]);
  EXPECT_FALSE(form.menu[IDM_DesktopTransparent1]);
  EXPECT_TRUE(form.menu[IDM_PatchEnabled1]);
  EXPECT_EQ(form.tracks[IDC_TrackBarTransparency], 180);
}

TEST(SettingsTransfer, ValuesWithoutAButtonShowTheFirstAndComeBackAsOne) {
  Settings s = DefaultSettings();
  s.Set(Choice::OpenStyle, 12);
  s.Set(Choice::CloseStyle, 0);
  s.Set(Choice::StartCaption, 5);
  FakeFields form;
  form.checked[IDC_RadioButtonStyle5] = true;  // left over from an earlier state
  SettingsToForm(s, form);
  EXPECT_TRUE(form.checked[IDC_RadioButtonStyle1]);
  EXPECT_FALSE(form.checked[IDC_RadioButtonStyle5]);
  EXPECT_TRUE(form.checked[IDC_RadioButtonStyle12]);
  EXPECT_TRUE(form.checked[IDC_RadioButtonStart1]);
  EXPECT_FALSE(form.checked[IDC_RadioButtonStart4]);
  Settings back = s;
  FormToSettings(form, back);
  EXPECT_EQ(back.Get(Choice::OpenStyle), 1);
  EXPECT_EQ(back.Get(Choice::CloseStyle), 1);
  EXPECT_EQ(back.Get(Choice::StartCaption), 1);
}

TEST(SettingsTransfer, SpinValuesKeepTheirLowSixteenBits) {
  FakeFields form;
  SettingsToForm(DefaultSettings(), form);
  form.spins[IDC_SpinEdit15] = 70000;
  form.spins[IDC_SpinEdit1] = 65535;
  form.spins[IDC_SpinEdit2] = -1;
  Settings s = DefaultSettings();
  FormToSettings(form, s);
  EXPECT_EQ(s.Get(Spin::IconTextInterval), 70000 & 0xFFFF);
  EXPECT_EQ(s.Get(Spin::BoxThickness), 65535);
  EXPECT_EQ(s.Get(Spin::OpenDuration), 0xFFFF);
}

}  // namespace
}  // namespace vornal
