// The read rules of the settings key, run on an in-memory key and checked
// against a plain statement of what a load takes from the registry: first
// on hand-made states, one per rule, then on many random ones.
//
// The statement below is written out on its own (names, version rule,
// decoding, where a read stops) rather than through the record's helpers, so
// that a fault in those helpers shows up here as well.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings_read_rules.h"

namespace vornal {
namespace {

// ---------------------------------------------------------------------------
// What a registry value holds, as far as a read of it can tell.

enum class Stored : std::uint8_t {
  Dword,       // REG_DWORD of four bytes
  Text,        // REG_SZ (with or without its terminator: reads alike)
  OtherType,   // REG_BINARY, REG_QWORD, REG_MULTI_SZ, a DWORD of another size...
  Unreadable,  // present, but reading it fails (access denied and the like)
};

struct StoredValue {
  Stored kind = Stored::Dword;
  std::uint32_t dword = 0;
  std::string text;
};

StoredValue Dword(std::uint32_t value) { return {Stored::Dword, value, {}}; }
StoredValue Text(std::string text) { return {Stored::Text, 0, std::move(text)}; }
StoredValue OtherType() { return {Stored::OtherType, 0, {}}; }
StoredValue Unreadable() { return {Stored::Unreadable, 0, {}}; }

// The settings key: value name -> what it holds. Absent names are absent.
using RegistryState = std::map<std::string, StoredValue, std::less<>>;

// Answers as RegistryKey answers for such values (registry_key.cpp).
class MemoryKey {
 public:
  explicit MemoryKey(const RegistryState& values) : values_(values) {}

  bool HasValue(const char* name) const noexcept { return Find(name) != nullptr; }

  RegResult ReadDword(const char* name, std::uint32_t& out) const noexcept {
    const StoredValue* value = Find(name);
    if (value == nullptr) return RegResult::Missing;
    switch (value->kind) {
      case Stored::Dword:
        out = value->dword;
        return RegResult::Ok;
      // A text too long for four bytes is a type error there too, not TooLarge.
      case Stored::Text:
      case Stored::OtherType: return RegResult::WrongType;
      case Stored::Unreadable: return RegResult::Failed;
    }
    return RegResult::Failed;
  }

  RegResult ReadString(const char* name, char* buffer, std::size_t capacity) const noexcept {
    if (buffer == nullptr || capacity == 0) return RegResult::Failed;
    // Every answer but Ok leaves an empty text behind, as RegistryKey does.
    buffer[0] = '\0';
    const StoredValue* value = Find(name);
    if (value == nullptr) return RegResult::Missing;
    switch (value->kind) {
      case Stored::Text:
        if (value->text.size() + 1 > capacity) return RegResult::TooLarge;
        std::memcpy(buffer, value->text.c_str(), value->text.size() + 1);
        return RegResult::Ok;
      // Whether or not it would fit, a DWORD or a binary is a type error.
      case Stored::Dword:
      case Stored::OtherType: return RegResult::WrongType;
      case Stored::Unreadable: return RegResult::Failed;
    }
    return RegResult::Failed;
  }

 private:
  const StoredValue* Find(const char* name) const noexcept {
    const auto it = values_.find(std::string_view(name));
    return it == values_.end() ? nullptr : &it->second;
  }

