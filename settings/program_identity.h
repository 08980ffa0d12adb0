// Names and version that identify Vornal to the registry and to the shell.
#pragma once

#include "vornal_version.h"

namespace vornal {

inline constexpr char kProgramName[] = "Vornal";

// The version label; also what "ProgramVer" receives on every save.
inline constexpr char kVersionLabel[] = "V" VORNAL_VERSION_TEXT;

}  // namespace vornal
