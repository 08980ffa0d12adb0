// Files that the build puts beside the test executables (build/.../bin).
#pragma once

#include <string>

namespace vornal::test {

// Full path of a file in the running test executable's folder.
std::string BesideThisProgram(const char* fileName);

}  // namespace vornal::test