  const RegistryState& values_;
};

// ---------------------------------------------------------------------------
// The load rules, stated plainly.

struct FamilyNames {
  Family family;
  const char* prefix;
  int count;
};
constexpr FamilyNames kFamilies[] = {
    {Family::CheckFlag, "CheckBoxChecked", 18}, {Family::SpinValue, "SpinValue", 16},
    {Family::RadioFlag, "RadioChecked", 3},     {Family::ColourValue, "ColourValue", 3},
    {Family::MultiRadio, "MultiRadio", 3},
};
// In TextField order.
constexpr const char* kTextNames[] = {"StartText", "WindowWallpaper", "MDIWallpaper",
                                      "TVWallpaper"};
constexpr const char kVersionName[] = "ProgramVer";
// The reader takes "ProgramVer" into 64 characters, its terminator included.
constexpr std::size_t kLongestVersionText = 63;
// A text field holds 259 characters and the terminator.
constexpr std::size_t kLongestText = 259;

const FamilyNames& NamesOf(Family family) {
  for (const FamilyNames& names : kFamilies) {
    if (names.family == family) return names;
  }
  ADD_FAILURE() << "no names for family " << static_cast<int>(family);
  return kFamilies[0];
}

std::string ValueNameOf(Family family, int n) { return NamesOf(family).prefix + std::to_string(n); }
std::string TextNameOf(TextField field) { return kTextNames[static_cast<std::size_t>(field)]; }

// The element as a number, flags as 0 or 1: what the registry edge writes.
std::uint32_t ElementOf(const Settings& s, Family family, int n) { return RawValue(s, family, n); }

// A stored DWORD as the record holds it: flags are on for anything but 0,
// spin values are 16-bit and multi-radio values 8-bit (higher bits dropped),
// colours are kept whole. Worked out here and stored already decoded, which
// the registry edge keeps as it is.
std::uint32_t Decoded(Family family, std::uint32_t raw) {
  switch (family) {
    case Family::CheckFlag:
    case Family::RadioFlag: return raw != 0 ? 1u : 0u;
    case Family::SpinValue: return raw % 65536u;
    case Family::MultiRadio: return raw % 256u;
    case Family::ColourValue: return raw;
  }
  return raw;
}
void Decode(Settings& s, Family family, int n, std::uint32_t raw) {
  StoreRawValue(s, family, n, Decoded(family, raw));
}

enum class VersionVerdict { NotANumber, TooOld, Supported };

bool AllDigits(const std::string& s) {
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The version rule written out again instead of calling ParseVersionText:
// the random "ProgramVer" texts below then check the parser too.
//   - every "V" is dropped, wherever it stands ("v" is not a "V");
//   - spaces and tabs before and after the number do not count, inside it
//     they make it no number;
//   - what is left is digits, at most one "." or "," and more digits, with
//     at least one digit in all;
//   - a whole part of 1000000000 or more is refused as no sane version;
//   - the number must be at least 1.3; fraction digits past the ninth are
//     dropped by the parser, which cannot change a comparison with 1.3.
VersionVerdict JudgeVersion(const std::string& stored) {
  std::string s;
  for (char c : stored) {
    if (c != 'V') s += c;
  }
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t begin = 0;
  std::size_t end = s.size();
  while (begin < end && blank(s[begin])) ++begin;
  while (end > begin && blank(s[end - 1])) --end;
  s = s.substr(begin, end - begin);

  const std::size_t separator = s.find_first_of(".,");
  std::string whole = s.substr(0, separator);
  const std::string fraction = separator == std::string::npos ? "" : s.substr(separator + 1);
  if (!AllDigits(whole) || !AllDigits(fraction)) return VersionVerdict::NotANumber;
  if (whole.empty() && fraction.empty()) return VersionVerdict::NotANumber;

  while (!whole.empty() && whole[0] == '0') whole.erase(0, 1);
  if (whole.size() > 9) return VersionVerdict::NotANumber;
  const unsigned long long wholeValue = whole.empty() ? 0 : std::stoull(whole);
  if (wholeValue > 1) return VersionVerdict::Supported;
  if (wholeValue == 1 && !fraction.empty() && fraction[0] >= '3') return VersionVerdict::Supported;
  return VersionVerdict::TooOld;
}

struct Expected {
  Settings settings = DefaultSettings();
  bool valuesRead = false;
  RegResult error = RegResult::Ok;
  int valuesStored = 0;    // values taken from the registry into the record
  std::string stoppedAt;   // the value that ended the read, if one did
  std::string kind;        // which rule decided the read, for the coverage count
};

Expected Oracle(const RegistryState& state, const ReadPlan& plan) {
  Expected x;
  // "ProgramVer" decides whether anything is read at all; whenever it says
  // no, the record keeps every default and valuesRead is false. The error:
  //   absent                                      Ok (never saved: nothing wrong)
  //   a DWORD or another type                     WrongType
  //   unreadable                                  Failed
  //   a text of more than 63 characters           TooLarge
  //   a text that is no number                    WrongType
  //   a number below 1.3                          Ok (an old key is no fault)
  const auto version = state.find(std::string_view(kVersionName));
  if (version == state.end()) {
    x.kind = "no ProgramVer";
    return x;
  }
  const auto stopAtVersion = [&x](RegResult error) {
    x.error = error;
    x.stoppedAt = kVersionName;
    x.kind = std::string("ProgramVer unusable");
  };
  switch (version->second.kind) {
    case Stored::Dword:
    case Stored::OtherType: stopAtVersion(RegResult::WrongType); return x;
    case Stored::Unreadable: stopAtVersion(RegResult::Failed); return x;
    case Stored::Text:
      if (version->second.text.size() > kLongestVersionText) {
        stopAtVersion(RegResult::TooLarge);
        return x;
      }
      break;
  }
  switch (JudgeVersion(version->second.text)) {
    case VersionVerdict::NotANumber: stopAtVersion(RegResult::WrongType); return x;
    case VersionVerdict::TooOld: x.kind = "ProgramVer too old"; return x;
    case VersionVerdict::Supported: break;
  }

  // The planned values in plan order: absent ones keep their defaults, good
  // ones are stored, the first bad one ends the read and is reported.
  const auto stop = [&x](const std::string& name, RegResult error) {
    x.error = error;
    x.stoppedAt = name;
    x.kind = "stopped at a value";
  };
  for (std::size_t r = 0; r < plan.runCount; ++r) {
    const FamilyRun& run = plan.runs[r];
    for (int n = run.first; n <= run.last; ++n) {
      const std::string name = ValueNameOf(run.family, n);
      const auto it = state.find(name);
      if (it == state.end()) continue;
      switch (it->second.kind) {
        case Stored::Dword:
          Decode(x.settings, run.family, n, it->second.dword);
          ++x.valuesStored;
          continue;
        case Stored::Text:
        case Stored::OtherType: stop(name, RegResult::WrongType); return x;
        case Stored::Unreadable: stop(name, RegResult::Failed); return x;
      }
    }
  }
  for (std::size_t t = 0; t < plan.textCount; ++t) {
    const std::string name = TextNameOf(plan.texts[t]);
    const auto it = state.find(name);
    if (it == state.end()) continue;
    switch (it->second.kind) {
      case Stored::Text:
        if (it->second.text.size() > kLongestText) {
          stop(name, RegResult::TooLarge);
          return x;
        }
        x.settings.texts[static_cast<std::size_t>(plan.texts[t])].Assign(it->second.text.c_str());
        ++x.valuesStored;
        continue;
      case Stored::Dword:
      case Stored::OtherType: stop(name, RegResult::WrongType); return x;
      case Stored::Unreadable: stop(name, RegResult::Failed); return x;
    }
  }
  x.valuesRead = true;
  x.kind = "read to the end";
  return x;
}

// ---------------------------------------------------------------------------
// Comparing records, with every difference named.

const char* NameOf(RegResult r) {
  switch (r) {
    case RegResult::Ok: return "Ok";
    case RegResult::Missing: return "Missing";
    case RegResult::WrongType: return "WrongType";
    case RegResult::TooLarge: return "TooLarge";
    case RegResult::Failed: return "Failed";
  }
  return "?";
}

std::string ShowNumber(std::uint32_t v) {
  char text[40];
  std::snprintf(text, sizeof text, "%lu (0x%lX)", static_cast<unsigned long>(v),
                static_cast<unsigned long>(v));
  return text;
}

std::string ShowText(const std::string& s) {
  std::string shown = "\"";
  for (std::size_t i = 0; i < s.size() && i < 60; ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
      shown += static_cast<char>(c);
    } else {
      char esc[8];
      std::snprintf(esc, sizeof esc, "\\x%02X", static_cast<unsigned>(c));
      shown += esc;
    }
  }
  shown += s.size() > 60 ? "...\"" : "\"";
  return shown + " (" + std::to_string(s.size()) + " chars)";
}

std::string Show(const StoredValue& v) {
  switch (v.kind) {
    case Stored::Dword: return "DWORD " + ShowNumber(v.dword);
    case Stored::Text: return "text " + ShowText(v.text);
    case Stored::OtherType: return "a value of another type";
    case Stored::Unreadable: return "an unreadable value";
  }
  return "?";
}

// Every difference between two records and outcomes, one line each.
std::vector<std::string> Differences(const Settings& expected, const Settings& actual,
                                     bool expectedRead, bool actualRead,
                                     RegResult expectedError, RegResult actualError) {
  std::vector<std::string> lines;
  if (expectedRead != actualRead) {
    lines.push_back(std::string("valuesRead: expected ") + (expectedRead ? "true" : "false") +
                    ", actual " + (actualRead ? "true" : "false"));
  }
  if (expectedError != actualError) {
    lines.push_back(std::string("error: expected ") + NameOf(expectedError) + ", actual " +
                    NameOf(actualError));
  }
  for (const FamilyNames& names : kFamilies) {
    for (int n = 1; n <= names.count; ++n) {
      const std::uint32_t e = ElementOf(expected, names.family, n);
      const std::uint32_t a = ElementOf(actual, names.family, n);
      if (e != a) {
        lines.push_back(ValueNameOf(names.family, n) + ": expected " + ShowNumber(e) +
                        ", actual " + ShowNumber(a));
      }
    }
  }
  for (int f = 0; f < kTextFieldCount; ++f) {
    const auto field = static_cast<TextField>(f);
    const std::string e = expected.Text(field).c_str();
    const std::string a = actual.Text(field).c_str();
    if (e != a) {
      lines.push_back(TextNameOf(field) + ": expected " + ShowText(e) + ", actual " + ShowText(a));
    }
  }
  return lines;
}

// One line each, the first dozen only: a read that should not have
// happened differs in nearly every field.
std::string Joined(const std::vector<std::string>& lines) {
  constexpr std::size_t kShown = 12;
  std::string all;
  for (std::size_t i = 0; i < lines.size() && i < kShown; ++i) all += "\n  " + lines[i];
  if (lines.size() > kShown) all += "\n  ... and " + std::to_string(lines.size() - kShown) + " more";
  return all;
}

// ---------------------------------------------------------------------------
// (a) One hand-made state per rule.

// A field of the record that differs from its default after the read:
// numbers as the record holds them (flags 0 or 1), or a text.
struct FieldChange {
  std::string value;
  std::uint32_t number;
  bool isText;
  std::string text;
};
FieldChange Num(std::string value, std::uint32_t number) { return {std::move(value), number, false, {}}; }
FieldChange Txt(std::string value, std::string text) { return {std::move(value), 0, true, std::move(text)}; }

bool Apply(Settings& s, const FieldChange& change) {
  for (int f = 0; f < kTextFieldCount; ++f) {
    if (change.value == kTextNames[f]) return change.isText && s.texts[static_cast<std::size_t>(f)].Assign(change.text.c_str());
  }
  for (const FamilyNames& names : kFamilies) {
    for (int n = 1; n <= names.count; ++n) {
      if (change.value != ValueNameOf(names.family, n)) continue;
      if (change.isText) return false;
      StoreRawValue(s, names.family, n, change.number);
      return true;
    }
  }
  return false;
}

struct HandCase {
  const char* rule;
  const ReadPlan& (*plan)();
  RegistryState state;
  bool valuesRead;
  RegResult error;
  std::vector<FieldChange> changed;  // everything else keeps its default
};

std::vector<HandCase> HandCases() {
  const StoredValue v143 = Text("V1.43");
  const auto control = &ControlReadPlan;
  const auto library = &LibraryReadPlan;
  return {
      {"no ProgramVer reads nothing and is no error", control,
       {{"SpinValue1", Dword(7)}}, false, RegResult::Ok, {}},
      {"ProgramVer stored as a DWORD is not a version text", control,
       {{"ProgramVer", Dword(143)}, {"SpinValue1", Dword(7)}}, false, RegResult::WrongType, {}},
      {"ProgramVer of another type", control,
       {{"ProgramVer", OtherType()}, {"SpinValue1", Dword(7)}}, false, RegResult::WrongType, {}},
      {"unreadable ProgramVer", control,
       {{"ProgramVer", Unreadable()}, {"SpinValue1", Dword(7)}}, false, RegResult::Failed, {}},
      {"ProgramVer of 63 characters fits", control,
       {{"ProgramVer", Text("V1.43" + std::string(58, ' '))}, {"SpinValue1", Dword(7)}}, true,
       RegResult::Ok, {Num("SpinValue1", 7)}},
      {"ProgramVer of 64 characters does not fit", control,
       {{"ProgramVer", Text("V1.43" + std::string(59, ' '))}, {"SpinValue1", Dword(7)}}, false,
       RegResult::TooLarge, {}},
      {"ProgramVer that is no number", control,
       {{"ProgramVer", Text("V1.5.1")}, {"SpinValue1", Dword(7)}}, false, RegResult::WrongType, {}},
      {"ProgramVer below 1.3 reads nothing and is no error", control,
       {{"ProgramVer", Text("V1.29")}, {"SpinValue1", Dword(7)}}, false, RegResult::Ok, {}},
      {"ProgramVer of exactly 1.3, V dropped and spaces around", control,
       {{"ProgramVer", Text(" VV1,3V\t")}, {"SpinValue1", Dword(7)}}, true, RegResult::Ok,
       {Num("SpinValue1", 7)}},
      {"a whole part of 1000000000 is no sane version", control,
       {{"ProgramVer", Text("V1000000000")}, {"SpinValue1", Dword(7)}}, false,
       RegResult::WrongType, {}},
      {"a whole part past 32 bits is no sane version either", control,
       {{"ProgramVer", Text("V5000000000")}, {"SpinValue1", Dword(7)}}, false,
       RegResult::WrongType, {}},
      {"a supported version and no values keeps every default", control,
       {{"ProgramVer", v143}}, true, RegResult::Ok, {}},
      {"flags are on for any non-zero DWORD", control,
       {{"ProgramVer", v143}, {"CheckBoxChecked1", Dword(0)}, {"CheckBoxChecked4", Dword(0x100)},
        {"RadioChecked1", Dword(0)}, {"RadioChecked3", Dword(0x80000000u)}},
       true, RegResult::Ok,
       {Num("CheckBoxChecked1", 0), Num("CheckBoxChecked4", 1), Num("RadioChecked1", 0),
        Num("RadioChecked3", 1)}},
      {"spin values keep the low 16 bits", control,
       {{"ProgramVer", v143}, {"SpinValue1", Dword(0x10064)}, {"SpinValue2", Dword(0xFFFF)},
        {"SpinValue3", Dword(0x10000)}},
       true, RegResult::Ok, {Num("SpinValue1", 100), Num("SpinValue2", 0xFFFF), Num("SpinValue3", 0)}},
      {"multi-radio values keep the low 8 bits", control,
       {{"ProgramVer", v143}, {"MultiRadio1", Dword(0x10A)}, {"MultiRadio2", Dword(0xFF)},
        {"MultiRadio3", Dword(0x100)}},
       true, RegResult::Ok, {Num("MultiRadio1", 10), Num("MultiRadio2", 255), Num("MultiRadio3", 0)}},
      {"colours are kept whole", control,
       {{"ProgramVer", v143}, {"ColourValue2", Dword(0xFFFFFFFFu)}, {"ColourValue3", Dword(0)}},
       true, RegResult::Ok, {Num("ColourValue2", 0xFFFFFFFFu), Num("ColourValue3", 0)}},
      {"an absent value between read ones keeps its default", control,
       {{"ProgramVer", v143}, {"SpinValue4", Dword(5)}, {"SpinValue6", Dword(9)}}, true,
       RegResult::Ok, {Num("SpinValue4", 5), Num("SpinValue6", 9)}},
      {"texts are taken as stored, an empty one and one of 259 characters too", control,
       {{"ProgramVer", v143}, {"StartText", Text("")}, {"WindowWallpaper", Text("C:\\w.bmp")},
        {"TVWallpaper", Text(std::string(259, 'p'))}},
       true, RegResult::Ok,
       {Txt("StartText", ""), Txt("WindowWallpaper", "C:\\w.bmp"),
        Txt("TVWallpaper", std::string(259, 'p'))}},
      {"a text in a DWORD value ends the read: what came before stays", control,
       {{"ProgramVer", v143}, {"CheckBoxChecked2", Dword(0)}, {"CheckBoxChecked5", Text("1")},
        {"CheckBoxChecked6", Dword(1)}, {"StartText", Text("late")}},
       false, RegResult::WrongType, {Num("CheckBoxChecked2", 0)}},
      {"another type in a DWORD value ends the read", control,
       {{"ProgramVer", v143}, {"SpinValue8", Dword(11)}, {"SpinValue9", OtherType()},
        {"SpinValue10", Dword(12)}},
       false, RegResult::WrongType, {Num("SpinValue8", 11)}},
      {"an unreadable DWORD value ends the read with Failed", control,
       {{"ProgramVer", v143}, {"RadioChecked2", Dword(1)}, {"ColourValue1", Unreadable()},
        {"MultiRadio1", Dword(5)}},
       false, RegResult::Failed, {Num("RadioChecked2", 1)}},
      {"a text of 260 characters does not fit: the texts after it stay", control,
       {{"ProgramVer", v143}, {"StartText", Text("S")}, {"WindowWallpaper", Text(std::string(260, 'w'))},
        {"MDIWallpaper", Text("m")}},
       false, RegResult::TooLarge, {Txt("StartText", "S")}},
      {"a DWORD in a text value ends the read", control,
       {{"ProgramVer", v143}, {"WindowWallpaper", Text("w")}, {"MDIWallpaper", Dword(1)},
        {"TVWallpaper", Text("t")}},
       false, RegResult::WrongType, {Txt("WindowWallpaper", "w")}},
      {"an unreadable text ends the read with Failed, after every family", control,
       {{"ProgramVer", v143}, {"MultiRadio3", Dword(2)}, {"TVWallpaper", Unreadable()}}, false,
       RegResult::Failed, {Num("MultiRadio3", 2)}},
      {"the library reads multi-radio values before the radio flags", library,
       {{"ProgramVer", v143}, {"SpinValue13", Dword(1)}, {"MultiRadio1", Dword(4)},
        {"MultiRadio2", Text("x")}, {"RadioChecked1", Dword(0)}},
       false, RegResult::WrongType, {Num("SpinValue13", 1), Num("MultiRadio1", 4)}},
      {"the control program reads them after the radio flags", control,
       {{"ProgramVer", v143}, {"SpinValue13", Dword(1)}, {"MultiRadio1", Dword(4)},
        {"MultiRadio2", Text("x")}, {"RadioChecked1", Dword(0)}},
       false, RegResult::WrongType,
       {Num("SpinValue13", 1), Num("RadioChecked1", 0), Num("MultiRadio1", 4)}},
      {"the library leaves values outside its part alone, bad ones too", library,
       {{"ProgramVer", v143}, {"CheckBoxChecked14", Dword(1)}, {"CheckBoxChecked15", Text("x")},
        {"SpinValue14", Unreadable()}, {"RadioChecked3", Unreadable()}, {"ColourValue1", OtherType()},
        {"MultiRadio3", Text("x")}, {"StartText", Dword(1)}, {"TVWallpaper", Text("C:\\t.bmp")}},
       true, RegResult::Ok, {Num("CheckBoxChecked14", 1), Txt("TVWallpaper", "C:\\t.bmp")}},
  };
}

TEST(SettingsReadRules, EachRuleOnAHandMadeState) {
  for (const HandCase& c : HandCases()) {
    SCOPED_TRACE(c.rule);
    Settings expected = DefaultSettings();
    for (const FieldChange& change : c.changed) {
      ASSERT_TRUE(Apply(expected, change)) << "the table names no field " << change.value;
    }

    Settings actual = DefaultSettings();
    const ReadOutcome outcome = ReadSettingsValues(MemoryKey(c.state), c.plan(), actual);
    const auto readerDiffs = Differences(expected, actual, c.valuesRead, outcome.valuesRead,
                                         c.error, outcome.error);
    EXPECT_TRUE(readerDiffs.empty()) << "the reader differs from the table:" << Joined(readerDiffs);

    // The statement of the rules used by the fuzz loop must agree as well.
    const Expected oracle = Oracle(c.state, c.plan());
    const auto oracleDiffs = Differences(expected, oracle.settings, c.valuesRead,
                                         oracle.valuesRead, c.error, oracle.error);
    EXPECT_TRUE(oracleDiffs.empty()) << "the rules as stated differ from the table:"
                                     << Joined(oracleDiffs);
  }
}

// The key answers each failure as RegistryKey does.
TEST(SettingsReadRules, MemoryKeyAnswersAsTheRegistryDoes) {
  const RegistryState state = {{"d", Dword(5)},         {"t", Text("abc")},
                               {"long", Text(std::string(300, 'x'))},
                               {"o", OtherType()},      {"u", Unreadable()}};
  const MemoryKey key(state);
  struct Probe {
    const char* name;
    bool has;
    RegResult dword;
    RegResult text4;  // into four characters: "abc" and its terminator fit exactly
    RegResult text3;
  };
  const Probe probes[] = {
      {"d", true, RegResult::Ok, RegResult::WrongType, RegResult::WrongType},
      {"t", true, RegResult::WrongType, RegResult::Ok, RegResult::TooLarge},
      {"long", true, RegResult::WrongType, RegResult::TooLarge, RegResult::TooLarge},
      {"o", true, RegResult::WrongType, RegResult::WrongType, RegResult::WrongType},
      {"u", true, RegResult::Failed, RegResult::Failed, RegResult::Failed},
      {"absent", false, RegResult::Missing, RegResult::Missing, RegResult::Missing},
  };
  for (const Probe& p : probes) {
    std::uint32_t out = 0;
    char buffer[4] = {'?', '?', '?', '?'};
    EXPECT_EQ(key.HasValue(p.name), p.has) << p.name;
    EXPECT_STREQ(NameOf(key.ReadDword(p.name, out)), NameOf(p.dword)) << p.name;
    EXPECT_STREQ(NameOf(key.ReadString(p.name, buffer, 4)), NameOf(p.text4)) << p.name;
    EXPECT_STREQ(NameOf(key.ReadString(p.name, buffer, 3)), NameOf(p.text3)) << p.name;
    EXPECT_EQ(buffer[0], '\0') << p.name << ": a refused text leaves the buffer empty";
  }
  std::uint32_t out = 0;
  ASSERT_EQ(key.ReadDword("d", out), RegResult::Ok);
  EXPECT_EQ(out, 5u);
  char buffer[4];
  ASSERT_EQ(key.ReadString("t", buffer, sizeof buffer), RegResult::Ok);
  EXPECT_STREQ(buffer, "abc");
}

// ---------------------------------------------------------------------------
// (b) Random registry states.

// SplitMix64: small, and the same on every standard library, so that a seed
// printed by one build reproduces in another.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 to n - 1 (the bias of the modulo is far below what matters here).
  std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>(Next() % n); }
  bool Percent(std::uint32_t p) { return Below(100) < p; }
  bool PerMille(std::uint32_t p) { return Below(1000) < p; }

