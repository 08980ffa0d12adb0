// The catalogue of Vornal's options: every option by name, the registry
// value it is stored under and its default.
//
// The registry keeps the options in numbered families ("CheckBoxChecked15",
// "SpinValue14"); the number of an option is the value of its enumerator
// here, so the numbers are written in this one file. Everything else names
// an option (Check::TaskbarTransparent); only the registry edge (value
// names, raw decoding, read plans) and the dialog transfer, which maps each
// option to its control, still work in numbers.
//
// Platform-free, like the record that includes it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "fixed_text.h"

namespace vornal {

// The numbered families of the record. Element N of a family is stored in
// the registry under the family's prefix followed by N in decimal.
enum class Family : std::uint8_t {
  CheckFlag,   // boolean, 1 to 18
  SpinValue,   // unsigned 16-bit, 1 to 16
  RadioFlag,   // boolean, 1 to 3
  ColourValue, // COLORREF 0x00BBGGRR, 1 to 3
  MultiRadio,  // unsigned 8-bit, 1 to 3
};

inline constexpr int kCheckFlagCount = 18;
inline constexpr int kSpinValueCount = 16;
inline constexpr int kRadioFlagCount = 3;
inline constexpr int kColourValueCount = 3;
inline constexpr int kMultiRadioCount = 3;

// The text fields of the record, in the order in which they are stored.
enum class TextField : std::uint8_t { StartText, WindowWallpaper, MDIWallpaper, TVWallpaper };
inline constexpr int kTextFieldCount = 4;

// Check boxes, stored as "CheckBoxChecked<N>".
enum class Check : std::uint8_t {
  WindowsOpening = 1,        // animate windows as they open
  WindowsClosing = 2,        // animate windows as they close
  TitledWindows = 3,         // animate windows with a title bar
  Popups = 4,                // animate popups
  WindowShadows = 5,         // drop shadows
  RepeatLimited = 6,         // no new animation within Spin::RepeatInterval of the last
  SlideIn = 7,               // the sliding style for opening
  SlideOut = 8,              // the sliding style for closing
  TransparentDragging = 9,   // windows turn transparent while dragged
  WindowWallpaper = 10,      // the window wallpaper
  MdiWallpaper = 11,         // the MDI wallpaper
  TabbedPages = 12,          // the window wallpaper on tabbed pages too
  TreeViewWallpaper = 13,    // the TV wallpaper on tree views
  ListViewWallpaper = 14,    // the TV wallpaper on list views and list boxes
  TaskbarTransparent = 15,   // taskbar transparency, at Spin::TaskbarOpacity
  DesktopIconText = 16,      // the desktop icon text without its shading
  IconTextRecheck = 17,      // check the icon text again every Spin::IconTextInterval
  SystemColours = 18,        // override COLOR_APPWORKSPACE and COLOR_BACKGROUND
};

// Spin boxes (unsigned 16-bit), stored as "SpinValue<N>".
enum class Spin : std::uint8_t {
  BoxThickness = 1,          // pixels of the animated box's frame
  OpenDuration = 2,          // milliseconds
  CloseDuration = 3,         // milliseconds
  AnimationMinWidth = 4,     // smallest and largest window animated
  AnimationMinHeight = 5,
  AnimationMaxWidth = 6,
  AnimationMaxHeight = 7,
  RepeatInterval = 8,        // milliseconds, for Check::RepeatLimited
  DragMinWidth = 9,          // smallest and largest window dragged transparently
  DragMinHeight = 10,
  DragMaxWidth = 11,
  DragMaxHeight = 12,
  DragOpacity = 13,          // alpha while dragged (the low byte counts)
  TaskbarOpacity = 14,       // alpha of the transparent taskbar (the low byte counts)
  IconTextInterval = 15,     // milliseconds, for Check::IconTextRecheck
  StartCaptionInterval = 16, // milliseconds between updates of the Start caption
};

// Radio switches (boolean), stored as "RadioChecked<N>". Each is the upper
// button of a pair; off means its partner is chosen.
enum class Radio : std::uint8_t {
  ShadowDialogsOnly = 1,     // shadows for dialogs only, not every captioned class
  DragDialogsOnly = 2,       // transparent dragging for dialogs only
  PatchOn = 3,               // the master switch of the hooked effects
};

// Colours (COLORREF 0x00BBGGRR), stored as "ColourValue<N>".
enum class Colour : std::uint8_t {
  IconText = 1,              // the desktop icon captions
  MdiBackground = 2,         // COLOR_APPWORKSPACE, with Check::SystemColours
  Desktop = 3,               // COLOR_BACKGROUND, with Check::SystemColours
};

// Choices among several buttons (unsigned 8-bit, 1 for the first button),
// stored as "MultiRadio<N>".
enum class Choice : std::uint8_t {
  OpenStyle = 1,             // how windows animate as they open
  CloseStyle = 2,            // how windows animate as they close
  StartCaption = 3,          // a StartCaptionMode
};

// The values of Choice::StartCaption.
enum class StartCaptionMode : std::uint8_t { Unchanged = 1, DayOfWeek = 2, FreeMemory = 3, Custom = 4 };

// The family an option is stored in and the type of its value.
template <typename Option>
struct OptionFamily;
template <>
struct OptionFamily<Check> {
  static constexpr Family kFamily = Family::CheckFlag;
  using Value = bool;
};
template <>
struct OptionFamily<Spin> {
  static constexpr Family kFamily = Family::SpinValue;
  using Value = std::uint16_t;
};
template <>
struct OptionFamily<Radio> {
  static constexpr Family kFamily = Family::RadioFlag;
  using Value = bool;
};
template <>
struct OptionFamily<Colour> {
  static constexpr Family kFamily = Family::ColourValue;
  using Value = std::uint32_t;
};
template <>
struct OptionFamily<Choice> {
  static constexpr Family kFamily = Family::MultiRadio;
  using Value = std::uint8_t;
};

// The five option enumerations, and nothing else, have a family and a number.
template <typename Option>
concept CatalogueOption = requires { OptionFamily<Option>::kFamily; };

template <CatalogueOption Option>
constexpr Family FamilyOf(Option) noexcept {
  return OptionFamily<Option>::kFamily;
}

// The number of an option within its family, as the registry has it.
template <CatalogueOption Option>
constexpr int NumberOf(Option option) noexcept {
  return static_cast<int>(option);
}

// The registry value name of an option: its family's prefix and its number.
using ValueName = FixedText<32>;
ValueName ValueNameOf(Check option) noexcept;
ValueName ValueNameOf(Spin option) noexcept;
ValueName ValueNameOf(Radio option) noexcept;
ValueName ValueNameOf(Colour option) noexcept;
ValueName ValueNameOf(Choice option) noexcept;

// One default of the record.
template <typename Option>
struct DefaultRow {
  Option option;
  typename OptionFamily<Option>::Value value;
};

// The record as a fresh install has it, one row for each option.
inline constexpr std::array<DefaultRow<Check>, kCheckFlagCount> kCheckDefaults = {{
    {Check::WindowsOpening, true},       {Check::WindowsClosing, true},
    {Check::TitledWindows, true},        {Check::Popups, false},
    {Check::WindowShadows, false},       {Check::RepeatLimited, false},
    {Check::SlideIn, true},              {Check::SlideOut, true},
    {Check::TransparentDragging, false}, {Check::WindowWallpaper, false},
    {Check::MdiWallpaper, false},        {Check::TabbedPages, false},
    {Check::TreeViewWallpaper, false},   {Check::ListViewWallpaper, false},
    {Check::TaskbarTransparent, false},  {Check::DesktopIconText, false},
    {Check::IconTextRecheck, true},      {Check::SystemColours, false},
}};
inline constexpr std::array<DefaultRow<Spin>, kSpinValueCount> kSpinDefaults = {{
    {Spin::BoxThickness, 6},          {Spin::OpenDuration, 200},
    {Spin::CloseDuration, 200},       {Spin::AnimationMinWidth, 32},
    {Spin::AnimationMinHeight, 32},   {Spin::AnimationMaxWidth, 2048},
    {Spin::AnimationMaxHeight, 1536}, {Spin::RepeatInterval, 250},
    {Spin::DragMinWidth, 32},         {Spin::DragMinHeight, 32},
    {Spin::DragMaxWidth, 1024},       {Spin::DragMaxHeight, 512},
    {Spin::DragOpacity, 200},         {Spin::TaskbarOpacity, 220},
    {Spin::IconTextInterval, 1000},   {Spin::StartCaptionInterval, 1000},
}};
// The patch starts switched off: the effects reach other programs only once
// the user has asked for them.
inline constexpr std::array<DefaultRow<Radio>, kRadioFlagCount> kRadioDefaults = {{
    {Radio::ShadowDialogsOnly, true}, {Radio::DragDialogsOnly, false}, {Radio::PatchOn, false},
}};
inline constexpr std::array<DefaultRow<Colour>, kColourValueCount> kColourDefaults = {{
    {Colour::IconText, 0xFFFFFFu}, {Colour::MdiBackground, 0x808000u}, {Colour::Desktop, 0x800000u},
}};
// Open and close with the animated box (the first style).
inline constexpr std::array<DefaultRow<Choice>, kMultiRadioCount> kChoiceDefaults = {{
    {Choice::OpenStyle, 1},
    {Choice::CloseStyle, 1},
    {Choice::StartCaption, static_cast<std::uint8_t>(StartCaptionMode::Unchanged)},
}};

namespace catalogue_detail {
// Row i names option i + 1: no option is missing, doubled or out of place.
template <typename Option, std::size_t N>
constexpr bool RowsInNumberOrder(const std::array<DefaultRow<Option>, N>& rows) noexcept {
  for (std::size_t i = 0; i < N; ++i) {
    if (NumberOf(rows[i].option) != static_cast<int>(i + 1)) return false;
  }
  return true;
}
template <typename Option, std::size_t N>
constexpr std::array<Option, N> OptionsOf(const std::array<DefaultRow<Option>, N>& rows) noexcept {
  std::array<Option, N> options{};
  for (std::size_t i = 0; i < N; ++i) options[i] = rows[i].option;
  return options;
}
}  // namespace catalogue_detail

static_assert(catalogue_detail::RowsInNumberOrder(kCheckDefaults));
static_assert(catalogue_detail::RowsInNumberOrder(kSpinDefaults));
static_assert(catalogue_detail::RowsInNumberOrder(kRadioDefaults));
static_assert(catalogue_detail::RowsInNumberOrder(kColourDefaults));
static_assert(catalogue_detail::RowsInNumberOrder(kChoiceDefaults));

// Every option of each family, in number order: the registry edge and the
// dialog transfer walk these. Taken from the default rows, so that each
// option is listed once.
inline constexpr auto kAllChecks = catalogue_detail::OptionsOf(kCheckDefaults);
inline constexpr auto kAllSpins = catalogue_detail::OptionsOf(kSpinDefaults);
inline constexpr auto kAllRadios = catalogue_detail::OptionsOf(kRadioDefaults);
inline constexpr auto kAllColours = catalogue_detail::OptionsOf(kColourDefaults);
inline constexpr auto kAllChoices = catalogue_detail::OptionsOf(kChoiceDefaults);

// The three pictures, in the order of the set the control program publishes
// and of the library's wallpaper slots.
enum class PictureSlot : std::uint8_t { Window = 0, Mdi = 1, TreeView = 2 };
inline constexpr int kPictureSlotCount = 3;

// Which picture belongs to which switch. A picture is loaded (and published)
// while either of its switches is on, so that nothing is decoded that no
// effect paints; a slot with one switch names it twice. Check::TabbedPages
// only widens where the window picture is painted and loads nothing itself.
struct PictureSlotRow {
  PictureSlot slot;
  TextField path;
  Check switchOn;
  Check orSwitchOn;
};
inline constexpr std::array<PictureSlotRow, kPictureSlotCount> kPictureSlotRows = {{
    {PictureSlot::Window, TextField::WindowWallpaper, Check::WindowWallpaper,
     Check::WindowWallpaper},
    {PictureSlot::Mdi, TextField::MDIWallpaper, Check::MdiWallpaper, Check::MdiWallpaper},
    {PictureSlot::TreeView, TextField::TVWallpaper, Check::TreeViewWallpaper,
     Check::ListViewWallpaper},
}};
static_assert(kPictureSlotRows[0].slot == PictureSlot::Window &&
              kPictureSlotRows[1].slot == PictureSlot::Mdi &&
              kPictureSlotRows[2].slot == PictureSlot::TreeView);

struct Settings;

// Either switch of a slot's picture is on.
bool PictureWanted(const Settings& settings, PictureSlot slot) noexcept;

// The text field that names a slot's picture file.
constexpr TextField PicturePathOf(PictureSlot slot) noexcept {
  return kPictureSlotRows[static_cast<std::size_t>(slot)].path;
}

}  // namespace vornal
