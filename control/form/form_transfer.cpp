// The dialog's side of the settings: its controls as FormFields, and load,
// save and the transfer between the record and the controls.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "form/form_main.h"
#include "form/control_text.h"
#include "resources/resource_ids.h"
#include "form/settings_transfer.h"
#include "form/spin_edits.h"

namespace vornal {
namespace {

bool IsRadioButton(HWND window) {
  const auto type = static_cast<UINT>(GetWindowLongPtrA(window, GWL_STYLE)) & BS_TYPEMASK;
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

const SpinEditBounds* SpinBoundsFor(int id) {
  if (id < IDC_SpinEdit1 || id > IDC_SpinEdit16) return nullptr;
  return &SpinEditFor(id - IDC_SpinEdit1 + 1);
}

// The real controls. A value set here that differs from what the control
// shows runs the control's change handler, as a user's change would: check
// boxes and track bars through the form, edits through their own EN_CHANGE.
class DialogFields final : public FormFields {
 public:
  DialogFields(FormMain& form, HMENU menu) : form_(form), menu_(menu) {}

  bool Checked(int id) const override {
    return form_.Checked(id);
  }
  void SetChecked(int id, bool checked) override {
    HWND box = form_.Control(id);
    if (box == nullptr || Checked(id) == checked) return;
    SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    // A radio button's handler runs when it becomes the chosen one.
    if (checked || !IsRadioButton(box)) form_.ControlChanged(id);
  }
  long long SpinValue(int id) const override {
    const SpinEditBounds* bounds = SpinBoundsFor(id);
    return bounds != nullptr ? SpinEditValue(Text(id), *bounds) : 0;
  }
  void SetSpinValue(int id, long long value) override {
    // A spin edit shows only values within its bounds, whatever was stored.
    const SpinEditBounds* bounds = SpinBoundsFor(id);
    if (bounds != nullptr && bounds->Bounded()) {
      value = std::clamp(value, bounds->minValue, bounds->maxValue);
    }
    SetText(id, std::to_string(value));
  }
  int TrackPosition(int id) const override {
    return static_cast<int>(SendMessageA(form_.Control(id), TBM_GETPOS, 0, 0));
  }
  void SetTrackPosition(int id, int position) override {
    HWND bar = form_.Control(id);
    if (bar == nullptr) return;
    position = std::clamp(position, static_cast<int>(SendMessageA(bar, TBM_GETRANGEMIN, 0, 0)),
                          static_cast<int>(SendMessageA(bar, TBM_GETRANGEMAX, 0, 0)));
    if (TrackPosition(id) == position) return;
    SendMessageA(bar, TBM_SETPOS, TRUE, position);
    form_.ControlChanged(id);
  }
  std::uint32_t Colour(int id) const override { return form_.ShapeColour(id); }
  void SetColour(int id, std::uint32_t colour) override { form_.SetShapeColour(id, colour); }
  std::string Text(int id) const override { return WindowText(form_.Control(id)); }
  void SetText(int id, const std::string& text) override {
    HWND edit = form_.Control(id);
    if (edit != nullptr && Text(id) != text) SetWindowTextA(edit, text.c_str());
  }
  void SetMenuChecked(int id, bool checked) override {
    CheckMenuItem(menu_, static_cast<UINT>(id),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  }

 private:
  FormMain& form_;
  HMENU menu_;
};

}  // namespace

std::uint32_t FormMain::ShapeColour(int id) const {
  if (id < IDC_Shape1 || id > IDC_Shape3) return 0;
  return shapeColours_[static_cast<std::size_t>(id - IDC_Shape1)];
}

void FormMain::SetShapeColour(int id, std::uint32_t colour) {
  if (id < IDC_Shape1 || id > IDC_Shape3) return;
  shapeColours_[static_cast<std::size_t>(id - IDC_Shape1)] = colour;
  if (HWND shape = Control(id)) InvalidateRect(shape, nullptr, TRUE);
}

void FormMain::SetControlChecked(int id, bool checked) {
  DialogFields fields(*this, popup_);
  fields.SetChecked(id, checked);
}

void FormMain::LoadSettings() {
  ExclusionList list = ExclusionsFromForm();
  OutsideValues outside = OutsideFromForm();
  const LoadReport report =
      vornal::LoadSettings(env_.registryRoot, env_.programPath, settings_, list, outside);
  if (report.exclusionsReplaced) ExclusionsToForm(list);
  OutsideToForm(outside);
}

void FormMain::AddDefaultExclusions() {
  // Shown from what the key holds, also where the load kept the dialog's
  // list (no usable record yet): the next Apply writes the list back whole.
  ExclusionList list;
  if (vornal::AddDefaultExclusionsOnce(env_.registryRoot, list)) ExclusionsToForm(list);
}

void FormMain::SaveSettings() {
  vornal::SaveSettings(env_.registryRoot, env_.programPath, settings_, ExclusionsFromForm(),
                       OutsideFromForm());
}

void FormMain::SettingsToForm() {
  DialogFields fields(*this, popup_);
  vornal::SettingsToForm(settings_, fields);
  // The enabled states always match what was loaded, also when no control
  // changed (and so no click handler ran).
  UpdateEnableds();
  EditAppExChange();
  ListBoxAppExClick();
}

void FormMain::FormToSettings() {
  DialogFields fields(*this, popup_);
  vornal::FormToSettings(fields, settings_);
}

OutsideValues FormMain::OutsideFromForm() const {
  const auto checked = [this](int id) { return Checked(id); };
  OutsideValues v;
  v.runAtStartup = checked(IDC_CheckBoxStartup);
  v.shellToolbarEnabled = checked(IDC_CheckBoxExplorer);
  v.shellToolbarBitmap = WindowText(Control(IDC_EditExplorerToolbar));
  v.browserToolbarEnabled = checked(IDC_CheckBoxIE);
  v.browserToolbarBitmap = WindowText(Control(IDC_EditIEToolbar));
  return v;
}

void FormMain::OutsideToForm(const OutsideValues& v) {
  DialogFields fields(*this, popup_);
  fields.SetChecked(IDC_CheckBoxStartup, v.runAtStartup);
  fields.SetChecked(IDC_CheckBoxExplorer, v.shellToolbarEnabled);
  fields.SetText(IDC_EditExplorerToolbar, v.shellToolbarBitmap);
  fields.SetChecked(IDC_CheckBoxIE, v.browserToolbarEnabled);
  fields.SetText(IDC_EditIEToolbar, v.browserToolbarBitmap);
}

ExclusionList FormMain::ExclusionsFromForm() const {
  ExclusionList list;
  HWND box = Control(IDC_ListBoxAppEx);
  const auto count = SendMessageA(box, LB_GETCOUNT, 0, 0);
  std::string name;
  for (LRESULT i = 0; i < count; ++i) {
    if (ReadListBoxEntry(box, i, name)) list.push_back(name);
  }
  return list;
}

void FormMain::ExclusionsToForm(const ExclusionList& list) {
  HWND box = Control(IDC_ListBoxAppEx);
  SendMessageA(box, LB_RESETCONTENT, 0, 0);
  // The list box sorts the names (ascending, ignoring case).
  for (const std::string& name : list) {
    SendMessageA(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
}

}  // namespace vornal