 private:
  std::uint64_t state_;
};

std::uint32_t RandomDword(Rng& rng) {
  static constexpr std::uint32_t kEdges[] = {0, 1, 0xFF, 0x100, 0xFFFF, 0x10000, 0xFFFFFFFFu};
  switch (rng.Below(4)) {
    case 0: return kEdges[rng.Below(std::size(kEdges))];
    case 1: return rng.Below(300);
    default: return static_cast<std::uint32_t>(rng.Next());
  }
}

std::string RandomText(Rng& rng, std::size_t length) {
  std::string s;
  for (std::size_t i = 0; i < length; ++i) {
    // Mostly printable, sometimes any byte but the terminator.
    s += rng.Percent(85) ? static_cast<char>(0x20 + rng.Below(0x5F))
                         : static_cast<char>(1 + rng.Below(255));
  }
  return s;
}

std::size_t RandomTextLength(Rng& rng) {
  switch (rng.Below(4)) {
    case 0: return rng.Below(40);
    case 1: return 250 + rng.Below(20);  // around the 259 that fit
    default: return rng.Below(301);
  }
}

std::string RandomFrom(Rng& rng, const char* alphabet, std::size_t length) {
  const std::size_t size = std::strlen(alphabet);
  std::string s;
  for (std::size_t i = 0; i < length; ++i) s += alphabet[rng.Below(static_cast<std::uint32_t>(size))];
  return s;
}

