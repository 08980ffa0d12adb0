#include "core/executable_name.h"

namespace vornal::hooklib {

bool ExecutableFileName(const char* path, char* out, std::size_t capacity) noexcept {
  if (out == nullptr || capacity == 0) return false;
  out[0] = '\0';
  if (path == nullptr) return false;
  const char* name = path;
  for (const char* p = path; *p != '\0'; ++p) {
    if (*p == '\\' || *p == ':') name = p + 1;
  }
  std::size_t n = 0;
  for (; name[n] != '\0'; ++n) {
    if (n + 1 >= capacity) {
      out[0] = '\0';
      return false;
    }
    const char c = name[n];
    out[n] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  out[n] = '\0';
  return true;
}

}  // namespace vornal::hooklib
