#include "settings_transfer.h"

#include "resources/resource_ids.h"

namespace vornal {
namespace {

// Check flag N lives in CheckBoxN and spin value N in SpinEditN; their ids
// run without gaps, which these checks keep true.
static_assert(IDC_CheckBox18 == IDC_CheckBox1 + 17);
static_assert(IDC_SpinEdit16 == IDC_SpinEdit1 + 15);
static_assert(IDC_RadioButtonStyle22 == IDC_RadioButtonStyle1 + 21);
static_assert(IDC_RadioButtonStart4 == IDC_RadioButtonStart1 + 3);
static_assert(IDC_Shape3 == IDC_Shape1 + 2);

int CheckBoxOf(int n) { return IDC_CheckBox1 + n - 1; }
int SpinEditOf(int n) { return IDC_SpinEdit1 + n - 1; }
int ShapeOf(int n) { return IDC_Shape1 + n - 1; }

// Radio flag N: a pair of buttons, the first checked when the flag is true.
struct RadioPair {
  int trueButton;
  int falseButton;
};
constexpr RadioPair kRadioPairs[kRadioFlagCount] = {
    {IDC_RadioButton1, IDC_RadioButton2},
    {IDC_RadioButton3, IDC_RadioButton4},
    {IDC_RadioButton5, IDC_RadioButton6},
};

// Multi-radio value N selects button k of its group, 1 based.
struct RadioGroup {
  int firstButton;
  int buttonCount;
};
constexpr RadioGroup kMultiRadioGroups[kMultiRadioCount] = {
    {IDC_RadioButtonStyle1, 11},   // Animation In
    {IDC_RadioButtonStyle12, 11},  // Animation Out
    {IDC_RadioButtonStart1, 4},    // Start button caption
};

struct TextBinding {
  TextField field;
  int edit;
};
constexpr TextBinding kTexts[] = {
    {TextField::StartText, IDC_EditStartText},
    {TextField::WindowWallpaper, IDC_EditWindowWallpaper},
    {TextField::MDIWallpaper, IDC_EditMDIWallpaper},
    {TextField::TVWallpaper, IDC_EditTVWallpaper},
};

// The tray menu mirrors three settings.
struct MenuMirror {
  int item;
  Family family;
  int n;
};
constexpr MenuMirror kMenuMirrors[] = {
    {IDM_TaskbarTransparent1, Family::CheckFlag, 15},
    {IDM_DesktopTransparent1, Family::CheckFlag, 16},
    {IDM_PatchEnabled1, Family::RadioFlag, 3},
};

}  // namespace

void SettingsToForm(const Settings& s, FormFields& form) {
  for (int n = 1; n <= kCheckFlagCount; ++n) form.SetChecked(CheckBoxOf(n), s.CheckFlag(n));
  for (int n = 1; n <= kSpinValueCount; ++n) form.SetSpinValue(SpinEditOf(n), s.SpinValue(n));
  for (int n = 1; n <= kRadioFlagCount; ++n) {
    const RadioPair& pair = kRadioPairs[n - 1];
    // The button that becomes unchecked goes first, so that a group never
    // shows two choices at once.
    if (s.RadioFlag(n)) {
      form.SetChecked(pair.falseButton, false);
      form.SetChecked(pair.trueButton, true);
    } else {
      form.SetChecked(pair.trueButton, false);
      form.SetChecked(pair.falseButton, true);
    }
  }
  for (int n = 1; n <= kColourValueCount; ++n) form.SetColour(ShapeOf(n), s.ColourValue(n));
  for (int n = 1; n <= kMultiRadioCount; ++n) {
    const RadioGroup& group = kMultiRadioGroups[n - 1];
    const int value = s.MultiRadio(n);
    const int chosen = value >= 2 && value <= group.buttonCount ? value : 1;
    for (int k = 1; k <= group.buttonCount; ++k) {
      if (k != chosen) form.SetChecked(group.firstButton + k - 1, false);
    }
    form.SetChecked(group.firstButton + chosen - 1, true);
  }
  for (const TextBinding& t : kTexts) form.SetText(t.edit, s.Text(t.field).c_str());
  for (const MenuMirror& m : kMenuMirrors) form.SetMenuChecked(m.item, RawValue(s, m.family, m.n) != 0);
  form.SetTrackPosition(IDC_TrackBarTransparency, s.SpinValue(14));
}

void FormToSettings(const FormFields& form, Settings& s) {
  for (int n = 1; n <= kCheckFlagCount; ++n) {
    StoreRawValue(s, Family::CheckFlag, n, form.Checked(CheckBoxOf(n)) ? 1u : 0u);
  }
  for (int n = 1; n <= kSpinValueCount; ++n) {
    // Low 16 bits: the unbounded SpinEdit15 may hold more.
    StoreRawValue(s, Family::SpinValue, n,
                  static_cast<std::uint32_t>(form.SpinValue(SpinEditOf(n)) & 0xFFFF));
  }
  for (int n = 1; n <= kRadioFlagCount; ++n) {
    StoreRawValue(s, Family::RadioFlag, n, form.Checked(kRadioPairs[n - 1].trueButton) ? 1u : 0u);
  }
  for (int n = 1; n <= kColourValueCount; ++n) {
    StoreRawValue(s, Family::ColourValue, n, form.Colour(ShapeOf(n)));
  }
  for (int n = 1; n <= kMultiRadioCount; ++n) {
    const RadioGroup& group = kMultiRadioGroups[n - 1];
    std::uint32_t value = 1;
    for (int k = 2; k <= group.buttonCount; ++k) {
      if (form.Checked(group.firstButton + k - 1)) {
        value = static_cast<std::uint32_t>(k);
        break;
      }
    }
    StoreRawValue(s, Family::MultiRadio, n, value);
  }
  for (const TextBinding& t : kTexts) {
    // The edits take at most a full path, which always fits.
    s.Text(t.field).Assign(form.Text(t.edit).c_str());
  }
}

}  // namespace vornal
