// Class names and window texts as the rules compare them: upper case.
#pragma once

namespace vornal::hooklib {

// The letters a to z in place turned to A to Z. The names compared are all
// ASCII, and the host's locale must not change what matches.
void UpperCaseAscii(char* text) noexcept;

}  // namespace vornal::hooklib
