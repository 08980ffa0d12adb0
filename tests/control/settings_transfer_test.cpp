// The table-driven copy between the Settings record and the dialog, on a
// stand-in for the dialog that records what was set.
#include <gtest/gtest.h>

#include <map>

#include "resources/resource_ids.h"
#include "settings_transfer.h"

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
  for (int n = 1; n <= kCheckFlagCount; ++n) StoreRawValue(s, Family::CheckFlag, n, n % 3 == 0);
  for (int n = 1; n <= kSpinValueCount; ++n) StoreRawValue(s, Family::SpinValue, n, 100u + n);
  StoreRawValue(s, Family::RadioFlag, 1, 0);
  StoreRawValue(s, Family::RadioFlag, 2, 1);
  StoreRawValue(s, Family::RadioFlag, 3, 1);
  for (int n = 1; n <= kColourValueCount; ++n) StoreRawValue(s, Family::ColourValue, n, 0x112233u * n);
  StoreRawValue(s, Family::MultiRadio, 1, 7);
  StoreRawValue(s, Family::MultiRadio, 2, 11);
  StoreRawValue(s, Family::MultiRadio, 3, 4);
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
  EXPECT_EQ(out.checkFlags, in.checkFlags);
  EXPECT_EQ(out.spinValues, in.spinValues);
  EXPECT_EQ(out.radioFlags, in.radioFlags);
  EXPECT_EQ(out.colourValues, in.colourValues);
  EXPECT_EQ(out.multiRadio, in.multiRadio);
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
  StoreRawValue(s, Family::CheckFlag, 15, 1);
  StoreRawValue(s, Family::CheckFlag, 16, 0);
  StoreRawValue(s, Family::SpinValue, 14, 180);
  FakeFields form;
  SettingsToForm(s, form);
  EXPECT_TRUE(form.menu[IDM_TaskbarTransparent1]);
  EXPECT_FALSE(form.menu[IDM_DesktopTransparent1]);
  EXPECT_TRUE(form.menu[IDM_PatchEnabled1]);
  EXPECT_EQ(form.tracks[IDC_TrackBarTransparency], 180);
}

TEST(SettingsTransfer, ValuesWithoutAButtonShowTheFirstAndComeBackAsOne) {
  Settings s = DefaultSettings();
  StoreRawValue(s, Family::MultiRadio, 1, 12);
  StoreRawValue(s, Family::MultiRadio, 2, 0);
  StoreRawValue(s, Family::MultiRadio, 3, 5);
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
  EXPECT_EQ(back.MultiRadio(1), 1);
  EXPECT_EQ(back.MultiRadio(2), 1);
  EXPECT_EQ(back.MultiRadio(3), 1);
}

TEST(SettingsTransfer, SpinValuesKeepTheirLowSixteenBits) {
  FakeFields form;
  SettingsToForm(DefaultSettings(), form);
  form.spins[IDC_SpinEdit15] = 70000;
  form.spins[IDC_SpinEdit1] = 65535;
  form.spins[IDC_SpinEdit2] = -1;
  Settings s = DefaultSettings();
  FormToSettings(form, s);
  EXPECT_EQ(s.SpinValue(15), 70000 & 0xFFFF);
  EXPECT_EQ(s.SpinValue(1), 65535);
  EXPECT_EQ(s.SpinValue(2), 0xFFFF);
}

}  // namespace
}  // namespace vornal
