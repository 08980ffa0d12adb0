#include "settings_record.h"

#include <cstring>

#include "program_identity.h"

namespace vornal {
namespace {

constexpr FamilyRun kControlRuns[] = {
    {Family::CheckFlag, 1, kCheckFlagCount},     {Family::SpinValue, 1, kSpinValueCount},
    {Family::RadioFlag, 1, kRadioFlagCount},     {Family::ColourValue, 1, kColourValueCount},
    {Family::MultiRadio, 1, kMultiRadioCount},
};
constexpr TextField kControlTexts[] = {TextField::StartText, TextField::WindowWallpaper,
                                       TextField::MDIWallpaper, TextField::TVWallpaper};

// The hook library holds the checks from the animation to the list-view
// wallpaper, the spins from the box thickness to the drag opacity, the open
// and close styles and the two dialogs-only switches, and reads them in that
// order (check flags 1-14, spin values 1-13, multi-radio values 1-2, radio
// flags 1-2).
constexpr FamilyRun kLibraryRuns[] = {
    {Family::CheckFlag, NumberOf(Check::WindowsOpening), NumberOf(Check::ListViewWallpaper)},
    {Family::SpinValue, NumberOf(Spin::BoxThickness), NumberOf(Spin::DragOpacity)},
    {Family::MultiRadio, NumberOf(Choice::OpenStyle), NumberOf(Choice::CloseStyle)},
    {Family::RadioFlag, NumberOf(Radio::ShadowDialogsOnly), NumberOf(Radio::DragDialogsOnly)},
};
constexpr TextField kLibraryTexts[] = {TextField::WindowWallpaper, TextField::MDIWallpaper,
                                       TextField::TVWallpaper};

constexpr ReadPlan kControlPlan = {kControlRuns, std::size(kControlRuns), kControlTexts,
                                   std::size(kControlTexts)};
constexpr ReadPlan kLibraryPlan = {kLibraryRuns, std::size(kLibraryRuns), kLibraryTexts,
                                   std::size(kLibraryTexts)};

bool InFamily(Family family, int n) { return n >= 1 && n <= FamilyCount(family); }

template <typename Row, std::size_t N>
void SetDefaults(Settings& s, const std::array<Row, N>& rows) noexcept {
  for (const Row& row : rows) s.Set(row.option, row.value);
}

}  // namespace

Settings DefaultSettings() {
  Settings s;
  SetDefaults(s, kCheckDefaults);
  SetDefaults(s, kSpinDefaults);
  SetDefaults(s, kRadioDefaults);
  SetDefaults(s, kColourDefaults);
  SetDefaults(s, kChoiceDefaults);
  // The start text defaults to the first three letters of the program's name.
  const char start[4] = {kProgramName[0], kProgramName[1], kProgramName[2], '\0'};
  s.Text(TextField::StartText).Assign(start);
  return s;
}

int FamilyCount(Family family) {
  switch (family) {
    case Family::CheckFlag: return kCheckFlagCount;
    case Family::SpinValue: return kSpinValueCount;
    case Family::RadioFlag: return kRadioFlagCount;
    case Family::ColourValue: return kColourValueCount;
    case Family::MultiRadio: return kMultiRadioCount;
  }
  return 0;
}

const char* FamilyPrefix(Family family) {
  switch (family) {
    case Family::CheckFlag: return "CheckBoxChecked";
    case Family::SpinValue: return "SpinValue";
    case Family::RadioFlag: return "RadioChecked";
    case Family::ColourValue: return "ColourValue";
    case Family::MultiRadio: return "MultiRadio";
  }
  return "";
}

const char* TextFieldName(TextField field) {
  switch (field) {
    case TextField::StartText: return "StartText";
    case TextField::WindowWallpaper: return "WindowWallpaper";
    case TextField::MDIWallpaper: return "MDIWallpaper";
    case TextField::TVWallpaper: return "TVWallpaper";
  }
  return "";
}

bool FormatValueName(Family family, int n, ValueName& out) {
  if (!InFamily(family, n)) return false;
  // Formatted by hand: this runs in every hooked process, where pulling in
  // a printf implementation would only make the library bigger.
  char* p = out.Buffer();
  const char* prefix = FamilyPrefix(family);
  const std::size_t len = std::strlen(prefix);
  std::memcpy(p, prefix, len);
  p += len;
  if (n >= 10) *p++ = static_cast<char>('0' + n / 10);
  *p++ = static_cast<char>('0' + n % 10);
  *p = '\0';
  return true;
}

void StoreRawValue(Settings& s, Family family, int n, std::uint32_t raw) {
  if (!InFamily(family, n)) return;
  const auto i = static_cast<std::size_t>(n - 1);
  switch (family) {
    case Family::CheckFlag: s.checkFlags[i] = raw != 0; break;
    case Family::SpinValue: s.spinValues[i] = static_cast<std::uint16_t>(raw & 0xFFFFu); break;
    case Family::RadioFlag: s.radioFlags[i] = raw != 0; break;
    case Family::ColourValue: s.colourValues[i] = raw; break;
    case Family::MultiRadio: s.multiRadio[i] = static_cast<std::uint8_t>(raw & 0xFFu); break;
  }
}

std::uint32_t RawValue(const Settings& s, Family family, int n) {
  if (!InFamily(family, n)) return 0;
  const auto i = static_cast<std::size_t>(n - 1);
  switch (family) {
    case Family::CheckFlag: return s.checkFlags[i] ? 1u : 0u;
    case Family::SpinValue: return s.spinValues[i];
    case Family::RadioFlag: return s.radioFlags[i] ? 1u : 0u;
    case Family::ColourValue: return s.colourValues[i];
    case Family::MultiRadio: return s.multiRadio[i];
  }
  return 0;
}

const ReadPlan& ControlReadPlan() { return kControlPlan; }
const ReadPlan& LibraryReadPlan() { return kLibraryPlan; }

}  // namespace vornal
