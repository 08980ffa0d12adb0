// The rule that decides whether stored settings are used at all: the
// "ProgramVer" text, with its "V" removed, must give a number of at least 1.3.
#pragma once

namespace vornal {

// A decimal number as the version text gives it, kept exact: whole part and
// the fraction scaled to nine digits, so that 1.3 compares equal to 1.3.
struct VersionNumber {
  unsigned long whole = 0;
  unsigned long billionths = 0;
};

// Parses a "ProgramVer" text: every "V" is removed, spaces around the number
// are ignored, and the decimal separator may be "." or ",". Returns false for
// anything that is not a number.
bool ParseVersionText(const char* text, VersionNumber& out);

// True when the number is at least the oldest settings version still read.
bool IsSupportedSettingsVersion(const VersionNumber& version);

}  // namespace vornal