std::string RandomVersionText(Rng& rng) {
  static const char* const kShapes[] = {
      "V1.3", "V1.43", "1.3", "V1.29", "V0", "V2", "V1.30000001", "v1.43", "V", "", " V1.5",
      "V1.5 ", "V1,5", "V1.5.1", "V-1", "V1e1", "V99999999999999999999", "V1.2999999999",
      "V999999999", "V1000000000", "\tV1.3\t", "V 1.3", "1 .3", ".5", "5.", "VV1.3V", "V1.3\n",
      "V01.3", "V1.03", "V1.", "V.", ",", "V1,5,", "V1.3 V", "V1 V.3"};
  switch (rng.Below(14)) {
    case 0:
    case 1: return kShapes[rng.Below(std::size(kShapes))];
    case 2:  // near 1.3
      return (rng.Percent(80) ? "V1." : "1,") + RandomFrom(rng, "0123456789", rng.Below(12));
    case 3:  // anything made of the characters a version text is made of, and some others
      return RandomFrom(rng, "0123456789.,VVv ae-\t", rng.Below(17));
    case 4:  // long runs of digits, past what the whole part may hold
      return (rng.Percent(50) ? "V" : "") + RandomFrom(rng, "0123456789", 1 + rng.Below(25)) +
             (rng.Percent(50) ? "." + RandomFrom(rng, "0123456789", rng.Below(15)) : "");
    case 5: {  // a good version padded around the 63 characters that fit
      std::string s = "V1.43";
      const std::size_t length = 56 + rng.Below(16);
      while (s.size() < length) s.insert(rng.Percent(50) ? 0 : s.size(), 1, ' ');
      return s;
    }
    case 6: return RandomFrom(rng, "0123456789.V ", 40 + rng.Below(261));
    default:  // the forms a saved key has, mostly supported, so that values get read
      return "V" + std::to_string(rng.Percent(80) ? 1 : rng.Below(20)) + "." +
             std::to_string(rng.Below(100));
  }
}

