#include "probe_match.h"

#include <algorithm>
#include <cctype>

namespace vornal::demo {

WindowMatch WindowMatch::From(const std::string& argument) {
  static const std::string kClass = "class=";
  WindowMatch m;
  if (argument.compare(0, kClass.size(), kClass) == 0) {
    m.className = argument.substr(kClass.size());
  } else {
    m.titlePart = argument;
  }
  return m;
}

bool WindowMatch::Accepts(const std::string& title, const std::string& windowClass) const {
  if (!className.empty()) {
    return std::equal(className.begin(), className.end(), windowClass.begin(), windowClass.end(),
                      [](char a, char b) {
                        return std::tolower(static_cast<unsigned char>(a)) ==
                               std::tolower(static_cast<unsigned char>(b));
                      });
  }
  return !titlePart.empty() && title.find(titlePart) != std::string::npos;
}

}  // namespace vornal::demo
