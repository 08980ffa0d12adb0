// The name under which the exclusion list knows a program: the file name of
// its executable without the folder, in lower case.
#pragma once

#include <cstddef>

namespace vornal::hooklib {

// Copies the part of path after its last '\' or ':' into out, with the
// letters A to Z turned to a to z (other characters are left as they are,
// the list lookup compares case-insensitively anyway). Returns false, with
// out empty, when the name and its terminator do not fit into capacity.
bool ExecutableFileName(const char* path, char* out, std::size_t capacity) noexcept;

}  // namespace vornal::hooklib
