#include "core/window_facts.h"

#include "core/upper_case.h"

namespace vornal::hooklib {

// GetWindowLongPtr and GetClassLongPtr return 0 both for a failure and for
// an empty value; only the thread's last error tells them apart.
bool ReadWindowLong(HWND window, int index, LONG_PTR& value) noexcept {
  SetLastError(ERROR_SUCCESS);
  value = GetWindowLongPtrA(window, index);
  return value != 0 || GetLastError() == ERROR_SUCCESS;
}

bool ReadClassStyle(HWND window, ULONG_PTR& style) noexcept {
  SetLastError(ERROR_SUCCESS);
  style = GetClassLongPtrA(window, GCL_STYLE);
  return style != 0 || GetLastError() == ERROR_SUCCESS;
}

bool ReadClassName(HWND window, ClassName& name) noexcept {
  return GetClassNameA(window, name, kClassNameChars) != 0;
}

bool ReadUpperClassName(HWND window, ClassName& name) noexcept {
  if (!ReadClassName(window, name)) return false;
  UpperCaseAscii(name);
  return true;
}

}  // namespace vornal::hooklib
