// Which programs an exclusion keeps the effects out of, and what the editor
// accepts as one.
//
// An exclusion is either a file name ("notepad.exe": no '\', '/', '*', '?'
// or ':'), which matches that program in any folder, or a path pattern
// ("?:\Games\*"), matched against the program's whole image path: '*' takes
// any run of characters, '\' included, and '?' exactly one, so a leading
// "?:" is any drive. Both compare with the letters A to Z folded and every
// other byte as it is: the host's locale must not change what is excluded,
// and an ANSI or UTF-8 name is matched byte for byte.
//
// Platform-free and allocation-free: the hook library decides with it inside
// every hooked process, and the tests run it natively.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vornal {

// Whether the program at imagePath is excluded by entry. imagePath may be
// as long as the system allows (32767 characters) and may start with "\\?\",
// which is read past so that drive patterns still match ("\\?\UNC\" reads
// as the "\\" of a share). '/' in the path is read as '\'. A null or empty
// entry excludes nothing.
bool ExclusionMatches(const char* entry, const char* imagePath) noexcept;

// The longest exclusion the editor accepts, in bytes of the ANSI code page
// (a character each, in the single-byte code pages).
inline constexpr std::size_t kMaxExclusionChars = 260;

// Why the editor refuses an exclusion, in the order it checks them.
enum class EntryProblem : std::uint8_t {
  None,
  Empty,
  TooLong,        // more than kMaxExclusionChars
  BadCharacter,   // a control character, '"', '<', '>', '|' or '/'
  OnlyWildcards,  // a '*' and nothing but wildcards, dots, '\' and ':' ("*.*", "?:\*"): every program
};

EntryProblem CheckEntry(const char* entry) noexcept;

// One sentence for the user about the problem; empty for None.
const char* EntryProblemText(EntryProblem problem) noexcept;

}  // namespace vornal