// Every value name either plan reads, in no particular order.
std::vector<std::string> PlannedNames() {
  std::map<std::string, int> names;
  for (const ReadPlan* plan : {&ControlReadPlan(), &LibraryReadPlan()}) {
    for (std::size_t r = 0; r < plan->runCount; ++r) {
      for (int n = plan->runs[r].first; n <= plan->runs[r].last; ++n) {
        names[ValueNameOf(plan->runs[r].family, n)] = 0;
      }
    }
    for (std::size_t t = 0; t < plan->textCount; ++t) names[TextNameOf(plan->texts[t])] = 1;
  }
  std::vector<std::string> list;
  for (const auto& entry : names) list.push_back(entry.first);
  return list;
}

bool IsTextName(const std::string& name) {
  for (const char* text : kTextNames) {
    if (name == text) return true;
  }
  return false;
}

RegistryState RandomState(std::uint64_t seed, const std::vector<std::string>& names) {
  Rng rng(seed);
  RegistryState state;
  // How sparse and how damaged this key is: from a clean full key to one
  // where nearly every value is missing or bad, so that reads end early,
  // late and not at all.
  static constexpr std::uint32_t kAbsentPercent[] = {0, 5, 30, 70, 95};
  static constexpr std::uint32_t kBadPerMille[] = {0, 0, 3, 10, 40, 300};
  const std::uint32_t absent = kAbsentPercent[rng.Below(std::size(kAbsentPercent))];
  const std::uint32_t bad = kBadPerMille[rng.Below(std::size(kBadPerMille))];

  const std::uint32_t versionKind = rng.Below(100);
  if (versionKind < 5) {
    // absent
  } else if (versionKind < 8) {
    state[kVersionName] = Dword(RandomDword(rng));
  } else if (versionKind < 10) {
    state[kVersionName] = OtherType();
  } else if (versionKind < 12) {
    state[kVersionName] = Unreadable();
  } else {
    state[kVersionName] = Text(RandomVersionText(rng));
  }

  for (const std::string& name : names) {
    if (rng.Percent(absent)) continue;
    const bool text = IsTextName(name);
    if (rng.PerMille(bad)) {
      switch (rng.Below(3)) {
        case 0:
          state[name] = text ? Dword(RandomDword(rng)) : Text(RandomText(rng, RandomTextLength(rng)));
          break;
        case 1: state[name] = OtherType(); break;
        default: state[name] = Unreadable(); break;
      }
    } else {
      // A text may still be too long: that is the text's own failure.
      state[name] = text ? Text(RandomText(rng, RandomTextLength(rng))) : Dword(RandomDword(rng));
    }
  }
  return state;
}

