// How the demo's probe names a window: "class=NAME" for the window class
// (as Windows compares class names, without regard to case), anything
// else for a part of the title (exactly as written).
#pragma once

#include <string>

namespace vornal::demo {

struct WindowMatch {
  std::string className;  // empty: match by title
  std::string titlePart;

  static WindowMatch From(const std::string& argument);
  bool Accepts(const std::string& title, const std::string& windowClass) const;
};

}  // namespace vornal::demo
