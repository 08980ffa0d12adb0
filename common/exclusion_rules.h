// Which programs an exclusion keeps the effects out of, what the editor
// accepts as one, and the exclusions a fresh install starts with.
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

// Whether entry is a path pattern rather than a file name.
bool IsPathPattern(const char* entry) noexcept;

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

// Why a default exclusion is there.
enum class DefaultExclusionKind : std::uint8_t {
  SystemProcess,   // a process whose crash or slowdown takes the session with it
  AntiCheat,       // anti-cheat services refuse, or ban for, code loaded into them
  VirtualMachine,  // VirtualBox's hardened processes refuse unknown libraries
  GameFolder,      // games run full screen, and their anti-cheat watches them
};

struct DefaultExclusion {
  const char* entry;
  DefaultExclusionKind kind;
};

// The exclusions of a fresh install. The system processes are named by file
// name, the rest by pattern; the anti-cheat patterns are matched against the
// whole path on purpose, so that a game's folder named after its anti-cheat
// is excluded as well.
inline constexpr DefaultExclusion kDefaultExclusions[] = {
    {"csrss.exe", DefaultExclusionKind::SystemProcess},
    {"smss.exe", DefaultExclusionKind::SystemProcess},
    {"wininit.exe", DefaultExclusionKind::SystemProcess},
    {"winlogon.exe", DefaultExclusionKind::SystemProcess},
    {"services.exe", DefaultExclusionKind::SystemProcess},
    {"lsass.exe", DefaultExclusionKind::SystemProcess},
    {"logonui.exe", DefaultExclusionKind::SystemProcess},
    {"userinit.exe", DefaultExclusionKind::SystemProcess},
    {"consent.exe", DefaultExclusionKind::SystemProcess},
    {"dwm.exe", DefaultExclusionKind::SystemProcess},
    {"fontdrvhost.exe", DefaultExclusionKind::SystemProcess},
    {"sihost.exe", DefaultExclusionKind::SystemProcess},
    {"ctfmon.exe", DefaultExclusionKind::SystemProcess},
    {"lockapp.exe", DefaultExclusionKind::SystemProcess},
    {"audiodg.exe", DefaultExclusionKind::SystemProcess},
    {"werfault.exe", DefaultExclusionKind::SystemProcess},
    {"werfaultsecure.exe", DefaultExclusionKind::SystemProcess},
    {"wermgr.exe", DefaultExclusionKind::SystemProcess},
    {"*easyanticheat*", DefaultExclusionKind::AntiCheat},
    {"*battleye*", DefaultExclusionKind::AntiCheat},
    {"*_be.exe", DefaultExclusionKind::AntiCheat},
    {"*_eac.exe", DefaultExclusionKind::AntiCheat},
    {"?:\\Program Files\\Oracle\\VirtualBox\\*", DefaultExclusionKind::VirtualMachine},
    {"VirtualBox.exe", DefaultExclusionKind::VirtualMachine},
    {"VirtualBoxVM.exe", DefaultExclusionKind::VirtualMachine},
    {"VBoxSVC.exe", DefaultExclusionKind::VirtualMachine},
    {"VBoxHeadless.exe", DefaultExclusionKind::VirtualMachine},
    {"*\\steamapps\\common\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files\\Steam\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files (x86)\\Steam\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files\\Epic Games\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files (x86)\\Epic Games\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files\\GOG Galaxy\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files (x86)\\GOG Galaxy\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files\\Riot Games\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files (x86)\\Riot Games\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files\\Battle.net\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files (x86)\\Battle.net\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files\\Blizzard Entertainment\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files (x86)\\Blizzard Entertainment\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files\\EA Games\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files (x86)\\EA Games\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files\\Electronic Arts\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files (x86)\\Electronic Arts\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files\\Origin Games\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files (x86)\\Origin Games\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files\\Ubisoft\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files (x86)\\Ubisoft\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files\\Rockstar Games\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files (x86)\\Rockstar Games\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files\\Bethesda Softworks\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files (x86)\\Bethesda Softworks\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files\\Square Enix\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files (x86)\\Square Enix\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files\\Wargaming.net\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files (x86)\\Wargaming.net\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files\\Paradox Interactive\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Program Files (x86)\\Paradox Interactive\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Epic Games\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Riot Games\\*", DefaultExclusionKind::GameFolder},
    {"?:\\Games\\*", DefaultExclusionKind::GameFolder},
};

// The version of the table above that the control program records once it
// has added the table to a user's list, so that a default the user removed
// stays removed.
inline constexpr std::uint32_t kDefaultExclusionsVersion = 1;

// Whether entry is one of the defaults, letter case aside, so that the
// editor can mark those the user did not add.
bool IsDefaultExclusion(const char* entry) noexcept;

}  // namespace vornal
