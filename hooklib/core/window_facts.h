// Reading the facts of a window that the handlers decide on. Each read
// tells a failure (a window that has gone) apart from a value of zero, so
// that a handler stops instead of acting on a style it never read.
#pragma once

#include <windows.h>

namespace vornal::hooklib {

// GetClassName with this count reads at most 254 characters.
inline constexpr int kClassNameChars = 255;
using ClassName = char[kClassNameChars];

// GetWindowLongPtr(window, index): GWL_STYLE, GWL_EXSTYLE.
bool ReadWindowLong(HWND window, int index, LONG_PTR& value) noexcept;

// GetClassLongPtr(window, GCL_STYLE).
bool ReadClassStyle(HWND window, ULONG_PTR& style) noexcept;

// The class name as registered, not converted.
bool ReadClassName(HWND window, ClassName& name) noexcept;

// The class name in upper case (UpperCaseAscii), as the rules compare it.
bool ReadUpperClassName(HWND window, ClassName& name) noexcept;

}  // namespace vornal::hooklib
