// The Settings record: every option of Vornal, read and written by its
// name in the catalogue (option_catalogue.h).
//
// Platform-free: the registry layer and both deliverables build on it, and
// it is tested natively as well as under Wine.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "fixed_text.h"
#include "option_catalogue.h"

namespace vornal {

// Room for one text value. A longer registry value is refused by the reader
// (a full path never exceeds MAX_PATH for the ANSI calls that use it).
using SettingText = FixedText<260>;

struct Settings;

// The registry edge, the one way in to the families by number.
//
// Stores a raw registry DWORD in element n with the family's decoding: any
// non-zero value is true for the flags, spin values keep the low 16 bits and
// multi-radio values the low 8 bits. Out-of-range n is ignored.
void StoreRawValue(Settings& settings, Family family, int n, std::uint32_t raw);

// The DWORD written for element n: flags as 0 or 1, numbers as they are.
std::uint32_t RawValue(const Settings& settings, Family family, int n);

// The whole record. Everything outside the registry edge reads and writes
// an option by its name.

struct Settings {
  bool Get(Check o) const noexcept { return checkFlags[Index(o)]; }
  void Set(Check o, bool value) noexcept { checkFlags[Index(o)] = value; }
  std::uint16_t Get(Spin o) const noexcept { return spinValues[Index(o)]; }
  void Set(Spin o, std::uint16_t value) noexcept { spinValues[Index(o)] = value; }
  bool Get(Radio o) const noexcept { return radioFlags[Index(o)]; }
  void Set(Radio o, bool value) noexcept { radioFlags[Index(o)] = value; }
  std::uint32_t Get(Colour o) const noexcept { return colourValues[Index(o)]; }
  void Set(Colour o, std::uint32_t value) noexcept { colourValues[Index(o)] = value; }
  std::uint8_t Get(Choice o) const noexcept { return multiRadio[Index(o)]; }
  void Set(Choice o, std::uint8_t value) noexcept { multiRadio[Index(o)] = value; }

  const SettingText& Text(TextField f) const { return texts[static_cast<std::size_t>(f)]; }
  SettingText& Text(TextField f) { return texts[static_cast<std::size_t>(f)]; }

  std::array<SettingText, kTextFieldCount> texts{};

 private:
  template <typename Option>
  static constexpr std::size_t Index(Option o) noexcept {
    return static_cast<std::size_t>(NumberOf(o) - 1);
  }

  // Numbers reach the families only through the registry edge.
  friend void StoreRawValue(Settings&, Family, int, std::uint32_t);
  friend std::uint32_t RawValue(const Settings&, Family, int);

  std::array<bool, kCheckFlagCount> checkFlags{};
  std::array<std::uint16_t, kSpinValueCount> spinValues{};
  std::array<bool, kRadioFlagCount> radioFlags{};
  std::array<std::uint32_t, kColourValueCount> colourValues{};
  std::array<std::uint8_t, kMultiRadioCount> multiRadio{};
};

// The record as a fresh install has it.
Settings DefaultSettings();

// Number of elements of a family in the full record.
int FamilyCount(Family family);

// Registry value name prefix of a family ("CheckBoxChecked", ...).
const char* FamilyPrefix(Family family);

// Registry value name of a text field ("StartText", ...).
const char* TextFieldName(TextField field);

// Value name of element n of a family: prefix + n. Returns false when n is
// outside the family. ValueNameOf names an option of the catalogue.
bool FormatValueName(Family family, int n, ValueName& out);

// A contiguous run of one family, read or written in ascending order.
struct FamilyRun {
  Family family;
  int first;
  int last;
};

// Which values a reader takes, and in which order: the families first, then
// the text fields. A failure ends the read at the value where it happened.
struct ReadPlan {
  const FamilyRun* runs;
  std::size_t runCount;
  const TextField* texts;
  std::size_t textCount;
};

// The control program's plan: the whole record.
const ReadPlan& ControlReadPlan();

// The hook library's plan: its part of the record, in its own order.
const ReadPlan& LibraryReadPlan();

}  // namespace vornal
