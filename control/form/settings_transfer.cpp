#include "form/settings_transfer.h"

#include "resources/resource_ids.h"

namespace vornal {
namespace {

// Check N lives in CheckBoxN and spin N in SpinEditN; their ids run
// without gaps, which these checks keep true.
static_assert(IDC_CheckBox18 == IDC_CheckBox1 + 17);
static_assert(IDC_SpinEdit16 == IDC_SpinEdit1 + 15);
static_assert(IDC_RadioButtonStyle22 == IDC_RadioButtonStyle1 + 21);
static_assert(IDC_RadioButtonStart4 == IDC_RadioButtonStart1 + 3);
static_assert(IDC_Shape3 == IDC_Shape1 + 2);

// The controls of each option. Checks and spins are numbered as their
// controls are, so the ids follow from the option's number.
int CheckBoxOf(Check option) { return IDC_CheckBox1 + NumberOf(option) - 1; }
int SpinEditOf(Spin option) { return IDC_SpinEdit1 + NumberOf(option) - 1; }
int ShapeOf(Colour option) { return IDC_Shape1 + NumberOf(option) - 1; }

// A radio switch: a pair of buttons, the first checked when it is on.
struct RadioPair {
  int trueButton;
  int falseButton;
};
RadioPair RadioPairOf(Radio option) {
  switch (option) {
    case Radio::ShadowDialogsOnly: return {IDC_RadioButton1, IDC_RadioButton2};
    case Radio::DragDialogsOnly: return {IDC_RadioButton3, IDC_RadioButton4};
    case Radio::PatchOn: return {IDC_RadioButton5, IDC_RadioButton6};
  }
  return {IDC_RadioButton1, IDC_RadioButton2};
}

// A choice selects button k of its group, 1 based.
struct RadioGroup {
  int firstButton;
  int buttonCount;
};
RadioGroup GroupOf(Choice option) {
  switch (option) {
    case Choice::OpenStyle: return {IDC_RadioButtonStyle1, 11};   // Animation In
    case Choice::CloseStyle: return {IDC_RadioButtonStyle12, 11}; // Animation Out
    case Choice::StartCaption: return {IDC_RadioButtonStart1, 4}; // Start button caption
  }
  return {IDC_RadioButtonStyle1, 11};
}

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

}  // namespace

void SettingsToForm(const Settings& s, FormFields& form) {
  for (Check c : kAllChecks) form.SetChecked(CheckBoxOf(c), s.Get(c));
  for (Spin v : kAllSpins) form.SetSpinValue(SpinEditOf(v), s.Get(v));
  for (Radio r : kAllRadios) {
    const RadioPair pair = RadioPairOf(r);
    // The button that becomes unchecked goes first, so that a group never
    // shows two choices at once.
    if (s.Get(r)) {
      form.SetChecked(pair.falseButton, false);
      form.SetChecked(pair.trueButton, true);
    } else {
      form.SetChecked(pair.trueButton, false);
      form.SetChecked(pair.falseButton, true);
    }
  }
  for (Colour c : kAllColours) form.SetColour(ShapeOf(c), s.Get(c));
  for (Choice c : kAllChoices) {
    const RadioGroup group = GroupOf(c);
    const int value = s.Get(c);
    const int chosen = value >= 2 && value <= group.buttonCount ? value : 1;
    for (int k = 1; k <= group.buttonCount; ++k) {
      if (k != chosen) form.SetChecked(group.firstButton + k - 1, false);
    }
    form.SetChecked(group.firstButton + chosen - 1, true);
  }
  for (const TextBinding& t : kTexts) form.SetText(t.edit, s.Text(t.field).c_str());
  // The tray menu mirrors three settings.
  form.SetMenuChecked(IDM_TaskbarTransparent1, s.Get(Check::TaskbarTransparent));
  form.SetMenuChecked(IDM_DesktopTransparent1, s.Get(Check::DesktopIconText));
  form.SetMenuChecked(IDM_PatchEnabled1, s.Get(Radio::PatchOn));
  form.SetTrackPosition(IDC_TrackBarTransparency, s.Get(Spin::TaskbarOpacity));
}

void FormToSettings(const FormFields& form, Settings& s) {
  for (Check c : kAllChecks) s.Set(c, form.Checked(CheckBoxOf(c)));
  // Low 16 bits: the unbounded spin edit of the icon-text interval may hold more.
  for (Spin v : kAllSpins) {
    s.Set(v, static_cast<std::uint16_t>(form.SpinValue(SpinEditOf(v)) & 0xFFFF));
  }
  for (Radio r : kAllRadios) s.Set(r, form.Checked(RadioPairOf(r).trueButton));
  for (Colour c : kAllColours) s.Set(c, form.Colour(ShapeOf(c)));
  for (Choice c : kAllChoices) {
    const RadioGroup group = GroupOf(c);
    std::uint8_t value = 1;
    for (int k = 2; k <= group.buttonCount; ++k) {
      if (form.Checked(group.firstButton + k - 1)) {
        value = static_cast<std::uint8_t>(k);
        break;
      }
    }
    s.Set(c, value);
  }
  for (const TextBinding& t : kTexts) {
    // The edits take at most a full path, which always fits.
    s.Text(t.field).Assign(form.Text(t.edit).c_str());
  }
}

}  // namespace vornal
