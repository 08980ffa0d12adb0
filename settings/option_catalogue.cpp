#include "option_catalogue.h"

#include "settings_record.h"

namespace vornal {
namespace {

template <typename Option>
ValueName NameOf(Option option) noexcept {
  ValueName name;
  FormatValueName(FamilyOf(option), NumberOf(option), name);
  return name;
}

}  // namespace

ValueName ValueNameOf(Check option) noexcept { return NameOf(option); }
ValueName ValueNameOf(Spin option) noexcept { return NameOf(option); }
ValueName ValueNameOf(Radio option) noexcept { return NameOf(option); }
ValueName ValueNameOf(Colour option) noexcept { return NameOf(option); }
ValueName ValueNameOf(Choice option) noexcept { return NameOf(option); }

bool PictureWanted(const Settings& settings, PictureSlot slot) noexcept {
  const PictureSlotRow& row = kPictureSlotRows[static_cast<std::size_t>(slot)];
  return settings.Get(row.switchOn) || settings.Get(row.orSwitchOn);
}

}  // namespace vornal
