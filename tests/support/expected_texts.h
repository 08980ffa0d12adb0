// Texts the user sees, written out here rather than taken from the program,
// so that a changed word in the program shows up as a failing test.
#pragma once

namespace vornal::test {

inline constexpr char kExpectedStartError[] =
    "Could not start VornalLib.dll - please check it is in the same folder as Vornal.exe.  If "
    "the problem persists, unset the Startup option, reboot, and re-download (or copy) the "
    "application's files from a reliable source.";

}  // namespace vornal::test