std::uint64_t FuzzIterations() {
  constexpr std::uint64_t kDefault = 20000;
  const char* text = std::getenv("VORNAL_FUZZ_ITERATIONS");
  if (text == nullptr || *text == '\0') return kDefault;
  char* end = nullptr;
  const unsigned long long n = std::strtoull(text, &end, 10);
  if (*end != '\0' || n == 0) {
    ADD_FAILURE() << "VORNAL_FUZZ_ITERATIONS is not a positive number: \"" << text << '"';
    return kDefault;
  }
  return n;
}

TEST(SettingsReadRules, RandomRegistryStatesReadAsTheRulesSay) {
  const std::uint64_t iterations = FuzzIterations();
  const std::vector<std::string> names = PlannedNames();
  struct PlanUnderTest {
    const char* name;
    const ReadPlan& plan;
  };
  const PlanUnderTest plans[] = {{"control", ControlReadPlan()}, {"library", LibraryReadPlan()}};

  unsigned long long valuesRead = 0;
  unsigned long long readsStopped = 0;
  std::map<std::string, unsigned long long> decidedBy;  // which rule decided each read
  int seedsFailed = 0;

  for (std::uint64_t seed = 1; seed <= iterations && seedsFailed < 5; ++seed) {
    const RegistryState state = RandomState(seed, names);
    const MemoryKey key(state);
    for (const PlanUnderTest& p : plans) {
      Settings actual = DefaultSettings();
      const ReadOutcome outcome = ReadSettingsValues(key, p.plan, actual);
      const Expected expected = Oracle(state, p.plan);
      valuesRead += static_cast<unsigned long long>(expected.valuesStored);
      if (expected.error != RegResult::Ok) ++readsStopped;
      ++decidedBy[expected.kind + (expected.error == RegResult::Ok ? "" : std::string(": ") + NameOf(expected.error))];

      const auto diffs = Differences(expected.settings, actual, expected.valuesRead,
                                     outcome.valuesRead, expected.error, outcome.error);
      if (!diffs.empty()) {
        const auto version = state.find(std::string_view(kVersionName));
        ADD_FAILURE() << "seed " << seed << ", " << p.name << " plan; ProgramVer: "
                      << (version == state.end() ? std::string("absent") : Show(version->second))
                      << "; by the rules the read "
                      << (expected.stoppedAt.empty() ? "does not stop at a bad value"
                                                     : "stops at " + expected.stoppedAt + " (" +
                                                           Show(state.at(expected.stoppedAt)) + ")")
                      << Joined(diffs);
        ++seedsFailed;
        break;
      }
    }
  }

  std::printf("registry states tried: %llu, values read: %llu, reads stopped by a bad value: %llu\n",
              static_cast<unsigned long long>(iterations), valuesRead, readsStopped);
  std::fflush(stdout);

  // A generator that never reaches a rule would pass without testing it.
  if (iterations >= 2000 && seedsFailed == 0) {
    const char* const kEveryRule[] = {
        "no ProgramVer", "ProgramVer too old", "read to the end",
        "ProgramVer unusable: WrongType", "ProgramVer unusable: TooLarge",
        "ProgramVer unusable: Failed", "stopped at a value: WrongType",
        "stopped at a value: TooLarge", "stopped at a value: Failed"};
    for (const char* rule : kEveryRule) {
      EXPECT_GT(decidedBy[rule], 0u) << "no random state reached: " << rule;
    }
  }
}

}  // namespace
}  // namespace vornal
