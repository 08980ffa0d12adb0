#include "version_rule.h"

namespace vornal {
namespace {

constexpr unsigned long kFractionDigits = 9;
constexpr unsigned long kWholeLimit = 1000000000ul;  // keeps whole parts sane

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool ParseVersionText(const char* text, VersionNumber& out) {
  if (text == nullptr) return false;
  VersionNumber v;
  bool anyDigit = false;
  bool inFraction = false;
  bool trailingSpace = false;
  unsigned long fractionDigits = 0;
  bool leading = true;
  for (const char* p = text; *p != '\0'; ++p) {
    const char c = *p;
    if (c == 'V') continue;
    if (IsSpace(c)) {
      if (!leading) trailingSpace = true;
      continue;
    }
    if (trailingSpace) return false;  // a space inside the number
    leading = false;
    if (IsDigit(c)) {
      anyDigit = true;
      const unsigned long d = static_cast<unsigned long>(c - '0');
      if (!inFraction) {
        // Tested before it is stored: an unsigned long has 32 bits on
        // Windows, and "V5000000000" must not wrap into a small number.
        const unsigned long long whole = v.whole * 10ull + d;
        if (whole >= kWholeLimit) return false;
        v.whole = static_cast<unsigned long>(whole);
      } else if (fractionDigits < kFractionDigits) {
        v.billionths = v.billionths * 10 + d;
        ++fractionDigits;
      }
    } else if ((c == '.' || c == ',') && !inFraction) {
      inFraction = true;
    } else {
      return false;
    }
  }
  if (!anyDigit) return false;
  for (; fractionDigits < kFractionDigits; ++fractionDigits) v.billionths *= 10;
  out = v;
  return true;
}

bool IsSupportedSettingsVersion(const VersionNumber& version) {
  constexpr VersionNumber kOldest = {1, 300000000ul};
  return version.whole > kOldest.whole ||
         (version.whole == kOldest.whole && version.billionths >= kOldest.billionths);
}

}  // namespace vornal
