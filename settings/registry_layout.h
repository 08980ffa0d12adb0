// Where Vornal keeps its options, relative to the current user's hive.
#pragma once

namespace vornal {

// The Settings record and "ProgramVer".
inline constexpr char kSettingsKeyPath[] = "\\Software\\Vornal";
inline constexpr char kVersionValueName[] = "ProgramVer";

// REG_DWORD: the version of the default exclusion table last added to the
// exclusions key. Absent until the first start has added it.
inline constexpr char kDefaultExclusionsValueName[] = "DefaultExclusions";

// One empty REG_BINARY value per exclusion, named by it: a file name or a
// path pattern.
inline constexpr char kExclusionsKeyPath[] = "\\Software\\Vornal\\Exclusions";

// Present only while "run at log-on" is chosen: the program's full path.
inline constexpr char kRunKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr char kRunValueName[] = "Vornal";

// Toolbar background bitmaps that the shell and the browser read themselves.
inline constexpr char kToolbarKeyPath[] = "Software\\Microsoft\\Internet Explorer\\Toolbar";
inline constexpr char kShellToolbarValueName[] = "BackBitMapShell";
inline constexpr char kBrowserToolbarValueName[] = "BackBitMapIE5";

}  // namespace vornal
