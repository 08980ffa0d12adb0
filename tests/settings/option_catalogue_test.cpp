// The registry contract of the options: the value each is stored under and
// its default. Stored settings rely on both, so the names and defaults are
// written out here once more, apart from the catalogue; two options whose
// numbers were swapped fail here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <cstdint>

#include "option_catalogue.h"
#include "settings_record.h"

namespace vornal {
namespace {

template <typename Option>
struct ContractRow {
  Option option;
  const char* valueName;
  std::uint32_t fallback;  // the default, flags as 0 or 1
};

constexpr ContractRow<Check> kChecks[] = {
    {Check::WindowsOpening, "CheckBoxChecked1", 1},     {Check::WindowsClosing, "CheckBoxChecked2", 1},
    {Check::TitledWindows, "CheckBoxChecked3", 1},      {Check::Popups, "CheckBoxChecked4", 0},
    {Check::WindowShadows, "CheckBoxChecked5", 0},      {Check::RepeatLimited, "CheckBoxChecked6", 0},
    {Check::SlideIn, "CheckBoxChecked7", 1},            {Check::SlideOut, "CheckBoxChecked8", 1},
    {Check::TransparentDragging, "CheckBoxChecked9", 0}, {Check::WindowWallpaper, "CheckBoxChecked10", 0},
    {Check::MdiWallpaper, "CheckBoxChecked11", 0},      {Check::TabbedPages, "CheckBoxChecked12", 0},
    {Check::TreeViewWallpaper, "CheckBoxChecked13", 0}, {Check::ListViewWallpaper, "CheckBoxChecked14", 0},
    {Check::TaskbarTransparent, "CheckBoxChecked15", 0}, {Check::DesktopIconText, "CheckBoxChecked16", 0},
    {Check::IconTextRecheck, "CheckBoxChecked17", 1},   {Check::SystemColours, "CheckBoxChecked18", 0},
};
constexpr ContractRow<Spin> kSpins[] = {
    {Spin::BoxThickness, "SpinValue1", 6},           {Spin::OpenDuration, "SpinValue2", 200},
    {Spin::CloseDuration, "SpinValue3", 200},        {Spin::AnimationMinWidth, "SpinValue4", 32},
    {Spin::AnimationMinHeight, "SpinValue5", 32},    {Spin::AnimationMaxWidth, "SpinValue6", 2048},
    {Spin::AnimationMaxHeight, "SpinValue7", 1536},  {Spin::RepeatInterval, "SpinValue8", 250},
    {Spin::DragMinWidth, "SpinValue9", 32},          {Spin::DragMinHeight, "SpinValue10", 32},
    {Spin::DragMaxWidth, "SpinValue11", 1024},       {Spin::DragMaxHeight, "SpinValue12", 512},
    {Spin::DragOpacity, "SpinValue13", 200},         {Spin::TaskbarOpacity, "SpinValue14", 220},
    {Spin::IconTextInterval, "SpinValue15", 1000},   {Spin::StartCaptionInterval, "SpinValue16", 1000},
};
constexpr ContractRow<Radio> kRadios[] = {
    {Radio::ShadowDialogsOnly, "RadioChecked1", 1}, {Radio::DragDialogsOnly, "RadioChecked2", 0},
    {Radio::PatchOn, "RadioChecked3", 0},
};
constexpr ContractRow<Colour> kColours[] = {
    {Colour::IconText, "ColourValue1", 0xFFFFFF}, {Colour::MdiBackground, "ColourValue2", 0x808000},
    {Colour::Desktop, "ColourValue3", 0x800000},
};
constexpr ContractRow<Choice> kChoices[] = {
    {Choice::OpenStyle, "MultiRadio1", 1}, {Choice::CloseStyle, "MultiRadio2", 1},
    {Choice::StartCaption, "MultiRadio3", 1},
};

template <typename Option, std::size_t N, std::size_t M>
void ExpectContract(const ContractRow<Option> (&rows)[N], const std::array<Option, M>& family) {
  for (Option option : family) {
    const bool hasRow = std::any_of(std::begin(rows), std::end(rows),
                                    [option](const ContractRow<Option>& row) { return row.option == option; });
    EXPECT_TRUE(hasRow) << ValueNameOf(option).c_str() << " has no row";
  }
  const Settings defaults = DefaultSettings();
  for (const ContractRow<Option>& row : rows) {
    EXPECT_STREQ(ValueNameOf(row.option).c_str(), row.valueName);
    EXPECT_EQ(static_cast<std::uint32_t>(defaults.Get(row.option)), row.fallback)
        << "default of " << row.valueName;
  }
}

TEST(OptionCatalogue, EachOptionKeepsItsValueNameAndDefault) {
  ExpectContract(kChecks, kAllChecks);
  ExpectContract(kSpins, kAllSpins);
  ExpectContract(kRadios, kAllRadios);
  ExpectContract(kColours, kAllColours);
  ExpectContract(kChoices, kAllChoices);
}

TEST(OptionCatalogue, EachPictureFollowsItsSwitches) {
  struct Case {
    PictureSlot slot;
    Check on;  // the one switch turned on in a record with every switch off
    bool wanted;
  };
  constexpr Case kCases[] = {
      {PictureSlot::Window, Check::WindowWallpaper, true},
      {PictureSlot::Window, Check::TabbedPages, false},
      {PictureSlot::Window, Check::MdiWallpaper, false},
      {PictureSlot::Mdi, Check::MdiWallpaper, true},
      {PictureSlot::Mdi, Check::WindowWallpaper, false},
      {PictureSlot::TreeView, Check::TreeViewWallpaper, true},
      {PictureSlot::TreeView, Check::ListViewWallpaper, true},
      {PictureSlot::TreeView, Check::TabbedPages, false},
  };
  for (const Case& c : kCases) {
    Settings s;
    s.Set(c.on, true);
    EXPECT_EQ(PictureWanted(s, c.slot), c.wanted)
        << "slot " << static_cast<int>(c.slot) << " with " << ValueNameOf(c.on).c_str();
  }
  EXPECT_EQ(PicturePathOf(PictureSlot::Window), TextField::WindowWallpaper);
  EXPECT_EQ(PicturePathOf(PictureSlot::Mdi), TextField::MDIWallpaper);
  EXPECT_EQ(PicturePathOf(PictureSlot::TreeView), TextField::TVWallpaper);
}

}  // namespace
}  // namespace vornal
