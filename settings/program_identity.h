// Names and version that identify Vornal to the registry and to the shell.
#pragma once

namespace vornal {

inline constexpr char kProgramName[] = "Vornal";

// The version label; also what "ProgramVer" receives on every save.
inline constexpr char kVersionLabel[] = "V1.43";

}  // namespace vornal
